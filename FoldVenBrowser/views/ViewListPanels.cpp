#include "FoldVenBrowser/views/RemoteCtlWnd.h"
#include "FoldVenBrowser/views/SearchListWnd.h"
#include "FoldVenBrowser/views/ViewListRemote.h"

void AddListPanels(CViewListRemote& view, const SearchPanelSetup& search) {
    view.SetPanel(CViewListRemote::kSearch, std::make_unique<CSearchListWnd>(search));
    view.SetPanel(CViewListRemote::kRemoteList, std::make_unique<CRemoteCtlWnd>());
}
