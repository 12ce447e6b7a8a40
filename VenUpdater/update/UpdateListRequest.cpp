#include "VenUpdater/update/UpdateListRequest.h"

#include <vector>

#include "VenUpdater/update/UpdateFileList.h"
#include "net/ServiceHosts.h"

namespace {

constexpr int kProxyHttp = 3;

std::string ReplaceFirst(std::string text, const std::string& what, const std::string& with) {
    const std::size_t at = text.find(what);
    if (at != std::string::npos)
        text.replace(at, what.size(), with);
    return text;
}

}  // namespace

std::string CUpdateListRequest::RequestText(const std::string& apiHost, bool proxyEnabled, int proxyKind) {
    std::string text = proxyEnabled && proxyKind == kProxyHttp ? "GET http://" + apiHost : "GET ";
    text += "/update/ReturnFileUpdateList.aspx HTTP/1.0\r\n";
    if (proxyEnabled)
        text += "Proxy-Connection: Keep-Alive\r\nPragma: no-cache\r\nCache-Control: no-cache\r\n";
    text += "Accept: */*\r\nUser-Agent: FoldVEn\r\nConnection: Keep-Alive\r\n";
    text += "Host: " + apiHost + "\r\n";
    text += "Cookie: User=Update\r\n";
    text += "\r\n";
    return text;
}

bool CUpdateListRequest::Fetch(const std::string& apiHost, bool proxyEnabled, int proxyKind) {
    m_strReply.clear();
    const std::string request = RequestText(apiHost, proxyEnabled, proxyKind);
    for (int attempt = 0; attempt < kAttempts; ++attempt) {
        const Outcome outcome = Attempt(apiHost, request);
        if (outcome == Outcome::Done)
            return true;
        if (outcome == Outcome::GiveUp)
            break;
    }
    m_strReply.clear();
    return false;
}

CUpdateListRequest::Outcome CUpdateListRequest::Attempt(const std::string& apiHost,
                                                        const std::string& request) {
    // Every attempt has a connection of its own: an HTTP/1.0 server closes the first after its reply.
    if (!m_socket.Create()) {
        m_ui.MessageBox(m_owner, m_ui.LoadString(kSocketMessageId), "에러", MessageFlags::kIconExclamation);
        return Outcome::GiveUp;
    }
    const HostPort target = SplitHostPort(apiHost, kDefaultPort);
    if (!m_socket.Connect(target.host, target.port)) {
        m_socket.Close();
        m_ui.MessageBox(m_owner, m_ui.LoadString(kConnectMessageId), "알림", MessageFlags::kIconStop);
        return Outcome::GiveUp;
    }
    if (m_socket.Send(request.data(), static_cast<int>(request.size())) != static_cast<int>(request.size())) {
        m_socket.Close();
        return Outcome::Retry;
    }
    CUpdateReplyFramer framer;
    std::vector<char> buffer(kReceiveSize);
    bool complete = false;
    for (;;) {
        const int received = m_socket.Receive(buffer.data(), kReceiveSize);
        if (received < 0) {
            m_socket.Close();
            return Outcome::Retry;
        }
        if (received == 0)
            break;
        if (framer.Append(buffer.data(), static_cast<std::size_t>(received))) {
            complete = true;
            break;
        }
        if (framer.TooLarge())
            break;
    }
    m_socket.Close();
    if (framer.Response().empty())
        return Outcome::Retry;
    if (framer.Status() != "200") {
        m_ui.MessageBox(m_owner, ReplaceFirst(m_ui.LoadString(kStatusMessageId), "%1", framer.Status()),
                        "알림", MessageFlags::kOk);
        return Outcome::Retry;
    }
    if (!complete && (framer.Truncated() || framer.TooLarge() || !framer.HeaderComplete()))
        return Outcome::Retry;
    m_strReply = framer.Body();
    return Outcome::Done;
}
