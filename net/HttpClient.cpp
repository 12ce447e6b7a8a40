#include "net/HttpClient.h"

#include <algorithm>
#include <cstring>
#include <vector>

#include "net/ProxySettings.h"
#include "net/ReplyReaders.h"
#include "net/ServiceHosts.h"
#include "platform/UiHooks.h"

namespace {

// String 114 of the program's string table.
const char kSocketCreateFailed[] =
    "서버와의 통신을 위해 연결을 설정하는데 실패했습니다.\r\n\r\n계속 이런 증상이 발생할 때에는 컴퓨터를 "
    "리부팅 "
    "해주십시오.";
const char kConnectTimedOut[] =
    "서버에서 응답이 없습니다(연결실패).\n 확인후 다시 시도하여 주십시오.(RECV TIME-OUT)";
const char kConnectFailed[] = "사용자가 많아 서버 접속에 실패하였습니다.\n 확인후 다시 시도하여 주십시오.";
const char kReceiveTimedOut[] = "서버에서 응답이 없습니다.\n 확인후 다시 시도하여 주십시오.(RECV TIME-OUT)";
const char kReceiveFailed[] =
    "데이타 수신중 오류가 발생하였습니다.\n 확인후 다시 시도하여 주십시오.(SOCKET ERR)";
const char kBadStatus[] = "서버의 응답이 올바르지 않습니다.\n 확인후 다시 시도하여 주십시오.";

// The second blank- or tab-separated token of `line` when its first token starts with `prefix`.
std::string HeaderToken(const std::string& line, const char* prefix) {
    std::vector<std::string> tokens;
    std::size_t i = 0;
    while (tokens.size() < 2) {
        i = line.find_first_not_of(" \t", i);
        if (i == std::string::npos)
            break;
        const std::size_t end = line.find_first_of(" \t", i);
        tokens.push_back(line.substr(i, end == std::string::npos ? std::string::npos : end - i));
        i = end;
    }
    if (tokens.empty() || tokens[0].compare(0, std::strlen(prefix), prefix) != 0)
        return std::string();
    return tokens.size() > 1 ? tokens[1] : std::string();
}

}  // namespace

std::string RequestPrefix(const std::string& host) {
    if (ProxySettings.enabled && ProxySettings.kind == ProxySettingsRecord::kHttp)
        return "GET http://" + host;
    return "GET ";
}

CHttpClient::CHttpClient(IUiHooks* ui, unsigned watchdogMs) : m_pUi(ui), m_socket(ui, watchdogMs) {}

bool CHttpClient::Connect(const std::string& host, unsigned port) {
    m_socket.ArmWatchdog();
    bool ok = m_socket.Create();
    if (!ok) {
        m_nError = kConnect;
        m_strError = kSocketCreateFailed;
    } else {
        const HostPort target = SplitHostPort(host, port);
        ok = m_socket.Connect(target.host, target.port);
        if (!ok) {
            m_nError = kConnect;
            m_strError = m_socket.IsTimedOut() ? kConnectTimedOut : kConnectFailed;
        }
    }
    m_socket.DisarmWatchdog();
    return ok;
}

std::string CHttpClient::ComposeRequest(const std::string& host, const std::string& requestLine,
                                        const std::string& body, bool form) const {
    std::string text = requestLine;
    if (form)
        text += "Content-Type: application/x-www-form-urlencoded\r\n";
    if (ProxySettings.enabled)
        text += "Proxy-Connection: Keep-Alive\r\nPragma: no-cache\r\nCache-Control: no-cache\r\n";
    text += "Accept: */*\r\n";
    text += "User-Agent: Parvo\r\n";
    text += "Connection: Keep-Alive\r\n";
    text += "Host: " + host + "\r\n";
    text += "Cookie: " + m_strCookie + "\r\n";
    if (form)
        text += "Content-Length: " + std::to_string(body.size() + 2) + "\r\n";
    text += "\r\n";
    if (form)
        text += body + "\r\n";
    return text;
}

bool CHttpClient::Send(const std::string& host, const std::string& requestLine, const std::string& body,
                       bool form) {
    const std::string text = ComposeRequest(host, requestLine, body, form);
    m_socket.ArmWatchdog();
    bool ok = true;
    if (m_socket.Send(text.data(), static_cast<int>(text.size())) == -1) {
        const int error = m_socket.GetLastError();
        m_socket.Close();
        m_nError = m_socket.IsTimedOut() ? kSendTimeout : kSend;
        m_strError = SocketErrorText(error) + "\n";
        ok = false;
    }
    m_socket.DisarmWatchdog();
    return ok;
}

