#include "FoldVenBrowser/views/RemoteListCtrl.h"

#include "FoldVenBrowser/catalogue/ListRows.h"
#include "FoldVenBrowser/catalogue/TreeRules.h"
#include "FoldVenBrowser/res/resource.h"
#include "FoldVenBrowser/service/ServiceClient.h"
#include "FoldVenBrowser/toolkit/BCMenu.h"
#include "FoldVenBrowser/views/ShellIcons.h"
#include "FoldVenBrowser/views/TreeRemoteCtl.h"

namespace {

struct ColumnSpec {
    const char* heading;
    int width;
    int format;
};
constexpr ColumnSpec kColumns[ListRows::kColumns] = {
    {"이름", 400, LVCFMT_LEFT}, {"총용량", 75, LVCFMT_RIGHT}, {"남은기간", 150, LVCFMT_LEFT}};

// Rows a click on a scroll arrow moves.
constexpr int kScrollStep = 10;

}  // namespace

CRemoteListCtrl::CRemoteListCtrl() : m_pLocation(std::make_unique<CRemoteLocation>()) {}

CRemoteListCtrl::~CRemoteListCtrl() = default;

void CRemoteListCtrl::SetOwner(HWND owner) {
    if (owner)
        m_hOwner = owner;
}

CRemoteCatalog* CRemoteListCtrl::Catalog() const {
    return m_pHost ? &m_pHost->GetExplorer().m_catalog : nullptr;
}

void CRemoteListCtrl::ShowMessage(const std::string& text) const {
    if (m_pHost)
        m_pHost->GetUi().ShowMessage(reinterpret_cast<OwnerWindow>(m_pHost->GetMessageOwner()), text);
}

void CRemoteListCtrl::SetupColumns(int mode) {
    SetRows({});
    const int wanted = mode == 0 ? ListRows::kColumns : mode == 1 ? 4 : 2;
    if (GetColumnCount() == wanted)
        return;
    while (Send(LVM_DELETECOLUMN, 0)) {
    }
    if (mode != 0)
        return;
    for (int i = 0; i < ListRows::kColumns; ++i) {
        LVCOLUMNA column{};
        column.mask = LVCF_TEXT | LVCF_WIDTH | LVCF_FMT | LVCF_SUBITEM;
        column.fmt = kColumns[i].format;
        column.cx = kColumns[i].width;
        column.pszText = const_cast<char*>(kColumns[i].heading);
        column.iSubItem = i;
        Send(LVM_INSERTCOLUMNA, i, reinterpret_cast<LPARAM>(&column));
    }
}

void CRemoteListCtrl::EnsureColumns() {
    if (GetColumnCount() != ListRows::kColumns)
        SetupColumns(0);
}

bool CRemoteListCtrl::SetupImageList() {
    if (m_imageList)
        return true;
    CShellIcons& icons = CShellIcons::Get();
    m_imageList = icons.ImageList();
    if (m_imageList == nullptr)
        return false;
    for (UINT id : {IDI_ADULT_FOLDER, IDI_PARENT_ROW, IDI_CATALOGUE_ROOT, IDI_CATEGORY1, IDI_CATEGORY2})
        icons.ProgramIcon(id);
    Send(LVM_SETIMAGELIST, LVSIL_SMALL, reinterpret_cast<LPARAM>(m_imageList));
    return true;
}

void CRemoteListCtrl::Populate() {
    EnsureColumns();
    if (m_pHost && m_pHost->GetExplorer().TreeControl())
        m_pHost->GetExplorer().TreeControl()->GetLocation().CopyFrom(*m_pLocation);

    static const CRemoteItemArray kNoItems;
    const CRemoteItemArray& view = Catalog() ? Catalog()->m_view : kNoItems;
    std::vector<LPARAM> rows;
    rows.reserve(view.size() + 1);
    // The root has no parent row, unless it is empty.
    const std::size_t parentRows = m_pLocation->level > 0 || view.empty() ? 1 : 0;
    if (parentRows)
        rows.push_back(ListRows::kParentRow);
    m_paging.OnShown(*m_pLocation, view.size());
    for (std::size_t i = 0; i < view.size(); ++i)
        rows.push_back(ListRows::DataOfViewIndex(i));
    const std::size_t shown = SetRows(std::move(rows));
    if (shown < view.size() + parentRows && !view.empty()) {
        // The rows before it stay; the message names the first item that found no row.
        const std::size_t failed = shown > parentRows ? shown - parentRows : 0;
        std::string text = m_pHost ? m_pHost->GetUi().LoadString(IDS_LIST_INSERT_FAILED) : std::string();
        const std::size_t at = text.find("%1");
        if (at != std::string::npos)
            text.replace(at, 2, view[failed].name);
        ::MessageBoxA(m_hWnd, text.c_str(), "알림", MB_OK);
    }
}

