#pragma once

#include <cstdint>
#include <functional>
#include <string>

#include "FoldVenBrowser/app/SessionInfo.h"
#include "FoldVenBrowser/catalogue/ListingSource.h"
#include "net/HttpClient.h"
#include "platform/Sleeper.h"
#include "platform/UiHooks.h"

// The system message box with the caption "Info" and no owner: `text`, or string `stringId` when `text`
// is empty. Returns the button pressed.
int InfoBox(IUiHooks& ui, unsigned stringId, const std::string& text, unsigned style);

// Whether a failed reply's result code ends the retries; codes 101, 102 and 105 show their message after
// the third attempt (`attempt` counts from 0).
bool CheckResultCode(IUiHooks& ui, int code, int attempt);

// The service's requests (login, notices, balance, catalogue listing) with their retries and the
// messages a user sees when they fail. One object per operation; it keeps nothing between requests.
class CServiceClient : public IListingSource {
public:
    static constexpr const char* kClientVersion = "2.3.1.2";
    static constexpr unsigned kServicePort = 80;
    static constexpr const char* kListingFailed = "서버 접속에 실패 했습니다.다시 시도해주세요!!";

    // `owner` is the main window (0 before it exists): the parent of the listing's failure dialog.
    // `session` gives the account values of the balance and listing requests.
    CServiceClient(OwnerWindow owner, const CSessionInfo& session, IUiHooks& ui, ISleeper& sleeper);

    std::string GetReply() const { return m_strReply; }
    static std::string BasePath() { return "/"; }
    // Each connect, send and receive step may take this long (60 s unless tests shorten it).
    void SetWatchdogPeriod(unsigned ms) { m_watchdogMs = ms; }

    bool Login(const std::string& userId, const std::string& password);
    bool RequestNotices();
    bool RequestBalance(std::int64_t& balance);
    bool RequestListing(IListingSink& sink, CRemoteLocation& location, bool keepView) override;

    bool ParseResult(std::string& reply);
    bool Get(CHttpClient& client, std::string& reply, const std::string& page);
    bool RequestWithRetry(CHttpClient& client, std::string& reply, const std::string& host,
                          const std::string& requestLine, bool form);

    // The request line of a listing at `location`.
    static std::string ListingRequestLine(const std::string& host, const CRemoteLocation& location);

private:
    // Up to three attempts; after a failed one waits step, 2 x step, 3 x step. Network errors retry, result
    // codes stop or retry as CheckResultCode says. True once a reply parses as success.
    bool RunAttempts(CHttpClient& client, std::string& reply, unsigned stepMs,
                     const std::function<bool()>& attemptOnce);

    int m_nResultCode = 0;
    std::string m_strReply;
    OwnerWindow m_pOwner;
    const CSessionInfo& m_session;
    IUiHooks& m_ui;
    ISleeper& m_sleeper;
    unsigned m_watchdogMs = CWatchdog::kDefaultPeriodMs;
};
