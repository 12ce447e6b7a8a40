#include "FoldVenBrowser/catalogue/ListPaging.h"

#include <limits>

namespace {

constexpr int kPagedLevel = 2;

// A page that could not be fetched is not left behind: the next attempt asks for it again.
bool FetchPage(CRemoteLocation& loc, CRemoteCatalog& catalog, std::int32_t start) {
    const std::int32_t previous = loc.start;
    loc.start = start;
    loc.listed = 0;
    if (catalog.Refresh(loc))
        return true;
    loc.start = previous;
    return false;
}

}  // namespace

bool CListPaging::NextPage(CRemoteLocation& loc, CRemoteCatalog& catalog, IUiHooks& ui, OwnerWindow owner) {
    if (loc.level != kPagedLevel)
        return false;
    if (!m_bMorePages || loc.start > std::numeric_limits<std::int32_t>::max() - kPageSize) {
        ui.ShowMessage(owner, "마지막 페이지 입니다.!!!");
        return false;
    }
    return FetchPage(loc, catalog, loc.start + kPageSize);
}

bool CListPaging::PreviousPage(CRemoteLocation& loc, CRemoteCatalog& catalog, IUiHooks& ui,
                               OwnerWindow owner) {
    if (loc.level != kPagedLevel)
        return false;
    m_bMorePages = true;
    if (loc.start < kPageSize) {
        loc.start = 0;
        ui.ShowMessage(owner, "처음 페이지 입니다.!!!");
        return false;
    }
    return FetchPage(loc, catalog, loc.start - kPageSize);
}

void CListPaging::OnShown(const CRemoteLocation& loc, std::size_t viewCount) {
    // A page that failed to arrive says nothing about the pages after it.
    if (loc.level == kPagedLevel && loc.IsListed() && viewCount < static_cast<std::size_t>(kPageSize)) {
        m_bMorePages = false;
    }
}

void CListPaging::Rewind(CRemoteLocation& loc) {
    loc.start = 0;
    m_bMorePages = true;
}