void CRemoteListCtrl::ReloadFromService() {
    EnsureColumns();
    if (CRemoteCatalog* catalog = Catalog())
        catalog->LoadChildren(*m_pLocation, false);
    Populate();
}

void CRemoteListCtrl::Redisplay() {
    m_nSortColumn = 0;
    EnsureColumns();
    Populate();
}

void CRemoteListCtrl::ChangePage(int direction) {
    CRemoteCatalog* catalog = Catalog();
    if (catalog == nullptr)
        return;
    const OwnerWindow owner = reinterpret_cast<OwnerWindow>(m_pHost->GetMessageOwner());
    if (direction == 1)
        m_paging.NextPage(*m_pLocation, *catalog, m_pHost->GetUi(), owner);
    else if (direction == 2)
        m_paging.PreviousPage(*m_pLocation, *catalog, m_pHost->GetUi(), owner);
    // A page that failed to arrive leaves the view emptied: the rows follow it either way.
    Populate();
}

void CRemoteListCtrl::OpenRow(int row) {
    CRemoteCatalog* catalog = Catalog();
    if (catalog == nullptr || row < 0)
        return;
    const LPARAM data = GetItemData(row);
    if (ListRows::ItemOfRow(catalog->m_view, data) == nullptr)
        return;
    const TreeItemHandle previous = m_pLocation->treeItem;
    const CSessionInfo& session = m_pHost->GetSession();
    const auto result = m_pHost->GetExplorer().OpenFromList(
        static_cast<std::size_t>(data) - 1, *m_pLocation, session.adultFlag, session.userId, m_pHost->GetUi(),
        reinterpret_cast<OwnerWindow>(m_pHost->GetMessageOwner()));
    if (result == CRemoteExplorer::OpenResult::kNotFolder || result == CRemoteExplorer::OpenResult::kRefused)
        return;
    if (result == CRemoteExplorer::OpenResult::kOpened && m_pLocation->level < 2)
        m_pHost->SelectTreeFolder(*m_pLocation, previous);
    Populate();
}

void CRemoteListCtrl::GoUp() {
    CRemoteCatalog* catalog = Catalog();
    if (catalog == nullptr)
        return;
    CTreeRemoteCtl* tree = m_pHost->GetExplorer().TreeControl();
    const TreeItemHandle node = m_pLocation->treeItem;
    if (tree && m_pLocation->level < 2)
        tree->Send(TVM_EXPAND, TVE_COLLAPSE, static_cast<LPARAM>(node));
    const bool atTop = tree ? tree->GetRootItem() == node : m_pLocation->IsRoot();
    if (!atTop)
        catalog->GoUp(*m_pLocation);
    if (m_pLocation->IsRoot() && tree)
        m_pLocation->treeItem = tree->GetRootItem();
    if (tree && m_pLocation->level < 2)
        tree->GetLocation().CopyFrom(*m_pLocation);
    // The parent shows the page it was left at, and the offset is that page's.
    m_paging.Return();
    Populate();
}

void CRemoteListCtrl::Download() {
    CRemoteCatalog* catalog = Catalog();
    if (catalog == nullptr)
        return;
    std::vector<std::intptr_t> selected;
    for (int row : GetSelectedRows())
        selected.push_back(GetItemData(row));
    std::vector<ListRows::DownloadItem> items;
    switch (ListRows::CollectDownloads(*m_pLocation, catalog->m_view, selected, items)) {
        case ListRows::DownloadCheck::kNotFileLevel:
            ShowMessage("파일을 선택해주세요!!");
            return;
        case ListRows::DownloadCheck::kNothingSelected:
            ShowMessage(m_pHost->GetUi().LoadString(IDS_SELECT_FILES));
            return;
        case ListRows::DownloadCheck::kOk:
            break;
    }
    // Each row hands over the item it shows, even where two items share a name.
    m_pHost->BeginDownloadList();
    for (const ListRows::DownloadItem& item : items)
        m_pHost->AddDownloadItem(item.id, item.name);
    const CSessionInfo& session = m_pHost->GetSession();
    m_pHost->SendDownloadList(session.userId, session.password);
}

std::string CRemoteListCtrl::GetRowName(int row) const {
    if (m_pHost == nullptr) {
        InfoBox(SystemUiHooks(), 0, "Error CRemoteList::pWnd is NULL", MB_OK);
        return std::string();
    }
    const CRemoteItem* item = ListRows::ItemOfRow(Catalog()->m_view, GetItemData(row));
    return item ? item->name : std::string();
}

std::string CRemoteListCtrl::RowText(LPARAM data, int column) const {
    if (data == ListRows::kParentRow)
        return column == 0 ? ".." : "";
    const CRemoteItem* item = Catalog() ? ListRows::ItemOfRow(Catalog()->m_view, data) : nullptr;
    if (item == nullptr)
        return std::string();
    switch (column) {
        case 0:
            return item->name;
        case 1:
            return ListRows::SizeText(*item);
        case 2:
            return item->period;
        default:
            return std::string();
    }
}

