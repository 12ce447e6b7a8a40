#pragma once

#include <cstddef>

#include "FoldVenBrowser/catalogue/RemoteCatalog.h"
#include "FoldVenBrowser/catalogue/RemoteLocation.h"
#include "platform/UiHooks.h"

// The list's pages of a level-2 folder (30 items each) and whether another page may follow.
class CListPaging {
public:
    static constexpr int kPageSize = 30;

    bool MorePages() const { return m_bMorePages; }

    // Both return true when a page was fetched and shown; outside level 2 they do nothing.
    bool NextPage(CRemoteLocation& loc, CRemoteCatalog& catalog, IUiHooks& ui, OwnerWindow owner);
    bool PreviousPage(CRemoteLocation& loc, CRemoteCatalog& catalog, IUiHooks& ui, OwnerWindow owner);

    // After the list shows a view: a short level-2 page that arrived is the last one.
    void OnShown(const CRemoteLocation& loc, std::size_t viewCount);
    // Opening a folder (from the list or the tree): back to the first page.
    void Rewind(CRemoteLocation& loc);
    // Going back up to a page shown before: whether more pages follow is told anew when it shows.
    void Return() { m_bMorePages = true; }

private:
    bool m_bMorePages = true;
};
