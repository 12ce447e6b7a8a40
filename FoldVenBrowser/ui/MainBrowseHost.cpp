#include "FoldVenBrowser/ui/MainBrowseHost.h"

#include "FoldVenBrowser/service/ServiceClient.h"
#include "FoldVenBrowser/ui/MainDlg.h"
#include "FoldVenBrowser/views/ViewListRemote.h"
#include "platform/Sleeper.h"

CRemoteExplorer& CMainBrowseHost::GetExplorer() {
    return *m_main.GetExplorer();
}

const CSessionInfo& CMainBrowseHost::GetSession() const {
    return m_session;
}

IUiHooks& CMainBrowseHost::GetUi() {
    return SystemUiHooks();
}

HWND CMainBrowseHost::GetMessageOwner() const {
    return m_main.GetSafeHwnd();
}

HIMAGELIST CMainBrowseHost::GetMenuImageList() const {
    return m_main.MenuImages();
}

int CMainBrowseHost::SetActivePane(HWND pane) {
    return m_main.SetActivePane(pane);
}

void CMainBrowseHost::SelectTreeFolder(const CRemoteLocation& location, TreeItemHandle previousItem) {
    CRemoteLocation copy = location;
    m_main.SelectTreeFolder(copy, reinterpret_cast<HTREEITEM>(previousItem));
}

BOOL CMainBrowseHost::OpenTreeSelection() {
    return m_main.OpenTreeSelection();
}

void CMainBrowseHost::ShowRemoteListPanel() {
    if (m_view.GetMode() != CViewListRemote::kRemoteList)
        m_view.ShowPanel(CViewListRemote::kRemoteList);
}

void CMainBrowseHost::BeginDownloadList() {
    m_main.BeginDownloadList();
}

void CMainBrowseHost::AddDownloadItem(const std::string& id, const std::string& name) {
    m_main.AddDownloadItem(id, name);
}

void CMainBrowseHost::SendDownloadList(const std::string& userId, const std::string& password) {
    m_main.SendDownloadList(userId, password);
}

bool CMainBrowseHost::RequestListing(IListingSink& sink, CRemoteLocation& location, bool keepView) {
    const OwnerWindow owner = reinterpret_cast<OwnerWindow>(m_view.GetSafeHwnd());
    CServiceClient client(owner, m_session, SystemUiHooks(), SystemSleeper());
    return client.RequestListing(sink, location, keepView);
}
