#include "FoldVenBrowser/service/ServiceClient.h"

#include "FoldVenBrowser/service/ListingParser.h"
#include "net/ReplyReaders.h"
#include "net/ServiceHosts.h"
#include "net/UrlEscape.h"

namespace {

constexpr unsigned kNoPermission = 115;
constexpr unsigned kUnknownCommand = 116;
constexpr unsigned kWrongPassword = 117;

}  // namespace

int InfoBox(IUiHooks& ui, unsigned stringId, const std::string& text, unsigned style) {
    return ui.MessageBox(0, text.empty() ? ui.LoadString(stringId) : text, "Info", style);
}

bool CheckResultCode(IUiHooks& ui, int code, int attempt) {
    unsigned message = 0;
    switch (code) {
        case 101:
            message = kNoPermission;
            break;
        case 102:
            message = kUnknownCommand;
            break;
        case 105:
            message = kWrongPassword;
            break;
        default:
            return true;
    }
    if (attempt > 1)
        InfoBox(ui, message, std::string(), MessageFlags::kIconExclamation);
    return false;
}

CServiceClient::CServiceClient(OwnerWindow owner, const CSessionInfo& session, IUiHooks& ui,
                               ISleeper& sleeper)
    : m_pOwner(owner), m_session(session), m_ui(ui), m_sleeper(sleeper) {}

bool CServiceClient::ParseResult(std::string& reply) {
    const char status = NextChar(reply);
    m_nResultCode = NextInt(reply);
    const std::size_t lastTab = reply.rfind('\t');
    m_strReply = lastTab == std::string::npos ? std::string() : reply.substr(0, lastTab + 1);
    return status == 'S';
}

bool CServiceClient::Get(CHttpClient& client, std::string& reply, const std::string& page) {
    reply.clear();
    const std::string host = ServiceHosts::ApiHost();
    return RequestWithRetry(client, reply, host, RequestPrefix(host) + BasePath() + page, false);
}

bool CServiceClient::RequestWithRetry(CHttpClient& client, std::string& reply, const std::string& host,
                                      const std::string& requestLine, bool form) {
    const bool ok = RunAttempts(client, reply, 3000, [&] {
        return client.Request(reply, host, kServicePort, requestLine, std::string(), form);
    });
    if (!ok && client.IsNetworkError())
        InfoBox(m_ui, 0, client.GetErrorText(), MessageFlags::kIconExclamation);
    return ok;
}

bool CServiceClient::RunAttempts(CHttpClient& client, std::string& reply, unsigned stepMs,
                                 const std::function<bool()>& attemptOnce) {
    CUiBusy busy(&m_ui);
    for (int attempt = 0; attempt < 3; ++attempt) {
        const unsigned delay = static_cast<unsigned>(attempt + 1) * stepMs;
        if (!attemptOnce() && client.IsNetworkError()) {
            m_sleeper.Sleep(delay);
            continue;
        }
        if (ParseResult(reply))
            return true;
        if (CheckResultCode(m_ui, m_nResultCode, attempt))
            break;
        if (attempt < 2)
            m_sleeper.Sleep(delay);
    }
    return false;
}

bool CServiceClient::Login(const std::string& userId, const std::string& password) {
    CHttpClient client(&m_ui, m_watchdogMs);
    std::string reply;
    const std::string page = "/login.aspx?UID=" + UrlEscape(userId) + "&PWD=" + UrlEscape(password) +
                             "&VER=" + kClientVersion + " HTTP/1.0\r\n";
    const bool ok = Get(client, reply, page);
    m_strReply = reply;
    return ok;
}

bool CServiceClient::RequestNotices() {
    CHttpClient client(&m_ui, m_watchdogMs);
    std::string reply;
    const bool ok = Get(client, reply, "/notice.aspx HTTP/1.0\r\n");
    m_strReply = reply;
    return ok;
}

bool CServiceClient::RequestBalance(std::int64_t& balance) {
    CHttpClient client(&m_ui, m_watchdogMs);
    std::string reply;
    const std::string page = "/GetInform.aspx?MD=RP&UID=" + UrlEscape(m_session.userId) +
                             "&LID=" + UrlEscape(m_session.informKey) + " HTTP/1.0\r\n";
    if (!Get(client, reply, page))
        return false;
    balance = ParseLeadingInt64(reply);
    return true;
}

std::string CServiceClient::ListingRequestLine(const std::string& host, const CRemoteLocation& location) {
    const std::string start = RequestPrefix(host) + BasePath() + "/GetFileList.aspx?";
    const std::string id = std::to_string(location.id);
    std::string query;
    switch (location.level) {
        case 0:
            query = "MD=BC&FID=" + id;
            break;
        case 1:
            query = "MD=MC&FID=" + id;
            break;
        case 2:
            // The keys cross on purpose: the service's cate1 is the location's cate2 and the other way round.
            query = "MD=ML&step=2&PID=" + id + "&cate1=" + location.cate2 + "&cate2=" + location.cate1 +
                    "&start=" + std::to_string(location.start);
            break;
        default:
            query = "MD=FL&step=" + std::to_string(location.level) + "&PID=" + id;
            break;
    }
    return start + query + " HTTP/1.0\r\n";
}

bool CServiceClient::RequestListing(IListingSink& sink, CRemoteLocation& location, bool keepView) {
    CHttpClient client(&m_ui, m_watchdogMs);
    const std::string host = m_session.apiHost;
    client.SetCookie(m_session.listKey);
    const std::string requestLine = ListingRequestLine(host, location);
    std::string reply;
    const bool ok = RunAttempts(client, reply, 1000, [&] {
        reply.clear();
        return client.RequestList(
            [&](const std::string& body) { ParseListing(body, sink, location, keepView); }, host,
            kServicePort, requestLine, reply);
    });
    if (ok)
        return true;
    if (client.IsNetworkError())
        m_ui.ShowMessage(m_pOwner, kListingFailed);
    return false;
}
