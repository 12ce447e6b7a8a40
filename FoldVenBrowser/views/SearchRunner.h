#pragma once

#include <memory>
#include <vector>

#include "FoldVenBrowser/app/SessionInfo.h"
#include "FoldVenBrowser/catalogue/RemoteItem.h"
#include "FoldVenBrowser/service/SearchRequest.h"
#include "FoldVenBrowser/views/SearchResults.h"
#include "win/WorkerThread.h"

// The search job: the search request on a worker thread of its own, each result handed to the result
// list on the user-interface thread. It deletes itself when its thread ends.
class CSearchRunner : public CWorkerThread {
public:
    // Takes the keyword, category and account values now, on the user-interface thread, so that the
    // worker reads nothing that thread may change.
    CSearchRunner(const std::shared_ptr<CSearchResults>& results, const CSessionInfo& session);

    int GetCount() const { return m_nCount; }

protected:
    void Run() override;

private:
    static void Nothing(void*) {}
    static void Deliver(void* job);
    static void Finish(void* job);
    // Hands the rows read so far to the user-interface thread and waits until they are in the list.
    void HandOver();

    std::weak_ptr<CSearchResults> m_pResults;
    // The result records read but not yet handed over; the user-interface thread reads them only while
    // the worker waits for it.
    std::vector<CRemoteItem> m_items;
    DWORD m_lastHandOver = 0;
    int m_nCount = 0;
    SearchQuery m_query;
    CSessionInfo m_session;
    bool m_bWasCurrent = false;  // the search still counted when it ended
};
