#include "FoldVenBrowser/toolkit/ColorCheckBox.h"

#include <string>

#include "FoldVenBrowser/toolkit/Fonts.h"

CColorCheckBox::~CColorCheckBox() {
    Unsubclass();
    if (m_hFont)
        ::DeleteObject(m_hFont);
}

void CColorCheckBox::OnSubclassed() {
    m_hFont = Fonts::CreateGulim(-12, false);
    m_checkSize = SIZE{::GetSystemMetrics(SM_CXMENUCHECK), ::GetSystemMetrics(SM_CYMENUCHECK)};
    const LONG_PTR style = ::GetWindowLongPtrA(m_hWnd, GWL_STYLE);
    ::SetWindowLongPtrA(m_hWnd, GWL_STYLE, (style & ~static_cast<LONG_PTR>(BS_TYPEMASK)) | BS_OWNERDRAW);
    ::InvalidateRect(m_hWnd, nullptr, TRUE);
}

void CColorCheckBox::SetBkColor(COLORREF colour) {
    m_bkColor = colour;
    ::InvalidateRect(m_hWnd, nullptr, TRUE);
}

void CColorCheckBox::SetCheck(bool checked) {
    m_checked = checked;
    ::InvalidateRect(m_hWnd, nullptr, TRUE);
    ::SendMessageA(::GetParent(m_hWnd), kChangedMessage, 0, 0);
}

void CColorCheckBox::Draw(const DRAWITEMSTRUCT& item) const {
    HDC dc = item.hDC;
    HBRUSH background = ::CreateSolidBrush(m_bkColor);
    ::FillRect(dc, &item.rcItem, background);
    ::DeleteObject(background);
    RECT box{item.rcItem.left, item.rcItem.top + 1, item.rcItem.left + m_checkSize.cx,
             item.rcItem.top + 1 + m_checkSize.cy};
    ::DrawFrameControl(dc, &box, DFC_BUTTON, DFCS_BUTTONCHECK | (m_checked ? DFCS_CHECKED : 0));
    RECT text = item.rcItem;
    text.left += m_checkSize.cx + 4;
    text.right -= 2;
    if (::GetFocus() == m_hWnd)
        ::DrawFocusRect(dc, &text);
    ::InflateRect(&text, -1, -1);
    const std::string label = GetText();
    const int saved = ::SaveDC(dc);
    ::SelectObject(dc, m_hFont);
    ::SetBkMode(dc, TRANSPARENT);
    ::DrawTextA(dc, label.c_str(), static_cast<int>(label.size()), &text,
                DT_LEFT | DT_VCENTER | DT_SINGLELINE);
    ::RestoreDC(dc, saved);
}

LRESULT CColorCheckBox::WindowProc(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case kReflectBase + WM_DRAWITEM:
            Draw(*reinterpret_cast<const DRAWITEMSTRUCT*>(lParam));
            return TRUE;
        case WM_LBUTTONUP: {
            const POINT point{static_cast<short>(LOWORD(lParam)), static_cast<short>(HIWORD(lParam))};
            const RECT client = GetClientRect();
            if (::PtInRect(&client, point))
                SetCheck(!m_checked);
            break;
        }
        case WM_KEYUP:
            if (wParam == VK_SPACE)
                SetCheck(!m_checked);
            break;
        case BM_GETCHECK:
            return m_checked ? BST_CHECKED : BST_UNCHECKED;
        case BM_SETCHECK:
            SetCheck(wParam == BST_CHECKED);
            return 0;
        case WM_SETFOCUS:
        case WM_KILLFOCUS:
            ::InvalidateRect(m_hWnd, nullptr, TRUE);
            break;
        default:
            break;
    }
    return Default(message, wParam, lParam);
}
