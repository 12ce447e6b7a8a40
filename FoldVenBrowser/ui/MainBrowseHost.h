#pragma once

#include "FoldVenBrowser/catalogue/ListingSource.h"
#include "FoldVenBrowser/views/BrowseHost.h"

class CMainDlg;
class CViewListRemote;

// The main window as the tree and the list see it, and the service's listing request as the catalogue
// sees it (a new CServiceClient for each listing, owned by the right-hand view).
class CMainBrowseHost : public IBrowseHost, public IListingSource {
public:
    CMainBrowseHost(CMainDlg& main, CViewListRemote& view, const CSessionInfo& session)
        : m_main(main), m_view(view), m_session(session) {}

    CRemoteExplorer& GetExplorer() override;
    const CSessionInfo& GetSession() const override;
    IUiHooks& GetUi() override;
    HWND GetMessageOwner() const override;
    HIMAGELIST GetMenuImageList() const override;
    int SetActivePane(HWND pane) override;
    void SelectTreeFolder(const CRemoteLocation& location, TreeItemHandle previousItem) override;
    BOOL OpenTreeSelection() override;
    void ShowRemoteListPanel() override;
    void BeginDownloadList() override;
    void AddDownloadItem(const std::string& id, const std::string& name) override;
    void SendDownloadList(const std::string& userId, const std::string& password) override;

    bool RequestListing(IListingSink& sink, CRemoteLocation& location, bool keepView) override;

private:
    CMainDlg& m_main;
    CViewListRemote& m_view;
    const CSessionInfo& m_session;
};
