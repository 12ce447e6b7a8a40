#include "FoldVenBrowser/toolkit/FlatComboBox.h"

void CFlatComboBox::ReadColours() {
    m_face = ::GetSysColor(COLOR_BTNFACE);
    m_light = ::GetSysColor(COLOR_3DLIGHT);
    m_highlight = ::GetSysColor(COLOR_BTNHIGHLIGHT);
    m_shadow = ::GetSysColor(COLOR_BTNSHADOW);
    m_darkShadow = ::GetSysColor(COLOR_3DDKSHADOW);
}

void CFlatComboBox::DrawBorder(bool raised) const {
    if (!::IsWindowEnabled(m_hWnd))
        raised = true;
    RECT ring = GetWindowRect();
    ::MapWindowPoints(nullptr, m_hWnd, reinterpret_cast<POINT*>(&ring), 2);
    const LONG_PTR exStyle = ::GetWindowLongPtrA(m_hWnd, GWL_EXSTYLE);
    if (exStyle & WS_EX_CLIENTEDGE)
        ::InflateRect(&ring, -1, -1);
    if (exStyle & WS_EX_STATICEDGE)
        ::InflateRect(&ring, -1, -1);
    HDC dc = ::GetDC(m_hWnd);
    if (raised) {
        ::InflateRect(&ring, -1, -1);
        RECT outer = ring;
        ::InflateRect(&outer, 1, 1);
        // Inner ring, then the outer one around it.
        HBRUSH brushes[4] = {::CreateSolidBrush(m_darkShadow), ::CreateSolidBrush(m_light),
                             ::CreateSolidBrush(m_shadow), ::CreateSolidBrush(m_highlight)};
        const RECT rects[2] = {ring, outer};
        for (int i = 0; i < 2; ++i) {
            const RECT& r = rects[i];
            RECT top{r.left, r.top, r.right, r.top + 1}, left{r.left, r.top, r.left + 1, r.bottom};
            RECT bottom{r.left, r.bottom - 1, r.right, r.bottom},
                right{r.right - 1, r.top, r.right, r.bottom};
            ::FillRect(dc, &top, brushes[i * 2]);
            ::FillRect(dc, &left, brushes[i * 2]);
            ::FillRect(dc, &bottom, brushes[i * 2 + 1]);
            ::FillRect(dc, &right, brushes[i * 2 + 1]);
        }
        for (HBRUSH brush : brushes)
            ::DeleteObject(brush);
    } else {
        HBRUSH face = ::CreateSolidBrush(m_face);
        ::FrameRect(dc, &ring, face);
        ::InflateRect(&ring, -1, -1);
        ::FrameRect(dc, &ring, face);
        ::DeleteObject(face);
    }
    ::ReleaseDC(m_hWnd, dc);
}

void CFlatComboBox::SetFocused(bool focused) {
    m_focused = focused;
    DrawBorder(focused);
}

LRESULT CFlatComboBox::WindowProc(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case WM_MOUSEMOVE:
            if (!m_hot && !m_focused) {
                DrawBorder(true);
                ::SetTimer(m_hWnd, kHoverTimer, 10, nullptr);
                m_hot = true;
            }
            break;
        case WM_TIMER:
            if (wParam == kHoverTimer) {
                POINT cursor;
                ::GetCursorPos(&cursor);
                const RECT window = GetWindowRect();
                if (!::PtInRect(&window, cursor)) {
                    ::KillTimer(m_hWnd, kHoverTimer);
                    m_hot = false;
                    if (!m_focused)
                        DrawBorder(false);
                }
                return 0;
            }
            break;
        case kReflectBase + WM_COMMAND:
            if (HIWORD(wParam) == CBN_SETFOCUS)
                SetFocused(true);
            else if (HIWORD(wParam) == CBN_KILLFOCUS)
                SetFocused(false);
            return 0;  // the parent still sees the notification
        case WM_SETFOCUS:
        case WM_KILLFOCUS: {
            const LRESULT result = Default(message, wParam, lParam);
            SetFocused(message == WM_SETFOCUS);
            return result;
        }
        case WM_PAINT: {
            const LRESULT result = Default(message, wParam, lParam);
            DrawBorder(m_focused);
            return result;
        }
        case WM_SYSCOLORCHANGE:
            ReadColours();
            break;
        default:
            break;
    }
    return Default(message, wParam, lParam);
}
