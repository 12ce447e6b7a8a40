#include "FoldVenBrowser/ui/MainInterWnd.h"

#include "FoldVenBrowser/app/BrowserApp.h"
#include "FoldVenBrowser/res/resource.h"
#include "FoldVenBrowser/toolkit/Fonts.h"
#include "net/ServiceHosts.h"

class CWebBrowser2 {};

CMainInterWnd::CMainInterWnd() : CDialog(IDD_MAIN_INTER), m_address(MainPageAddress()) {}

CMainInterWnd::~CMainInterWnd() = default;

std::string CMainInterWnd::MainPageAddress() {
    return "http://" + ServiceHosts::ApiHost() + "/Main.aspx";
}

BOOL CMainInterWnd::OnInitDialog() {
    ::SetWindowLongA(m_hWnd, GWL_STYLE, ::GetWindowLongA(m_hWnd, GWL_STYLE) & ~WS_CLIPCHILDREN);
    ::UpdateWindow(m_hWnd);
    return TRUE;
}

void CMainInterWnd::OnSize(UINT, int, int) {
    ::InvalidateRect(m_hWnd, nullptr, FALSE);
}

bool CMainInterWnd::OnPaint() {
    PAINTSTRUCT paint;
    HDC dc = ::BeginPaint(m_hWnd, &paint);
    PaintPlainPage(dc);
    ::EndPaint(m_hWnd, &paint);
    return true;
}

bool CMainInterWnd::OnMessage(UINT message, WPARAM, LPARAM, INT_PTR& result) {
    if (message == WM_ERASEBKGND) {
        result = 1;  // nothing is erased: the page covers the panel
        return true;
    }
    return false;
}

void CMainInterWnd::PaintPlainPage(HDC dc) const {
    const RECT client = GetClientRect();
    HBRUSH white = static_cast<HBRUSH>(::GetStockObject(WHITE_BRUSH));
    ::FillRect(dc, &client, white);
    RECT band{0, 0, client.right, 44};
    HBRUSH accent = ::CreateSolidBrush(RGB(0xE4, 0xEE, 0xFB));
    ::FillRect(dc, &band, accent);
    ::DeleteObject(accent);

    const int saved = ::SaveDC(dc);
    ::SetBkMode(dc, TRANSPARENT);
    HFONT title = Fonts::CreateGulim(-16, true);
    HFONT text = Fonts::CreateGulim(-12, false);
    ::SelectObject(dc, title);
    ::SetTextColor(dc, RGB(0x1D, 0x54, 0xA6));
    RECT line{16, 12, client.right - 16, 40};
    const std::string heading = "FoldVen";
    ::DrawTextA(dc, heading.c_str(), -1, &line, DT_LEFT | DT_SINGLELINE | DT_NOPREFIX);
    ::SelectObject(dc, text);
    ::SetTextColor(dc, RGB(0x33, 0x33, 0x33));
    line = RECT{16, 60, client.right - 16, 80};
    ::DrawTextA(dc, m_address.c_str(), -1, &line, DT_LEFT | DT_SINGLELINE | DT_NOPREFIX | DT_PATH_ELLIPSIS);
    const std::string note = LoadResString(IDS_NO_WEB_ENGINE);
    ::SetTextColor(dc, RGB(0x6A, 0x76, 0x85));
    line = RECT{16, 84, client.right - 16, 104};
    ::DrawTextA(dc, note.c_str(), -1, &line, DT_LEFT | DT_SINGLELINE | DT_NOPREFIX | DT_END_ELLIPSIS);
    ::RestoreDC(dc, saved);
    ::DeleteObject(title);
    ::DeleteObject(text);
}
