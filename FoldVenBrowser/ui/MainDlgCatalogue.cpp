// The main window's services for the folder tree and the remote list.
#include "FoldVenBrowser/catalogue/RemoteExplorer.h"
#include "FoldVenBrowser/catalogue/ViewTreeWnd.h"
#include "FoldVenBrowser/ui/MainDlg.h"

void CMainDlg::SetUpCatalogue() {
    if (!m_pExplorer)
        m_pExplorer = std::make_unique<CRemoteExplorer>();
    // The list and tree controls join here: SetupColumns, image lists, view mode, ReloadTree(1).
}

int CMainDlg::SetActivePane(HWND window) {
    m_nActivePane = window && window == GetTreeCtrl() ? 2 : -1;
    return m_nActivePane;
}

BOOL CMainDlg::OpenTreeSelection() {
    return FALSE;
}

void CMainDlg::SelectTreeFolder(CRemoteLocation&, HTREEITEM) {}

void CMainDlg::ReloadTree(BOOL) {}

void CMainDlg::SetListViewMode(UINT) {}

void CMainDlg::OnDownloadCommand() {}
