#include "FoldVenBrowser/views/TreeRemoteCtl.h"

#include <vector>

#include "FoldVenBrowser/catalogue/AdultRule.h"
#include "FoldVenBrowser/catalogue/SpecialFolders.h"
#include "FoldVenBrowser/catalogue/TreeRules.h"
#include "FoldVenBrowser/res/resource.h"
#include "FoldVenBrowser/views/RemoteListCtrl.h"
#include "FoldVenBrowser/views/ShellIcons.h"

namespace {

constexpr int kMostCollapsed = 12;

HTREEITEM AsNode(TreeItemHandle handle) {
    return reinterpret_cast<HTREEITEM>(handle);
}

TreeItemHandle AsHandle(HTREEITEM node) {
    return reinterpret_cast<TreeItemHandle>(node);
}

}  // namespace

CTreeRemoteCtl::CTreeRemoteCtl() : m_pLocation(std::make_unique<CRemoteLocation>()) {}

CTreeRemoteCtl::~CTreeRemoteCtl() = default;

bool CTreeRemoteCtl::SetupImageList() {
    CShellIcons& icons = CShellIcons::Get();
    HIMAGELIST list = icons.ImageList();
    if (list == nullptr)
        return false;
    for (UINT id : {IDI_ADULT_FOLDER, IDI_PARENT_ROW, IDI_CATALOGUE_ROOT, IDI_CATEGORY1, IDI_CATEGORY2})
        icons.ProgramIcon(id);
    Send(TVM_SETIMAGELIST, TVSIL_NORMAL, reinterpret_cast<LPARAM>(list));
    return true;
}

CRemoteLocation& CTreeRemoteCtl::EnsureRootLocation() {
    if (!m_pRootLocation)
        m_pRootLocation = std::make_unique<CRemoteLocation>();
    return *m_pRootLocation;
}

std::string CTreeRemoteCtl::GetItemText(HTREEITEM h) const {
    char buffer[512] = "";
    TVITEMA item{};
    item.mask = TVIF_TEXT;
    item.hItem = h;
    item.pszText = buffer;
    item.cchTextMax = sizeof(buffer);
    Send(TVM_GETITEMA, 0, reinterpret_cast<LPARAM>(&item));
    return buffer;
}

void CTreeRemoteCtl::InsertRootItem() {
    if (m_hRootItem)
        return;
    const int icon = CatalogueIconIndex(CatalogueIcon::kRoot, "");
    TVINSERTSTRUCTA insert{};
    insert.hParent = TVI_ROOT;
    insert.hInsertAfter = TVI_LAST;
    insert.item.mask = TVIF_TEXT | TVIF_IMAGE | TVIF_SELECTEDIMAGE;
    insert.item.pszText = const_cast<char*>("FoldVen");
    insert.item.iImage = insert.item.iSelectedImage = icon;
    m_hRootItem = reinterpret_cast<HTREEITEM>(Send(TVM_INSERTITEMA, 0, reinterpret_cast<LPARAM>(&insert)));
}

void CTreeRemoteCtl::SetCurrentItem(HTREEITEM h) {
    m_hCurrentItem = h ? h : GetFirstTopLevelItem();
}

HTREEITEM CTreeRemoteCtl::InsertItemNode(HTREEITEM parent, CRemoteItem& item) {
    if (!TreeRules::MayInsert(item))
        return nullptr;
    const int icon = CatalogueIconIndex(IconFor(item), item.name);
    const std::string text = DisplayName(item.name);
    TVINSERTSTRUCTA insert{};
    insert.hParent = parent ? parent : TVI_ROOT;
    insert.hInsertAfter = TVI_LAST;
    insert.item.mask = TVIF_TEXT | TVIF_IMAGE | TVIF_SELECTEDIMAGE | TVIF_PARAM;
    insert.item.pszText = const_cast<char*>(text.c_str());
    insert.item.iImage = insert.item.iSelectedImage = icon;
    if (item.level == 1) {
        insert.item.mask |= TVIF_STATE;
        insert.item.state = insert.item.stateMask = TVIS_EXPANDEDONCE;
    }
    HTREEITEM node = reinterpret_cast<HTREEITEM>(Send(TVM_INSERTITEMA, 0, reinterpret_cast<LPARAM>(&insert)));
    item.treeItem = AsHandle(node);
    if (node && item.level == 1) {
        // An empty child gives the category its expand button before its children are known.
        TVINSERTSTRUCTA placeholder{};
        placeholder.hParent = node;
        placeholder.hInsertAfter = TVI_LAST;
        placeholder.item.mask = TVIF_TEXT;
        placeholder.item.pszText = const_cast<char*>("");
        Send(TVM_INSERTITEMA, 0, reinterpret_cast<LPARAM>(&placeholder));
    }
    return node;
}

