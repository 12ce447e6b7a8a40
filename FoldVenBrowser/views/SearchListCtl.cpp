#include "FoldVenBrowser/views/SearchListCtl.h"

#include "FoldVenBrowser/catalogue/Formatters.h"
#include "FoldVenBrowser/views/FileIcons.h"

namespace {

struct Column {
    const char* heading;
    int width;
    int format;
};
constexpr Column kColumns[] = {
    {"이름", 400, LVCFMT_LEFT}, {"수정한 날짜", 70, LVCFMT_RIGHT}, {"크기", 160, LVCFMT_LEFT}};

constexpr UINT kTextFormat = DT_SINGLELINE | DT_VCENTER | DT_NOPREFIX | DT_END_ELLIPSIS;

void FrameWith(HDC dc, const RECT& rc, COLORREF colour) {
    HBRUSH brush = ::CreateSolidBrush(colour);
    ::FrameRect(dc, &rc, brush);
    ::DeleteObject(brush);
}

// A bitmap in the program's own memory: drawing into it needs no round trip to the display.
HBITMAP CreateRowBitmap(HDC reference, int width, int height) {
    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof(info.bmiHeader);
    info.bmiHeader.biWidth = width;
    info.bmiHeader.biHeight = -height;
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    void* bits = nullptr;
    return ::CreateDIBSection(reference, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
}

}  // namespace

bool CSearchListCtl::Create(HWND parent, const RECT& rc) {
    if (!CreateList(
            0, WS_CHILD | WS_VISIBLE | LVS_OWNERDRAWFIXED | LVS_OWNERDATA | LVS_SHOWSELALWAYS | LVS_REPORT,
            rc, parent, kControlId))
        return false;
    HICON icon = static_cast<HICON>(
        ::LoadImageA(::GetModuleHandleA(nullptr), MAKEINTRESOURCEA(kFileIcon), IMAGE_ICON, 16, 16, 0));
    if (icon) {
        ::ImageList_AddIcon(m_imgSmall, icon);
        ::DestroyIcon(icon);
    }
    if (!ListView_GetImageList(m_hWnd, LVSIL_SMALL))
        ListView_SetImageList(m_hWnd, m_imgSmall, LVSIL_SMALL);
    ListView_SetExtendedListViewStyle(m_hWnd, LVS_EX_SUBITEMIMAGES | LVS_EX_FULLROWSELECT | LVS_EX_FLATSB);
    int index = 0;
    for (const Column& column : kColumns) {
        LVCOLUMNA lvc{};
        lvc.mask = LVCF_TEXT | LVCF_WIDTH | LVCF_FMT;
        lvc.fmt = column.format;
        lvc.cx = column.width;
        lvc.pszText = const_cast<char*>(column.heading);
        ::SendMessageA(m_hWnd, LVM_INSERTCOLUMNA, index++, reinterpret_cast<LPARAM>(&lvc));
    }
    return true;
}

void CSearchListCtl::AddResult(const CRemoteItem& item) {
    m_records.push_back(std::make_unique<CRemoteItem>(item));
    RowsAdded();
}

void CSearchListCtl::AddResults(std::vector<CRemoteItem>&& items) {
    m_records.reserve(m_records.size() + items.size());
    for (CRemoteItem& item : items)
        m_records.push_back(std::make_unique<CRemoteItem>(std::move(item)));
    RowsAdded();
}

void CSearchListCtl::RowsAdded() {
    ::SendMessageA(m_hWnd, LVM_SETITEMCOUNT, m_records.size(), LVSICF_NOINVALIDATEALL | LVSICF_NOSCROLL);
    // Painting every row of a long reply would cost far more than the rows themselves: the list draws
    // again only every kRepaintMs, and not at all in between.
    if (::GetTickCount() - m_lastRepaint >= kRepaintMs)
        ShowArrivedRows();
    else if (!m_bRedrawOff) {
        ::SendMessageA(m_hWnd, WM_SETREDRAW, FALSE, 0);
        m_bRedrawOff = true;
    }
}

void CSearchListCtl::ShowArrivedRows() {
    if (m_bRedrawOff) {
        ::SendMessageA(m_hWnd, WM_SETREDRAW, TRUE, 0);
        ::InvalidateRect(m_hWnd, nullptr, FALSE);
        m_bRedrawOff = false;
    }
    ::UpdateWindow(m_hWnd);
    m_lastRepaint = ::GetTickCount();
}

void CSearchListCtl::DeleteAllItems() {
    ::SendMessageA(m_hWnd, LVM_DELETEALLITEMS, 0, 0);
    ShowArrivedRows();
}

const CRemoteItem* CSearchListCtl::GetRecord(int row) const {
    return row >= 0 && static_cast<std::size_t>(row) < m_records.size() ? m_records[row].get() : nullptr;
}

void CSearchListCtl::OnGetDispInfo(NMLVDISPINFOA* info) const {
    const CRemoteItem* record = GetRecord(info->item.iItem);
    if (!record)
        return;
    if ((info->item.mask & LVIF_TEXT) && info->item.pszText && info->item.cchTextMax > 0) {
        const std::string text = CellText(info->item.iSubItem, *record);
        ::lstrcpynA(info->item.pszText, text.c_str(), info->item.cchTextMax);
    }
    if (info->item.mask & LVIF_PARAM)
        info->item.lParam = reinterpret_cast<LPARAM>(record);
    if (info->item.mask & LVIF_IMAGE)
        info->item.iImage = 0;
}

LRESULT CSearchListCtl::WindowProc(UINT message, WPARAM wParam, LPARAM lParam) {
    // Whoever deletes rows, their records go with them.
    switch (message) {
        case LVM_DELETEITEM:
            if (wParam < m_records.size())
                m_records.erase(m_records.begin() + static_cast<std::ptrdiff_t>(wParam));
            break;
        case LVM_DELETEALLITEMS:
        case WM_DESTROY:
            m_records.clear();
            break;
        case WM_PAINT:
        case WM_PRINTCLIENT:
            m_layout.valid = false;  // read again at this paint's first row
            break;
        default:
            break;
    }
    return CArrowListCtrl::WindowProc(message, wParam, lParam);
}

bool CSearchListCtl::IsRowSelected(int row) const {
    return row >= 0 && (ListView_GetItemState(m_hWnd, row, LVIS_SELECTED) & LVIS_SELECTED) != 0;
}

void CSearchListCtl::DrawItem(DRAWITEMSTRUCT* dis) {
    const CRemoteItem* record = GetRecord(static_cast<int>(dis->itemID));
    if (!record)
        return;
    if (!m_layout.valid)
        ReadPaintLayout();
    const bool selected = (dis->itemState & ODS_SELECTED) != 0;
    const COLORREF background =
        selected ? (m_layout.focused ? m_crSelFocus : m_crSelNoFocus) : m_layout.background;
    PaintRow(dis->hDC, dis->rcItem, background, *record);
    FrameRow(*dis, m_layout.focused, background);
}

void CSearchListCtl::ReadPaintLayout() {
    m_layout.focused = ::GetFocus() == m_hWnd || (::GetWindowLongA(m_hWnd, GWL_STYLE) & LVS_SHOWSELALWAYS);
    m_layout.background = ListView_GetBkColor(m_hWnd);
    m_layout.font = reinterpret_cast<HFONT>(::SendMessageA(m_hWnd, WM_GETFONT, 0, 0));
    m_layout.columns.clear();
    HWND header = ListView_GetHeader(m_hWnd);
    const int columns = static_cast<int>(::SendMessageA(header, HDM_GETITEMCOUNT, 0, 0));
    for (int order = 0; order < columns; ++order) {
        const int column = static_cast<int>(::SendMessageA(header, HDM_ORDERTOINDEX, order, 0));
        m_layout.columns.push_back({column, ListView_GetColumnWidth(m_hWnd, column)});
    }
    m_layout.valid = true;
}

void CSearchListCtl::PaintRow(HDC target, const RECT& row, COLORREF background,
                              const CRemoteItem& record) const {
    const int width = row.right - row.left;
    const int height = row.bottom - row.top;
    // Drawn off screen and copied in one step, so a row never flickers.
    HDC dc = ::CreateCompatibleDC(target);
    HBITMAP bitmap = CreateRowBitmap(target, width, height);
    HGDIOBJ oldBitmap = ::SelectObject(dc, bitmap);
    HBRUSH fill = ::CreateSolidBrush(background);
    RECT all{0, 0, width, height};
    ::FillRect(dc, &all, fill);
    ::DeleteObject(fill);
    DrawCells(dc, height, record);
    ::BitBlt(target, row.left, row.top, width, height, dc, 0, 0, SRCCOPY);
    ::SelectObject(dc, oldBitmap);
    ::DeleteObject(bitmap);
    ::DeleteDC(dc);
}

void CSearchListCtl::DrawCells(HDC dc, int height, const CRemoteItem& record) const {
    HGDIOBJ oldFont = ::SelectObject(dc, m_layout.font);
    ::SetTextColor(dc, m_crText);
    ::SetBkMode(dc, TRANSPARENT);
    SIZE space{};
    ::GetTextExtentPoint32A(dc, " ", 1, &space);
    // The columns in the header's order, each a space narrower than its column.
    int x = 0;
    for (const PaintLayout::Column& column : m_layout.columns) {
        RECT cell{x, 0, x + column.width - space.cx, height};
        x += column.width;
        DrawCell(dc, column.index, cell, record);
    }
    ::SelectObject(dc, oldFont);
}

void CSearchListCtl::FrameRow(const DRAWITEMSTRUCT& dis, bool focused, COLORREF background) const {
    const RECT& row = dis.rcItem;
    const int index = static_cast<int>(dis.itemID);
    if (dis.itemState & ODS_SELECTED) {
        // A run of selected rows reads as one block: the frame goes on across the neighbours' edges.
        RECT frame{row.left, row.top - 1, row.right, row.bottom + 1};
        FrameWith(dis.hDC, frame, background);
        ::InflateRect(&frame, -1, -1);
        if (IsRowSelected(index - 1))
            frame.top -= 1;
        if (IsRowSelected(index + 1))
            frame.bottom += 1;
        FrameWith(dis.hDC, frame, focused ? m_crHighlight : m_crFrameNoFocus);
    } else if ((dis.itemState & ODS_FOCUS) && ::GetFocus() == m_hWnd) {
        RECT frame{row.left + 1, row.top, row.right - 1, row.bottom};
        FrameWith(dis.hDC, frame, m_crFrameNoFocus);
    }
}

std::string CSearchListCtl::CellText(int column, const CRemoteItem& item) {
    switch (column) {
        case 0:
            return item.name;
        case 2:
            // A folder has no size of its own (the service sends -1 for it).
            return item.size < 0 ? std::string() : FormatSize(item.size);
        default:
            return std::string();  // the modified date is not known
    }
}

void CSearchListCtl::DrawCell(HDC dc, int column, RECT cell, const CRemoteItem& item) const {
    if (cell.left >= cell.right)
        return;
    switch (column) {
        case 0: {
            cell.left += 2;
            const int icon = GetFileIconIndex(item.name.c_str());
            if (HIMAGELIST icons = GetFileIconList())
                ::ImageList_Draw(icons, icon, dc, cell.left, cell.top, ILD_TRANSPARENT);
            cell.left += 18;
            const COLORREF old = ::SetTextColor(dc, RGB(0, 0, 0));
            ::DrawTextA(dc, item.name.c_str(), static_cast<int>(item.name.size()), &cell, kTextFormat);
            ::SetTextColor(dc, old);
            break;
        }
        case 1:
            ::DrawTextA(dc, "", 0, &cell, DT_CENTER | kTextFormat);
            break;
        case 2: {
            const std::string size = CellText(column, item);
            ::DrawTextA(dc, size.c_str(), static_cast<int>(size.size()), &cell, DT_RIGHT | kTextFormat);
            break;
        }
        default:
            break;
    }
}
