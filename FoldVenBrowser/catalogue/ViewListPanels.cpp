#include "FoldVenBrowser/catalogue/ViewListRemote.h"
#include "FoldVenBrowser/search/SearchListWnd.h"
#include "FoldVenBrowser/views/RemoteCtlWnd.h"

void AddListPanels(CViewListRemote& view) {
    view.SetPanel(CViewListRemote::kSearch, std::make_unique<CSearchListWnd>());
    view.SetPanel(CViewListRemote::kRemoteList, std::make_unique<CRemoteCtlWnd>());
}
