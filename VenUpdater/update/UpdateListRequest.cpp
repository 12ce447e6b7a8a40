#include "VenUpdater/update/UpdateListRequest.h"

#include "net/HttpRequest.h"
#include "net/ReplyReaders.h"
#include "net/ServiceHosts.h"

namespace {

std::string ReplaceFirst(std::string text, const std::string& what, const std::string& with) {
    const std::size_t at = text.find(what);
    if (at != std::string::npos)
        text.replace(at, what.size(), with);
    return text;
}

}  // namespace

std::string CUpdateListRequest::RequestText(const std::string& apiHost, bool proxyEnabled, int proxyKind) {
    ProxySettingsRecord proxy;
    proxy.enabled = proxyEnabled;
    proxy.kind = proxyKind;
    HttpRequestParts parts;
    parts.requestLine = RequestPrefix(apiHost, proxy) + "/update/ReturnFileUpdateList.aspx HTTP/1.0\r\n";
    parts.host = apiHost;
    parts.userAgent = "FoldVEn";
    parts.cookie = "User=Update";
    return ComposeHttpRequest(parts, proxy);
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

bool CUpdateListRequest::Open(const std::string& apiHost) {
    if (!m_socket.Create()) {
        m_ui.MessageBox(m_owner, m_ui.LoadString(kSocketMessageId), "에러", MessageFlags::kIconExclamation);
        return false;
    }
    const HostPort target = SplitHostPort(apiHost, kDefaultPort);
    if (!m_socket.Connect(target.host, target.port)) {
        m_socket.Close();
        m_ui.MessageBox(m_owner, m_ui.LoadString(kConnectMessageId), "알림", MessageFlags::kIconStop);
        return false;
    }
    return true;
}

CUpdateListRequest::Outcome CUpdateListRequest::Attempt(const std::string& apiHost,
                                                        const std::string& request) {
    // Every attempt has a connection of its own: an HTTP/1.0 server closes the first after its reply.
    if (!Open(apiHost))
        return Outcome::GiveUp;
    if (m_socket.Send(request.data(), static_cast<int>(request.size())) != static_cast<int>(request.size())) {
        m_socket.Close();
        return Outcome::Retry;
    }
    CHttpReplyFramer::Limits limits;
    limits.maxResponse = kMaxResponse;
    limits.lengthlessRunsToClose = true;
    CHttpReplyFramer framer(limits);
    const ReplyEnd end = ReadReply([this](char* buffer, int size) { return m_socket.Receive(buffer, size); },
                                   framer, kReceiveSize);
    m_socket.Close();
    return Judge(end, framer);
}

CUpdateListRequest::Outcome CUpdateListRequest::Judge(ReplyEnd end, const CHttpReplyFramer& framer) {
    if (end == ReplyEnd::kFailed || framer.Response().empty())
        return Outcome::Retry;
    if (framer.Status() != "200") {
        m_ui.MessageBox(m_owner, ReplaceFirst(m_ui.LoadString(kStatusMessageId), "%1", framer.Status()),
                        "알림", MessageFlags::kOk);
        return Outcome::Retry;
    }
    if (end != ReplyEnd::kComplete && (framer.Truncated() || framer.GaveUp() || !framer.HeaderComplete()))
        return Outcome::Retry;
    m_strReply = TrimWhite(framer.Body());
    return Outcome::Done;
}
