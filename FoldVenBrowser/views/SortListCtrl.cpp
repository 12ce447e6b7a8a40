#include "FoldVenBrowser/views/SortListCtrl.h"

#include <deque>
#include <string_view>
#include <utility>

int CSortListCtrl::GetColumnCount() const {
    HWND header = reinterpret_cast<HWND>(Send(LVM_GETHEADER));
    return header ? static_cast<int>(::SendMessageA(header, HDM_GETITEMCOUNT, 0, 0)) : 0;
}

LPARAM CSortListCtrl::GetItemData(int row) const {
    return row >= 0 && row < GetItemCount() ? m_rows[static_cast<std::size_t>(row)] : kNoRow;
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

void CSortListCtrl::SetRowState(int row, UINT state, UINT mask) const {
    LVITEMA item{};
    item.state = state;
    item.stateMask = mask;
    Send(LVM_SETITEMSTATE, static_cast<WPARAM>(row), reinterpret_cast<LPARAM>(&item));
}

std::size_t CSortListCtrl::SetRows(std::vector<LPARAM> rows) {
    SetRowState(-1, 0, LVIS_SELECTED | LVIS_FOCUSED);
    m_rows = std::move(rows);
    if (!Send(LVM_SETITEMCOUNT, m_rows.size(), 0)) {
        // The rows the control does take stay: the most it accepts, found by halving.
        std::size_t taken = 0;
        std::size_t refused = m_rows.size();
        while (refused - taken > 1) {
            const std::size_t middle = taken + (refused - taken) / 2;
            (Send(LVM_SETITEMCOUNT, middle, 0) ? taken : refused) = middle;
        }
        m_rows.resize(taken);
        Send(LVM_SETITEMCOUNT, taken, 0);
    }
    ::InvalidateRect(m_hWnd, nullptr, TRUE);
    return m_rows.size();
}

bool CSortListCtrl::OnDisplayInfo(NMHDR* header) const {
    if (header->code == LVN_GETDISPINFOA) {
        LVITEMA& item = reinterpret_cast<NMLVDISPINFOA*>(header)->item;
        const LPARAM data = GetItemData(item.iItem);
        if ((item.mask & LVIF_TEXT) && item.pszText && item.cchTextMax > 0)
            ::lstrcpynA(item.pszText, RowText(data, item.iSubItem).c_str(), item.cchTextMax);
        if (item.mask & LVIF_IMAGE)
            item.iImage = RowImage(data);
        return true;
    }
    if (header->code == LVN_GETDISPINFOW) {
        LVITEMW& item = reinterpret_cast<NMLVDISPINFOW*>(header)->item;
        const LPARAM data = GetItemData(item.iItem);
        if ((item.mask & LVIF_TEXT) && item.pszText && item.cchTextMax > 0) {
            const std::string text = RowText(data, item.iSubItem);
            const int written = ::MultiByteToWideChar(CP_ACP, 0, text.c_str(), static_cast<int>(text.size()),
                                                      item.pszText, item.cchTextMax - 1);
            item.pszText[written > 0 ? written : 0] = L'\0';
        }
        if (item.mask & LVIF_IMAGE)
            item.iImage = RowImage(data);
        return true;
    }
    return false;
}

void CSortListCtrl::SortColumn(int column, bool ascending, int type) {
    if (column < 0)
        return;
    const std::size_t count = m_rows.size();
    std::deque<std::string> made;  // texts made on request; a deque keeps them in place as it grows
    std::vector<std::string_view> texts(count);
    for (std::size_t row = 0; row < count; ++row) {
        const std::string* kept = RowTextKept(m_rows[row], column);
        texts[row] = kept ? *kept : made.emplace_back(RowText(m_rows[row], column));
    }
    const std::vector<std::size_t> order = ListRows::SortedViewOrder(texts, ascending, type);
    MoveRowStates(order);
    std::vector<LPARAM> sorted(count);
    for (std::size_t row = 0; row < count; ++row)
        sorted[row] = m_rows[order[row]];
    m_rows = std::move(sorted);
    ::InvalidateRect(m_hWnd, nullptr, TRUE);
}

// The selection and the focus go with their rows. Only rows that carry a state are touched: clearing
// every row's state costs the control a pass over all of them.
void CSortListCtrl::MoveRowStates(const std::vector<std::size_t>& order) {
    const std::vector<int> selectedRows = GetSelectedRows();
    const int focused = static_cast<int>(Send(LVM_GETNEXTITEM, static_cast<WPARAM>(-1), LVNI_FOCUSED));
    if (selectedRows.empty() && focused < 0)
        return;
    std::vector<bool> selected(order.size(), false);
    for (int row : selectedRows)
        selected[static_cast<std::size_t>(row)] = true;
    SetRowState(-1, 0, LVIS_SELECTED | LVIS_FOCUSED);
    for (std::size_t row = 0; row < order.size(); ++row) {
        UINT state = selected[order[row]] ? LVIS_SELECTED : 0;
        if (focused >= 0 && order[row] == static_cast<std::size_t>(focused))
            state |= LVIS_FOCUSED;
        if (state)
            SetRowState(static_cast<int>(row), state, state);
    }
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