bool CHttpClient::Receive(std::string& reply, char* buffer, unsigned size) {
    std::string status;
    long long headerEnd = -1;
    int contentLength = 0;
    long long total = 0;
    bool headerSeen = false;
    bool bodyCut = false;

    m_socket.ArmWatchdog();
    int n = m_socket.Receive(buffer, static_cast<int>(size));
    while (n != -1) {
        m_socket.DisarmWatchdog();
        if (n == 0) {
            bodyCut = headerSeen && total - headerEnd - 4 < contentLength;
            break;
        }
        reply.append(buffer, ::strnlen(buffer, size));
        total += n;
        if (!headerSeen) {
            // The header may come over several receives; it must end within one buffer's size.
            const std::size_t end = reply.find("\r\n\r\n");
            if (end != std::string::npos) {
                headerSeen = true;
                headerEnd = static_cast<long long>(end);
                char header[kHeaderCopySize + 1] = {};
                reply.copy(header, std::min<std::size_t>(end + 2, kHeaderCopySize));
                contentLength = ParseHeader(header, status);
                reply.erase(0, end + 4);
            }
        }
        std::memset(buffer, 0, size);
        if (headerSeen ? total - headerEnd - 4 >= contentLength : total >= static_cast<long long>(size))
            break;
        m_socket.ArmWatchdog();
        // A reply that keeps coming, slowly or without end, may not outlast the request's limit.
        n = m_socket.RequestLimitPassed() ? -1 : m_socket.Receive(buffer, static_cast<int>(size));
    }
    m_socket.DisarmWatchdog();

    if (n == -1 && m_socket.IsTimedOut()) {
        m_nError = kReceiveTimeout;
        m_strError = kReceiveTimedOut;
        return false;
    }
    // A peer that closes before the announced length has arrived broke off the reply: a receive
    // failure (retried), not a short reply taken for the whole.
    if (n == -1 || bodyCut) {
        m_nError = kReceive;
        m_strError = kReceiveFailed;
        return false;
    }
    // An error status fails the request also when its body is empty; an empty reply without one (the
    // peer closed at once) leaves the caller to judge it.
    if (status == "200" || (reply.empty() && status.empty()))
        return !reply.empty();
    // A text of its own, so the message never shows an earlier attempt's unrelated failure.
    m_nError = kStatus;
    m_strError = kBadStatus;
    return false;
}

int CHttpClient::ParseHeader(const char* header, std::string& status) {
    std::string s = header;
    status = "404";
    const std::size_t http = s.find("HTTP");
    if (http != std::string::npos) {
        s.erase(0, http);
        status = HeaderToken(NextLine(s), "HTTP");
    }
    const std::size_t length = s.find("Content-Length:");
    if (length == std::string::npos)
        return 0;
    s.erase(0, length);
    return ParseLeadingInt(HeaderToken(NextLine(s), "Content-Length:"));
}

bool CHttpClient::CheckReply(const std::string& reply) {
    std::string copy = reply;
    return NextField(copy) != "F";
}

bool CHttpClient::Exchange(std::string& reply, const std::string& host, unsigned port,
                           const std::string& requestLine, const std::string& body, bool form,
                           unsigned bufferSize) {
    m_nError = kNone;
    CUiBusy busy(m_pUi);
    std::vector<char> buffer(bufferSize + 1, 0);
    m_socket.ArmRequestLimit();
    const bool ok = Connect(host, port) && Send(host, requestLine, body, form) &&
                    Receive(reply, buffer.data(), bufferSize);
    m_socket.DisarmRequestLimit();
    m_socket.Close();
    return ok;
}

bool CHttpClient::Request(std::string& reply, const std::string& host, unsigned port,
                          const std::string& requestLine, const std::string& body, bool form) {
    reply.clear();
    return Exchange(reply, host, port, requestLine, body, form, kRequestBufferSize) && CheckReply(reply);
}

bool CHttpClient::RequestList(const ReplyParser& parse, const std::string& host, unsigned port,
                              const std::string& requestLine, std::string& reply) {
    if (!Exchange(reply, host, port, requestLine, std::string(), false, kListBufferSize) ||
        !CheckReply(reply)) {
        return false;
    }
    parse(reply);
    return true;
}
