#include "FoldVenBrowser/web/MainInterWnd.h"

#include <mshtml.h>

#include "FoldVenBrowser/res/resource.h"
#include "FoldVenBrowser/toolkit/Fonts.h"
#include "FoldVenBrowser/toolkit/ResString.h"
#include "FoldVenBrowser/web/WebBrowser2.h"
#include "net/ServiceHosts.h"

CMainInterWnd::CMainInterWnd() : CDialog(IDD_MAIN_INTER), m_address(MainPageAddress()) {}

CMainInterWnd::~CMainInterWnd() = default;

std::string CMainInterWnd::MainPageAddress() {
    return "http://" + ServiceHosts::ApiHost() + "/Main.aspx";
}

bool CMainInterWnd::HasBrowser() const {
    return m_browser && m_browser->Exists();
}

bool CMainInterWnd::TranslatePageKey(MSG& msg) const {
    return HasBrowser() && ::IsChild(m_hWnd, msg.hwnd) && m_browser->TranslateAccelerator(msg);
}

BOOL CMainInterWnd::OnInitDialog() {
    ::SetWindowLongA(m_hWnd, GWL_STYLE, ::GetWindowLongA(m_hWnd, GWL_STYLE) & ~WS_CLIPCHILDREN);
    ::UpdateWindow(m_hWnd);
    // Without an HTML engine the control would stay blank (or offer to install one): the plain page
    // stands in for it.
    if (CWebBrowser2::SystemHasEngine()) {
        m_browser = std::make_unique<CWebBrowser2>();
        if (m_browser->Create(m_hWnd, IDC_WEB_BROWSER, GetClientRect(), this)) {
            m_refreshGate.OnLoadStarted(::GetTickCount64());
            m_browser->Navigate2(m_address);
        } else {
            m_browser.reset();
        }
    }
    return TRUE;
}

void CMainInterWnd::OnSize(UINT, int cx, int cy) {
    if (HasBrowser())
        m_browser->MoveTo(RECT{0, 0, cx, cy});
    else
        ::InvalidateRect(m_hWnd, nullptr, FALSE);
}

bool CMainInterWnd::OnPaint() {
    PAINTSTRUCT paint;
    HDC dc = ::BeginPaint(m_hWnd, &paint);
    if (!HasBrowser())
        PaintPlainPage(dc);
    ::EndPaint(m_hWnd, &paint);
    if (HasBrowser() && m_refreshGate.OnPaint(::GetTickCount64()))
        m_browser->Refresh();
    return true;
}

void CMainInterWnd::OnDestroy() {
    m_browser.reset();
}

bool CMainInterWnd::OnMessage(UINT message, WPARAM, LPARAM, INT_PTR& result) {
    if (message == WM_ERASEBKGND) {
        result = 1;  // nothing is erased: the page covers the panel
        return true;
    }
    return false;
}

void CMainInterWnd::OnDownloadComplete() {
    m_refreshGate.OnLoadFinished(::GetTickCount64());
}

void CMainInterWnd::OnDocumentComplete(IDispatch* frame) {
    m_refreshGate.OnLoadFinished(::GetTickCount64());
    if (frame)
        HideScrollBars();
}

// The page shows no scroll bars: its body's overflow becomes "hidden". Whatever is missing ends it quietly.
void CMainInterWnd::HideScrollBars() {
    IDispatch* document = m_browser ? m_browser->GetDocument() : nullptr;
    if (!document)
        return;
    IHTMLDocument2* html = nullptr;
    if (SUCCEEDED(document->QueryInterface(IID_IHTMLDocument2, reinterpret_cast<void**>(&html))) && html) {
        IHTMLElement* body = nullptr;
        if (SUCCEEDED(html->get_body(&body)) && body) {
            IHTMLStyle* style = nullptr;
            if (SUCCEEDED(body->get_style(&style)) && style) {
                BSTR hidden = ::SysAllocString(L"hidden");
                style->put_overflow(hidden);
                ::SysFreeString(hidden);
                style->Release();
            }
            body->Release();
        }
        html->Release();
    }
    document->Release();
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
