// The main window's services for the folder tree and the remote list.
#include "FoldVenBrowser/app/SessionInfo.h"
#include "FoldVenBrowser/catalogue/AdultRule.h"
#include "FoldVenBrowser/catalogue/RemoteExplorer.h"
#include "FoldVenBrowser/ui/AppServices.h"
#include "FoldVenBrowser/ui/MainBrowseHost.h"
#include "FoldVenBrowser/ui/MainDlg.h"
#include "FoldVenBrowser/views/RemoteCtlWnd.h"
#include "FoldVenBrowser/views/ViewListRemote.h"
#include "FoldVenBrowser/views/ViewTreeWnd.h"

namespace {

constexpr UINT kReportView = 32792;
constexpr UINT kIconView = 32793;
constexpr UINT kSmallIconView = 32794;

}  // namespace

CRemoteListCtrl* CMainDlg::GetListCtrl() {
    // Not through GetPanel, which repaints the view over its panel's buttons.
    CViewListRemote* view = m_pListView.get();
    auto* panel =
        view ? static_cast<CRemoteCtlWnd*>(view->GetPanelOf(CViewListRemote::kRemoteList)) : nullptr;
    return panel && panel->GetSafeHwnd() ? &panel->GetList() : nullptr;
}

void CMainDlg::SetUpCatalogue() {
    if (!m_pExplorer)
        m_pExplorer = std::make_unique<CRemoteExplorer>();
    CTreeRemoteCtl* tree = GetTreeCtrl();
    CRemoteListCtrl* list = GetListCtrl();
    if (!tree || !list)
        return;
    m_pBrowseHost = std::make_unique<CMainBrowseHost>(*this, *m_pListView, m_app.Session());
    tree->SetHost(m_pBrowseHost.get());
    list->SetHost(m_pBrowseHost.get());
    m_pExplorer->SetTreeControl(tree);
    m_pExplorer->SetListControl(list);
    m_pExplorer->m_catalog.SetListingSource(m_pBrowseHost.get());

    list->SetupColumns(0);
    list->SetupImageList();
    list->Send(LVM_SETEXTENDEDLISTVIEWSTYLE, LVS_EX_FLATSB, LVS_EX_FLATSB);
    list->SetOwner(m_pListView->GetSafeHwnd());
    tree->SetupImageList();
}

void CMainDlg::ListRootAtStart() {
    CTreeRemoteCtl* tree = GetTreeCtrl();
    CRemoteListCtrl* list = GetListCtrl();
    if (!tree || !list || !m_pExplorer)
        return;
    SetListViewMode(kReportView);  // lists the root
    ReloadTree(TRUE);
    CRemoteLocation& root = tree->EnsureRootLocation();
    if (list->GetLocation().treeItem == 0)
        list->GetLocation().treeItem = reinterpret_cast<TreeItemHandle>(tree->GetFirstTopLevelItem());
    root.CopyFrom(list->GetLocation());
}

int CMainDlg::SetActivePane(HWND window) {
    CTreeRemoteCtl* tree = GetTreeCtrl();
    CRemoteListCtrl* list = GetListCtrl();
    if (window && list && window == list->GetSafeHwnd())
        m_nActivePane = 0;
    else if (window && tree && window == tree->GetSafeHwnd())
        m_nActivePane = 2;
    else
        m_nActivePane = -1;
    return m_nActivePane;
}

BOOL CMainDlg::OpenTreeSelection() {
    CTreeRemoteCtl* tree = GetTreeCtrl();
    CRemoteListCtrl* list = GetListCtrl();
    if (!tree || !list || !m_pExplorer)
        return FALSE;
    const CRemoteLocation& target = tree->GetLocation();
    if (IsAdultBarred(target.adult, m_app.Session().adultFlag))
        return FALSE;  // silently: the tree has shown its own message when it expanded the node
    if (!m_pExplorer->m_catalog.ShowFolder(list->GetLocation(), target))
        return FALSE;
    list->GetLocation().CopyFrom(target);
    list->Populate();
    return TRUE;
}

void CMainDlg::SelectTreeFolder(CRemoteLocation& location, HTREEITEM) {
    CTreeRemoteCtl* tree = GetTreeCtrl();
    if (!tree)
        return;
    tree->GetLocation().CopyFrom(location);
    HTREEITEM node = reinterpret_cast<HTREEITEM>(location.treeItem);
    tree->ExpandNode(node, true, false);
    tree->Send(TVM_EXPAND, TVE_EXPAND, reinterpret_cast<LPARAM>(node));
}

void CMainDlg::ReloadTree(BOOL expand) {
    CTreeRemoteCtl* tree = GetTreeCtrl();
    CRemoteListCtrl* list = GetListCtrl();
    if (!tree || !m_pExplorer)
        return;
    tree->SetCatalog(&m_pExplorer->m_catalog);
    CRemoteLocation* root = tree->GetRootLocation();
    HTREEITEM rootNode = root ? reinterpret_cast<HTREEITEM>(root->treeItem) : nullptr;
    if (rootNode)
        tree->DeleteChildrenRecursive(rootNode);
    tree->InsertRootItem();
    tree->ExpandNode(rootNode, expand != FALSE, false);
    root = tree->GetRootLocation();
    if (!root)
        return;
    tree->GetLocation().CopyFrom(*root);
    tree->Send(TVM_SELECTITEM, TVGN_CARET, static_cast<LPARAM>(root->treeItem));
    ::SetFocus(tree->GetSafeHwnd());
    if (list)
        list->GetLocation().CopyFrom(*root);
}

void CMainDlg::SetListViewMode(UINT command) {
    CRemoteListCtrl* list = GetListCtrl();
    if (!list)
        return;
    DWORD view = LVS_REPORT;
    if (command == kIconView)
        view = LVS_ICON;
    else if (command == kSmallIconView)
        view = LVS_SMALLICON;
    list->Send(WM_SETREDRAW, FALSE);
    const LONG style = ::GetWindowLongA(list->GetSafeHwnd(), GWL_STYLE);
    ::SetWindowLongA(list->GetSafeHwnd(), GWL_STYLE, (style & ~LVS_TYPEMASK) | view);
    if (list->GetLocation().IsRoot())
        list->ReloadFromService();
    else
        list->Redisplay();
    list->Send(WM_SETREDRAW, TRUE);
    ::InvalidateRect(list->GetSafeHwnd(), nullptr, TRUE);
}

void CMainDlg::OnDownloadCommand() {
    if (CRemoteListCtrl* list = GetListCtrl())
        list->Download();
}
