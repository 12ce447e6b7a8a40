#include "FoldVenBrowser/views/RemoteCtlWnd.h"
#include "FoldVenBrowser/views/SearchListWnd.h"
#include "FoldVenBrowser/views/ViewListRemote.h"

void AddListPanels(CViewListRemote& view) {
    view.SetPanel(CViewListRemote::kSearch, std::make_unique<CSearchListWnd>());
    view.SetPanel(CViewListRemote::kRemoteList, std::make_unique<CRemoteCtlWnd>());
}
