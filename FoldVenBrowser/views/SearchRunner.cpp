#include "FoldVenBrowser/views/SearchRunner.h"

#include "FoldVenBrowser/views/SearchListCtl.h"
#include "net/HttpClient.h"
#include "platform/UiHooks.h"

namespace {

// Every row reaches the list on the user-interface thread, but a call there costs more than the row: the
// rows read within kHandOverMs go over together, never more than kMaxHandOver at once so that the window
// keeps answering while a long reply streams in.
constexpr DWORD kHandOverMs = 15;
constexpr std::size_t kMaxHandOver = 200;

}  // namespace

CSearchRunner::CSearchRunner(const std::shared_ptr<CSearchResults>& results, const CSessionInfo& session)
    : CWorkerThread(TRUE), m_pResults(results), m_session(session) {
    if (results) {
        m_query.keyword = results->m_strKeyword;
        m_query.searchType = results->m_nSearchType;
    }
}

void CSearchRunner::Run() {
    m_nCount = 0;
    m_uiCall.RunOnUiThread(&CSearchRunner::Nothing, nullptr);
    // No window pumps on this thread; the watchdog still limits every step.
    CHttpClient client;
    const CSearchRequest::Outcome outcome =
        CSearchRequest::Run(client, m_session, m_query, [this](const CRemoteItem& item) {
            m_items.push_back(item);
            ++m_nCount;
            if (m_items.size() >= kMaxHandOver || ::GetTickCount() - m_lastHandOver >= kHandOverMs)
                HandOver();
        });
    HandOver();
    m_uiCall.RunOnUiThread(&CSearchRunner::Nothing, nullptr);
    m_uiCall.RunOnUiThread(&CSearchRunner::Finish, this);
    // A search that a newer one replaced, or that outlived the program's windows, says nothing more.
    if (m_bWasCurrent)
        CSearchRequest::ShowOutcome(SystemUiHooks(), outcome);
}

void CSearchRunner::HandOver() {
    if (!m_items.empty())
        m_uiCall.RunOnUiThread(&CSearchRunner::Deliver, this);
    m_items.clear();
    m_lastHandOver = ::GetTickCount();
}

void CSearchRunner::Deliver(void* argument) {
    auto* job = static_cast<CSearchRunner*>(argument);
    const std::shared_ptr<CSearchResults> results = job->m_pResults.lock();
    if (!results || !results->IsCurrent(job) || !results->m_pList)
        return;
    results->m_pList->AddResults(std::move(job->m_items));
}

void CSearchRunner::Finish(void* argument) {
    auto* job = static_cast<CSearchRunner*>(argument);
    const std::shared_ptr<CSearchResults> results = job->m_pResults.lock();
    if (!results)
        return;
    job->m_bWasCurrent = results->CancelSearch(job) != nullptr;
    if (job->m_bWasCurrent && results->m_pList)
        results->m_pList->ShowArrivedRows();
}
