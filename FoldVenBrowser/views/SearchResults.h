#pragma once

#include <string>

class CSearchListCtl;
class CSearchRunner;

// The main window's search result container: what the next search looks for, the search that counts
// (older ones may still run, but their results are no longer wanted) and the list its rows go to.
// User-interface thread only; a search job holds it weakly, so the container may go first.
struct CSearchResults {
    std::string m_strKeyword;
    int m_nSearchType = 0;  // the category's index in the main window's list, sent as SEARCHTYPE
    CSearchRunner* m_pJob = nullptr;
    CSearchListCtl* m_pList = nullptr;

    bool IsCurrent(const CSearchRunner* job) const { return job && job == m_pJob; }
    // A job that ends lets go of the container only while it is still the current one; an older job's
    // end leaves a newer search in place.
    CSearchRunner* CancelSearch(const CSearchRunner* job) {
        if (!IsCurrent(job))
            return nullptr;
        CSearchRunner* ended = m_pJob;
        m_pJob = nullptr;
        return ended;
    }
};
