#include "net/HttpClient.h"

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

}  // namespace

CHttpClient::CHttpClient(IUiHooks* ui, unsigned watchdogMs) : m_pUi(ui), m_socket(ui, watchdogMs) {}

bool CHttpClient::Fail(Error code, const std::string& text) {
    m_nError = code;
    m_strError = text;
    return false;
}

bool CHttpClient::Connect(const std::string& host, unsigned port) {
    if (!m_socket.Create())
        return Fail(kConnect, kSocketCreateFailed);
    const HostPort target = SplitHostPort(host, port);
    if (!m_socket.TimedConnect(target.host, target.port))
        return Fail(kConnect, m_socket.IsTimedOut() ? kConnectTimedOut : kConnectFailed);
    return true;
}

std::string CHttpClient::ComposeRequest(const std::string& host, const std::string& requestLine,
                                        const std::string& body, bool form) const {
    HttpRequestParts parts;
    parts.requestLine = requestLine;
    parts.host = host;
    parts.userAgent = "Parvo";
    parts.cookie = m_strCookie;
    parts.body = body;
    parts.form = form;
    return ComposeHttpRequest(parts);
}

bool CHttpClient::Send(const std::string& host, const std::string& requestLine, const std::string& body,
                       bool form) {
    const std::string text = ComposeRequest(host, requestLine, body, form);
    if (m_socket.TimedSend(text.data(), static_cast<int>(text.size())) != -1)
        return true;
    const int error = m_socket.GetLastError();
    m_socket.Close();
    return Fail(m_socket.IsTimedOut() ? kSendTimeout : kSend, SocketErrorText(error) + "\n");
}

bool CHttpClient::Receive(std::string& reply, unsigned size) {
    CHttpReplyFramer::Limits limits;
    limits.headerWithin = size;
    CHttpReplyFramer framer(limits);
    const ReplyEnd end =
        ReadReply([this](char* buffer, int n) { return m_socket.TimedReceive(buffer, n); }, framer, size);
    reply += framer.HeaderComplete() ? framer.Body() : framer.Response();
    return CheckFraming(end, framer, reply);
}

bool CHttpClient::CheckFraming(ReplyEnd end, const CHttpReplyFramer& framer, const std::string& reply) {
    if (end == ReplyEnd::kFailed)
        return m_socket.IsTimedOut() ? Fail(kReceiveTimeout, kReceiveTimedOut)
                                     : Fail(kReceive, kReceiveFailed);
    // A peer that closes before the announced length has arrived broke off the reply: a receive
    // failure (retried), not a short reply taken for the whole.
    if (end == ReplyEnd::kClosed && framer.Truncated())
        return Fail(kReceive, kReceiveFailed);
    // The peer closed at once: the caller judges that.
    if (framer.Response().empty())
        return false;
    // An error status fails the request also when its body is empty; an empty body under a header
    // without a status leaves the caller to judge it.
    const std::string& status = framer.Status();
    if (status == "200" || (reply.empty() && status.empty()))
        return !reply.empty();
    // A text of its own, so the message never shows an earlier attempt's unrelated failure.
    return Fail(kStatus, kBadStatus);
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
    m_socket.ArmRequestLimit();
    const bool ok = Connect(host, port) && Send(host, requestLine, body, form) && Receive(reply, bufferSize);
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
