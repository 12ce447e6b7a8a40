#include "FoldVenBrowser/toolkit/ArrowListCtrl.h"

#include <algorithm>

namespace {

// weightA parts of `a` and weightB parts of `b`, per channel, rounded.
COLORREF Blend(COLORREF a, int weightA, COLORREF b, int weightB) {
    const int total = weightA + weightB;
    const auto channel = [&](int shift) {
        const int ca = (a >> shift) & 0xFF;
        const int cb = (b >> shift) & 0xFF;
        return static_cast<COLORREF>((ca * weightA + cb * weightB + total / 2) / total) << shift;
    };
    return channel(0) | channel(8) | channel(16);
}

}  // namespace

CArrowListCtrl::CArrowListCtrl(UINT colorFlag, DWORD comCtlVersion)
    : m_crWindow(::GetSysColor(COLOR_WINDOW)),
      m_crText(::GetSysColor(COLOR_WINDOWTEXT)),
      m_crHighlight(::GetSysColor(COLOR_HIGHLIGHT)),
      m_dwComCtlVersion(comCtlVersion) {
    m_imgSmall = ::ImageList_Create(16, 16, colorFlag | ILC_MASK, 1, 0);
    m_crSelFocus = Blend(m_crWindow, 3, m_crHighlight, 1);
    m_crSelNoFocus = Blend(m_crWindow, 7, m_crHighlight, 1);
    m_crFrameNoFocus = Blend(m_crWindow, 1, m_crHighlight, 1);
}

CArrowListCtrl::~CArrowListCtrl() {
    if (m_hWnd && ::IsWindow(m_hWnd))
        ReleaseImageLists();
    if (m_imgHeader)
        ::ImageList_Destroy(m_imgHeader);
    if (m_imgSmall)
        ::ImageList_Destroy(m_imgSmall);
}

bool CArrowListCtrl::CreateList(DWORD exStyle, DWORD style, const RECT& rc, HWND parent, int id) {
    style |= LVS_REPORT | LVS_AUTOARRANGE;
    HWND hwnd = ::CreateWindowExA(
        exStyle, WC_LISTVIEWA, nullptr, style, rc.left, rc.top, rc.right - rc.left, rc.bottom - rc.top,
        parent, reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)), ::GetModuleHandleA(nullptr), nullptr);
    if (!hwnd)
        return false;
    if (!Subclass(hwnd)) {
        ::DestroyWindow(hwnd);
        return false;
    }
    return true;
}

void CArrowListCtrl::OnColumnClick(int column) {
    if (column == m_nSortColumn)
        m_nArrowBitmap = m_nArrowBitmap == kArrowUp ? kArrowDown : kArrowUp;
    else
        m_nArrowBitmap = kArrowDown;
    SetSortArrow(column, m_nArrowBitmap);
}

void CArrowListCtrl::SetSortArrow(int column, int bitmap) {
    HWND header = ListView_GetHeader(m_hWnd);
    HDITEMA item{};
    item.mask = HDI_FORMAT;
    if (column != m_nSortColumn) {
        if (m_nSortColumn >= 0 &&
            ::SendMessageA(header, HDM_GETITEMA, m_nSortColumn, reinterpret_cast<LPARAM>(&item))) {
            item.fmt &= ~(HDF_BITMAP | HDF_BITMAP_ON_RIGHT | HDF_IMAGE);
            ::SendMessageA(header, HDM_SETITEMA, m_nSortColumn, reinterpret_cast<LPARAM>(&item));
        }
        m_nSortColumn = column;
    }
    if (column < 0)
        return;
    HBITMAP arrow =
        static_cast<HBITMAP>(::LoadImageA(::GetModuleHandleA(nullptr), MAKEINTRESOURCEA(bitmap), IMAGE_BITMAP,
                                          0, 0, LR_CREATEDIBSECTION | LR_LOADMAP3DCOLORS));
    HIMAGELIST images = ::ImageList_Create(14, 14, ILC_COLOR24 | ILC_MASK, 1, 0);
    if (arrow) {
        ::ImageList_AddMasked(images, arrow, RGB(255, 0, 255));
        ::DeleteObject(arrow);
    }
    if (m_dwComCtlVersion < 0x60000)
        ::ImageList_SetBkColor(images, ::GetSysColor(COLOR_BTNFACE));
    ::SendMessageA(header, HDM_SETIMAGELIST, HDSIL_NORMAL, reinterpret_cast<LPARAM>(images));
    // Each click builds the arrow anew; the list it replaces goes now rather than with the control.
    if (m_imgHeader)
        ::ImageList_Destroy(m_imgHeader);
    m_imgHeader = images;
    if (m_dwComCtlVersion > 0x50050) {
        const int edge = ::GetSystemMetrics(SM_CXEDGE);
        const int margin = static_cast<int>(::SendMessageA(header, HDM_GETBITMAPMARGIN, 0, 0));
        ::SendMessageA(header, HDM_SETBITMAPMARGIN, std::min(margin, edge / 2 + edge), 0);
    }
    item.mask = HDI_FORMAT | HDI_IMAGE;
    ::SendMessageA(header, HDM_GETITEMA, column, reinterpret_cast<LPARAM>(&item));
    item.mask = HDI_FORMAT | HDI_IMAGE;
    item.fmt |= HDF_IMAGE | HDF_BITMAP_ON_RIGHT;
    item.iImage = 0;
    ::SendMessageA(header, HDM_SETITEMA, column, reinterpret_cast<LPARAM>(&item));
}

void CArrowListCtrl::ReleaseImageLists() {
    for (int which : {LVSIL_NORMAL, LVSIL_SMALL, LVSIL_STATE}) {
        HIMAGELIST set = ListView_GetImageList(m_hWnd, which);
        if (set && (set == m_imgSmall || set == m_imgHeader))
            ListView_SetImageList(m_hWnd, nullptr, which);
    }
    HWND header = ListView_GetHeader(m_hWnd);
    if (header && m_imgHeader)
        ::SendMessageA(header, HDM_SETIMAGELIST, HDSIL_NORMAL, 0);
}

LRESULT CArrowListCtrl::WindowProc(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case kReflectBase + WM_DRAWITEM:
            DrawItem(reinterpret_cast<DRAWITEMSTRUCT*>(lParam));
            return TRUE;
        case WM_DESTROY:  // before the control destroys the image lists it holds
            ReleaseImageLists();
            break;
        default:
            break;
    }
    return Default(message, wParam, lParam);
}