void CTreeRemoteCtl::FillChildren(HTREEITEM h, bool clearFirst) {
    const bool fewNodes = Send(TVM_GETCOUNT) <= 1;
    const bool childless = h == nullptr || Next(h, TVGN_CHILD) == nullptr;
    if (!(fewNodes || childless || clearFirst || m_pLocation->level <= 1))
        return;
    if (h == nullptr && !m_pRootLocation) {
        HTREEITEM first = GetFirstTopLevelItem();
        if (first == nullptr || first == m_hRootItem)
            EnsureRootLocation();
    }
    if (clearFirst || m_pLocation->level == 1)
        DeleteChildren(h);
    if (m_pCatalog == nullptr)
        return;
    const CRemoteItemArray& all = m_pCatalog->m_all;
    for (std::size_t i = 0; i < all.size(); ++i) {
        CRemoteItem item = all[i];
        if (!TreeRules::ShowsChild(item, *m_pLocation))
            continue;
        InsertItemNode(item.level == 1 ? nullptr : h, item);
        m_pCatalog->SetTreeItem(i, m_pLocation->id, item.treeItem);
    }
    ::InvalidateRect(m_hWnd, nullptr, FALSE);
}

void CTreeRemoteCtl::DeleteChildren(HTREEITEM h) {
    if (h == nullptr)
        return;  // the top level is never emptied wholesale
    for (HTREEITEM child = Next(h, TVGN_CHILD); child;) {
        HTREEITEM next = Next(child, TVGN_NEXT);
        Send(TVM_DELETEITEM, 0, reinterpret_cast<LPARAM>(child));
        child = next;
    }
}

void CTreeRemoteCtl::DeleteChildrenRecursive(HTREEITEM h) {
    if (h == nullptr)
        return;
    for (HTREEITEM child = Next(h, TVGN_CHILD); child;) {
        HTREEITEM next = Next(child, TVGN_NEXT);
        DeleteChildrenRecursive(child);
        Send(TVM_DELETEITEM, 0, reinterpret_cast<LPARAM>(child));
        child = next;
    }
}

std::string CTreeRemoteCtl::GetItemPath(HTREEITEM h) const {
    std::vector<std::string> ancestors;
    for (HTREEITEM node = h ? Next(h, TVGN_PARENT) : nullptr; node; node = Next(node, TVGN_PARENT))
        ancestors.push_back(GetItemText(node));
    return TreeRules::ItemPath(ancestors);
}

int CTreeRemoteCtl::FindItemOfNode(HTREEITEM h, CRemoteItem& out) const {
    if (m_pCatalog == nullptr || h == nullptr)
        return -1;
    const bool top =
        h == GetFirstTopLevelItem() || (m_pRootLocation && AsHandle(h) == m_pRootLocation->treeItem);
    if (top) {
        if (h == m_hRootItem)
            return -1;
        out = m_pRootLocation ? m_pRootLocation->ToItem() : m_pCatalog->m_all[0];
        return 1;
    }
    const int index = m_pCatalog->FindByTreeItem(AsHandle(h), out);
    if (index >= 0)
        out.path = GetItemPath(h);
    return index;
}

bool CTreeRemoteCtl::LocationOfParent(CRemoteLocation& loc, HTREEITEM h) const {
    HTREEITEM parent = h ? Next(h, TVGN_PARENT) : nullptr;
    CRemoteItem item;
    if (parent == nullptr || FindItemOfNode(parent, item) < 0)
        return false;
    loc.SetFromItem(item);
    return true;
}

void CTreeRemoteCtl::CollapseLevel1Nodes() {
    if (m_pCatalog == nullptr)
        return;
    int collapsed = 0;
    for (const CRemoteItem& item : m_pCatalog->m_all) {
        if (item.level != 1 || item.treeItem == 0)
            continue;
        Send(TVM_EXPAND, TVE_COLLAPSE, static_cast<LPARAM>(item.treeItem));
        if (++collapsed == kMostCollapsed)
            break;
    }
}

void CTreeRemoteCtl::ShowRefusal() const {
    if (m_pHost)
        ShowAdultRefusal(m_pHost->GetUi(), reinterpret_cast<OwnerWindow>(m_pHost->GetMessageOwner()));
}

void CTreeRemoteCtl::ExpandNode(HTREEITEM h, bool resetToRoot, bool forceReload) {
    if (h == nullptr || (m_pRootLocation && AsHandle(h) == m_pRootLocation->treeItem)) {
        if (m_pRootLocation)
            m_pLocation->CopyFrom(*m_pRootLocation);
        if (resetToRoot) {
            if (m_pRootLocation)
                m_pLocation->CopyFrom(*m_pRootLocation);
            else
                m_pLocation->Reset();
            FillChildren(h, false);
        } else {
            FillChildren(h, true);
        }
        return;
    }
    CRemoteItem item;
    if (FindItemOfNode(h, item) < 0)
        return;
    const char accountFlag = m_pHost ? m_pHost->GetSession().adultFlag : 'N';
    if (IsAdultBarred(item.adult, accountFlag)) {
        ShowRefusal();  // no owner exception in the tree
        return;
    }
    m_pLocation->SetFromItem(item);
    if (forceReload)
        m_pLocation->listed = 0;
    if (m_pLocation->IsListed()) {
        FillChildren(h, false);
        return;
    }
    m_pLocation->path = GetItemPath(AsNode(m_pLocation->treeItem));
    if (m_pCatalog == nullptr || m_pCatalog->m_all.empty())
        return;
    const bool loaded = m_pCatalog->LoadChildren(*m_pLocation, true);  // the list's view stays as it is
    if (m_pLocation->level > 1) {
        // A failed fetch has told the user so; showing the folder next must not run it a second time.
        if (!loaded)
            m_pLocation->listed = 1;
        return;
    }
    m_pLocation->listed = 1;
    FillChildren(h, true);
}