const std::string* CRemoteListCtrl::RowTextKept(LPARAM data, int column) const {
    const CRemoteItem* item = Catalog() ? ListRows::ItemOfRow(Catalog()->m_view, data) : nullptr;
    if (item == nullptr)
        return nullptr;
    return column == 0 ? &item->name : column == 2 ? &item->period : nullptr;
}

int CRemoteListCtrl::RowImage(LPARAM data) const {
    if (data == ListRows::kParentRow)
        return CatalogueIconIndex(CatalogueIcon::kParentRow, "");
    const CRemoteItem* item = Catalog() ? ListRows::ItemOfRow(Catalog()->m_view, data) : nullptr;
    return item ? CatalogueIconIndex(IconFor(*item), item->name) : -1;
}

bool CRemoteListCtrl::OnParentNotify(NMHDR* header, LRESULT& result) {
    if (header->code == NM_DBLCLK) {
        OpenOrGoUp(RowAtMessagePos());
        result = 0;
        return true;
    }
    if (header->code == NM_RETURN) {  // Enter opens the selected row as a double click does
        OpenOrGoUp(static_cast<int>(Send(LVM_GETNEXTITEM, static_cast<WPARAM>(-1), LVNI_SELECTED)));
        result = 0;
        return true;
    }
    return OnDisplayInfo(header);
}

void CRemoteListCtrl::OpenOrGoUp(int row) {
    if (row < 0)
        return;
    if (GetItemData(row) == ListRows::kParentRow) {
        // Whichever row shows "..": after a sort it need not be the first.
        if (m_pLocation->level > 0)
            GoUp();
        return;
    }
    OpenRow(row);
}

void CRemoteListCtrl::OnContextMenu(LPARAM screenPoint) {
    if (m_pHost)
        m_pHost->SetActivePane(m_hWnd);
    BCMenu::s_bShadeImageColumn = true;
    BCMenu::s_bFrameSelection = true;
    BCMenu menu;
    if (!menu.LoadMenu(IDR_LIST_MENU))
        return;
    BCMenu* popup = menu.GetSubMenu(0);
    if (popup == nullptr)
        return;
    if (RowAtMessagePos() < 0)
        popup->DeleteMenu(ID_LIST_DOWNLOAD);
    else if (m_pHost)
        popup->SetItemImage(ID_LIST_DOWNLOAD, m_pHost->GetMenuImageList(), 0);
    if (popup->GetMenuItemCount() == 0)
        return;  // nothing to offer over empty space
    POINT at{static_cast<short>(LOWORD(screenPoint)), static_cast<short>(HIWORD(screenPoint))};
    if (at.x == -1 && at.y == -1)
        ::GetCursorPos(&at);  // from the keyboard
    popup->TrackPopupMenu(TPM_RIGHTBUTTON, at.x, at.y, m_hWnd);
}

void CRemoteListCtrl::ScrollRows(int rows) {
    RECT first{};
    first.left = LVIR_BOUNDS;
    const int height =
        Send(LVM_GETITEMRECT, 0, reinterpret_cast<LPARAM>(&first)) ? first.bottom - first.top : 16;
    Send(LVM_SCROLL, 0, rows * height);
}

LRESULT CRemoteListCtrl::WindowProc(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case WM_VSCROLL:
            if (LOWORD(wParam) == SB_LINEDOWN || LOWORD(wParam) == SB_LINEUP) {
                ScrollRows(LOWORD(wParam) == SB_LINEDOWN ? kScrollStep : -kScrollStep);
                return 0;
            }
            break;
        case WM_CONTEXTMENU:
            OnContextMenu(lParam);
            return 0;
        case WM_GETDLGCODE: {
            // Enter reaches the list (which tells NM_RETURN) instead of the window's default button.
            const auto* msg = reinterpret_cast<const MSG*>(lParam);
            const LRESULT code = CSortListCtrl::WindowProc(message, wParam, lParam);
            return msg && msg->message == WM_KEYDOWN && msg->wParam == VK_RETURN ? code | DLGC_WANTMESSAGE
                                                                                 : code;
        }
        case WM_COMMAND:
            if (LOWORD(wParam) == ID_LIST_DOWNLOAD && lParam == 0) {
                Download();
                return 0;
            }
            break;
        case WM_MEASUREITEM:
            if (BCMenu::MeasureItem(reinterpret_cast<MEASUREITEMSTRUCT*>(lParam)))
                return TRUE;
            break;
        case WM_DRAWITEM:
            if (BCMenu::DrawItem(reinterpret_cast<const DRAWITEMSTRUCT*>(lParam)))
                return TRUE;
            break;
        default:
            break;
    }
    return CSortListCtrl::WindowProc(message, wParam, lParam);
}
