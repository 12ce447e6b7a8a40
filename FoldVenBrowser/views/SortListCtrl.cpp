#include "FoldVenBrowser/views/SortListCtrl.h"

namespace {

// Selection, focus, cut and drop marks, overlay and state images.
constexpr UINT kMovedStates = 0xFF0F;

}  // namespace

int CSortListCtrl::GetColumnCount() const {
    HWND header = reinterpret_cast<HWND>(Send(LVM_GETHEADER));
    return header ? static_cast<int>(::SendMessageA(header, HDM_GETITEMCOUNT, 0, 0)) : 0;
}

LPARAM CSortListCtrl::GetItemData(int row) const {
    LVITEMA item{};
    item.mask = LVIF_PARAM;
    item.iItem = row;
    return Send(LVM_GETITEMA, 0, reinterpret_cast<LPARAM>(&item)) ? item.lParam : 0;
}

std::string CSortListCtrl::GetItemText(int row, int column) const {
    char buffer[1024] = "";
    LVITEMA item{};
    item.iSubItem = column;
    item.pszText = buffer;
    item.cchTextMax = sizeof(buffer);
    const LRESULT length = Send(LVM_GETITEMTEXTA, row, reinterpret_cast<LPARAM>(&item));
    return std::string(buffer, length > 0 ? static_cast<std::size_t>(length) : 0);
}

std::vector<int> CSortListCtrl::GetSelectedRows() const {
    std::vector<int> rows;
    for (int row = -1; (row = static_cast<int>(Send(LVM_GETNEXTITEM, row, LVNI_SELECTED))) >= 0;)
        rows.push_back(row);
    return rows;
}

int CSortListCtrl::HitTest(POINT client) const {
    LVHITTESTINFO info{};
    info.pt = client;
    return static_cast<int>(Send(LVM_HITTEST, 0, reinterpret_cast<LPARAM>(&info)));
}

int CSortListCtrl::RowAtMessagePos() const {
    const DWORD pos = ::GetMessagePos();
    POINT point{static_cast<short>(LOWORD(pos)), static_cast<short>(HIWORD(pos))};
    ::ScreenToClient(m_hWnd, &point);
    return HitTest(point);
}

std::string CSortListCtrl::SortText(int row, LPARAM, int column) const {
    return GetItemText(row, column);
}

void CSortListCtrl::SortColumn(int column, bool ascending, int type) {
    if (column < 0)
        return;
    const int count = GetItemCount();
    std::vector<LVITEMA> rows(count);
    std::vector<std::string> texts(count);
    for (int row = 0; row < count; ++row) {
        LVITEMA& item = rows[row];
        item.mask = LVIF_PARAM | LVIF_IMAGE | LVIF_STATE;
        item.iItem = row;
        item.stateMask = kMovedStates;
        Send(LVM_GETITEMA, 0, reinterpret_cast<LPARAM>(&item));
        texts[row] = SortText(row, item.lParam, column);
    }
    const std::vector<std::size_t> order = ListRows::SortedOrder(texts, ascending, type);
    // Rows draw their texts from their data: moving data, image and state moves the whole row.
    Send(WM_SETREDRAW, FALSE);
    for (int row = 0; row < count; ++row) {
        if (order[row] == static_cast<std::size_t>(row))
            continue;
        LVITEMA item = rows[order[row]];
        item.iItem = row;
        item.iSubItem = 0;
        Send(LVM_SETITEMA, 0, reinterpret_cast<LPARAM>(&item));
    }
    Send(WM_SETREDRAW, TRUE);
    ::InvalidateRect(m_hWnd, nullptr, TRUE);
}

void CSortListCtrl::OnHeaderClick(int column) {
    m_bAscending = column != m_nSortColumn ? TRUE : !m_bAscending;
    m_nSortColumn = column;
    Sort();
}

LRESULT CSortListCtrl::WindowProc(UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_NOTIFY) {
        const auto* header = reinterpret_cast<const NMHEADERA*>(lParam);
        const bool click = header->hdr.code == HDN_ITEMCLICKA || header->hdr.code == HDN_ITEMCLICKW;
        if (click && header->iButton == 0)
            OnHeaderClick(header->iItem);
    }
    return Default(message, wParam, lParam);
}