void CTreeRemoteCtl::SelectNode(HTREEITEM h) {
    CRemoteListCtrl* list = m_pHost ? m_pHost->GetExplorer().ListControl() : nullptr;
    if (h && h == GetFirstTopLevelItem()) {
        if (m_pRootLocation)
            m_pLocation->CopyFrom(*m_pRootLocation);
        if (m_pHost)
            m_pHost->OpenTreeSelection();
        return;
    }
    // Opening a folder from the tree, by mouse or by keyboard, starts the list at its first page.
    m_pLocation->start = 0;
    if (list)
        list->GetPaging().Rewind(list->GetLocation());
    if (m_bNoSelectionHandling)
        return;
    SetCurrentItem(h);
    if (h == nullptr)
        return;
    ExpandNode(h, true, false);
    if (!m_bNoListSync && m_pHost)
        m_pHost->OpenTreeSelection();
}

HTREEITEM CTreeRemoteCtl::HitTestMessagePos() const {
    const DWORD pos = ::GetMessagePos();
    TVHITTESTINFO info{};
    info.pt = {static_cast<short>(LOWORD(pos)), static_cast<short>(HIWORD(pos))};
    ::ScreenToClient(m_hWnd, &info.pt);
    return reinterpret_cast<HTREEITEM>(Send(TVM_HITTEST, 0, reinterpret_cast<LPARAM>(&info)));
}

void CTreeRemoteCtl::OnSelectionChanged(const NMTREEVIEWA& change) {
    // Arrow keys select the next node wherever the mouse is: only a change by mouse or by the program
    // is told by what lies under the cursor (a change by the program then finds no node there).
    HTREEITEM node = change.action == TVC_BYKEYBOARD ? change.itemNew.hItem : HitTestMessagePos();
    if (node == nullptr)
        return;
    CRemoteListCtrl* list = m_pHost ? m_pHost->GetExplorer().ListControl() : nullptr;
    if (node == m_hRootItem) {
        CollapseLevel1Nodes();
        if (list)
            list->GetLocation().Reset();
        m_pLocation->Reset();
        if (m_pHost)
            m_pHost->GetExplorer().ShowChildrenOf(*m_pLocation);
        if (list)
            list->Populate();
        return;
    }
    CRemoteItem item;
    if (m_pCatalog && m_pCatalog->FindByTreeItem(AsHandle(node), item) >= 0)
        m_pLocation->SetFromItem(item);
    HTREEITEM selected = change.action == TVC_BYKEYBOARD ? node : change.itemNew.hItem;
    SelectNode(selected);
    Send(TVM_EXPAND, TVE_TOGGLE, reinterpret_cast<LPARAM>(selected));
}

bool CTreeRemoteCtl::OnParentNotify(NMHDR* header, LRESULT& result) {
    const auto& change = *reinterpret_cast<const NMTREEVIEWA*>(header);
    result = 0;
    switch (header->code) {
        case NM_DBLCLK:
            return true;
        case TVN_ITEMEXPANDINGA:
        case TVN_ITEMEXPANDINGW:
            Send(TVM_SELECTITEM, TVGN_CARET, reinterpret_cast<LPARAM>(change.itemNew.hItem));
            ::RedrawWindow(m_hWnd, nullptr, nullptr, RDW_INVALIDATE);
            return true;
        case TVN_ITEMEXPANDEDA:
        case TVN_ITEMEXPANDEDW:
            SelectNode(change.itemNew.hItem);
            return true;
        case TVN_SELCHANGEDA:
        case TVN_SELCHANGEDW:
            OnSelectionChanged(change);
            return true;
        default:
            return false;
    }
}

void CTreeRemoteCtl::OnLeftButtonDown(LPARAM point) {
    if (m_pHost) {
        m_pHost->ShowRemoteListPanel();
        m_pHost->SetActivePane(m_hWnd);
    }
    TVHITTESTINFO info{};
    info.pt = {static_cast<short>(LOWORD(point)), static_cast<short>(HIWORD(point))};
    HTREEITEM node = reinterpret_cast<HTREEITEM>(Send(TVM_HITTEST, 0, reinterpret_cast<LPARAM>(&info)));
    if (node == nullptr)
        return;
    m_hCurrentItem = node;
}

LRESULT CTreeRemoteCtl::WindowProc(UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_LBUTTONDOWN)
        OnLeftButtonDown(lParam);
    return CTreeCtrlEx::WindowProc(message, wParam, lParam);
}
