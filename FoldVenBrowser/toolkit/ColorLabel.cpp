#include "FoldVenBrowser/toolkit/ColorLabel.h"

#include <cstring>

CColorLabel::~CColorLabel() {
    Unsubclass();
    if (m_hBrush)
        ::DeleteObject(m_hBrush);
    if (m_hFont)
        ::DeleteObject(m_hFont);
}

void CColorLabel::OnSubclassed() {
    HFONT source = reinterpret_cast<HFONT>(::SendMessageA(m_hWnd, WM_GETFONT, 0, 0));
    if (!source)
        source = static_cast<HFONT>(::GetStockObject(DEFAULT_GUI_FONT));
    if (!source)
        source = static_cast<HFONT>(::GetStockObject(ANSI_VAR_FONT));
    LOGFONTA font{};
    if (::GetObjectA(source, sizeof(font), &font))
        m_hFont = ::CreateFontIndirectA(&font);
    m_hBrush = ::CreateSolidBrush(m_bkColor);
    const LONG_PTR style = ::GetWindowLongPtrA(m_hWnd, GWL_STYLE);
    ::SetWindowLongPtrA(m_hWnd, GWL_STYLE, style | SS_NOTIFY);
    m_cursor.Load();
}

void CColorLabel::SetTextColor(COLORREF colour, bool redraw) {
    m_textColor = colour;
    if (redraw)
        Redraw();
}

void CColorLabel::SetBkColor(COLORREF colour, bool redraw) {
    m_bkColor = colour;
    if (m_hBrush)
        ::DeleteObject(m_hBrush);
    m_hBrush = ::CreateSolidBrush(colour);
    if (redraw)
        Redraw();
}

void CColorLabel::SetUnderline(bool underline) {
    m_underline = underline;
    Redraw();
}

void CColorLabel::SetFont(const std::string& faceName, int pointSize, bool redraw) {
    LOGFONTA font{};
    HDC screen = ::GetDC(nullptr);
    font.lfHeight = -::MulDiv(pointSize, ::GetDeviceCaps(screen, LOGPIXELSY), 72);
    ::ReleaseDC(nullptr, screen);
    font.lfWeight = m_bold ? FW_BOLD : FW_NORMAL;
    font.lfCharSet = DEFAULT_CHARSET;
    const size_t length = faceName.size() < LF_FACESIZE - 1 ? faceName.size() : LF_FACESIZE - 1;
    std::memcpy(font.lfFaceName, faceName.data(), length);
    HFONT created = ::CreateFontIndirectA(&font);
    if (!created)
        return;
    if (m_hFont)
        ::DeleteObject(m_hFont);
    m_hFont = created;
    if (redraw)
        Redraw();
}

void CColorLabel::SetIcon(HICON icon) {
    m_hIcon = icon;
    Redraw();
}

UINT CColorLabel::DrawFormat() const {
    const LONG_PTR style = ::GetWindowLongPtrA(m_hWnd, GWL_STYLE);
    const LONG_PTR align = style & (SS_LEFT | SS_CENTER | SS_RIGHT);
    UINT format = 0;
    if (align == SS_CENTER)
        format |= DT_CENTER;
    else if (align == SS_RIGHT)
        format |= DT_RIGHT;
    if (style & SS_CENTERIMAGE)
        format |= DT_VCENTER | DT_SINGLELINE;
    if (style & SS_NOPREFIX)
        format |= DT_NOPREFIX;
    const LONG_PTR ellipsis = style & SS_ELLIPSISMASK;
    if (ellipsis == SS_ENDELLIPSIS)
        format |= DT_END_ELLIPSIS;
    else if (ellipsis == SS_PATHELLIPSIS)
        format |= DT_PATH_ELLIPSIS;
    else if (ellipsis == SS_WORDELLIPSIS)
        format |= DT_WORD_ELLIPSIS;
    if (align != SS_RIGHT && !(style & SS_CENTERIMAGE) && ellipsis == 0)
        format |= DT_WORDBREAK;
    return format;
}

void CColorLabel::Paint(HDC dc) {
    RECT client = GetClientRect();
    const int saved = ::SaveDC(dc);
    ::FillRect(dc, &client, m_hBrush);
    ::SetTextColor(dc, m_textColor);
    ::SetBkColor(dc, m_bkColor);
    ::SetBkMode(dc, TRANSPARENT);
    ::SelectObject(dc, m_hBrush);
    if (m_hIcon) {
        const int cx = ::GetSystemMetrics(SM_CXICON);
        const int cy = ::GetSystemMetrics(SM_CYICON);
        ::DrawIconEx(dc, (client.right - cx) / 2, (client.bottom - cy) / 2, m_hIcon, cx, cy, 0, nullptr,
                     DI_NORMAL);
    } else {
        if (m_hFont)
            ::SelectObject(dc, m_hFont);
        RECT text = client;
        ::OffsetRect(&text, m_offset.x, m_offset.y);
        const std::string label = GetText();
        ::DrawTextA(dc, label.c_str(), static_cast<int>(label.size()), &text, DrawFormat());
        if (m_underline) {
            TEXTMETRICA metrics{};
            ::GetTextMetricsA(dc, &metrics);
            HPEN pen = ::CreatePen(PS_SOLID, 1, m_textColor);
            HGDIOBJ old = ::SelectObject(dc, pen);
            const int y = text.top + metrics.tmHeight - metrics.tmInternalLeading;
            ::MoveToEx(dc, text.left, y, nullptr);
            ::LineTo(dc, text.right, y);
            ::SelectObject(dc, old);
            ::DeleteObject(pen);
        }
    }
    ::RestoreDC(dc, saved);
}

LRESULT CColorLabel::WindowProc(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case WM_PAINT: {
            PAINTSTRUCT paint;
            HDC dc = ::BeginPaint(m_hWnd, &paint);
            Paint(dc);
            ::EndPaint(m_hWnd, &paint);
            return 0;
        }
        case WM_ERASEBKGND: {
            RECT client = GetClientRect();
            ::FillRect(reinterpret_cast<HDC>(wParam), &client, m_hBrush);
            return TRUE;
        }
        case WM_SETTEXT:
        case WM_ENABLE: {
            // The static control paints itself at once on these; our look replaces it.
            const LRESULT result = Default(message, wParam, lParam);
            ::RedrawWindow(m_hWnd, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW);
            return result;
        }
        case WM_NCHITTEST:
            return HTCLIENT;
        case WM_SETCURSOR:
            if (m_cursor.Get()) {
                ::SetCursor(m_cursor.Get());
                return TRUE;
            }
            break;
        default:
            break;
    }
    return Default(message, wParam, lParam);
}
