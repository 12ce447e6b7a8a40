#include "FoldVenBrowser/views/RemoteCtlWnd.h"

#include "FoldVenBrowser/res/resource.h"
#include "FoldVenBrowser/web/WebBrowser2.h"
#include "net/ServiceHosts.h"

namespace {

constexpr int kBandHeight = 23;
constexpr COLORREF kBannerBackground = RGB(0xE4, 0xEE, 0xFB);
constexpr COLORREF kBannerText = RGB(0x6A, 0x76, 0x85);

void MoveControl(HWND control, int x, int y, int cx, int cy) {
    if (control && ::IsWindow(control))
        ::MoveWindow(control, x, y, cx, cy, TRUE);
}

}  // namespace

CRemoteCtlWnd::CRemoteCtlWnd() : CDialog(IDD_REMOTE_LIST) {}

CRemoteCtlWnd::~CRemoteCtlWnd() {
    if (m_hWhiteBrush)
        ::DeleteObject(m_hWhiteBrush);
    if (m_hBannerBrush)
        ::DeleteObject(m_hBannerBrush);
}

std::string CRemoteCtlWnd::BannerAddress() {
    return "http://" + ServiceHosts::ApiHost() + "/jun.html";
}

BOOL CRemoteCtlWnd::OnInitDialog() {
    m_hWhiteBrush = ::CreateSolidBrush(RGB(255, 255, 255));
    m_hBannerBrush = ::CreateSolidBrush(kBannerBackground);
    SetDlgItemText(IDC_REMOTE_BANNER, "  " + BannerAddress());
    if (CWebBrowser2::SystemHasEngine()) {
        HWND plainStrip = GetDlgItem(IDC_REMOTE_BANNER);
        m_banner = std::make_unique<CWebBrowser2>();
        if (m_banner->Create(m_hWnd, IDC_REMOTE_BANNER, RECT{0, 0, 1, kBandHeight}, nullptr)) {
            ::DestroyWindow(plainStrip);  // the control takes over its ID
            m_banner->Navigate2(BannerAddress());
        } else {
            m_banner.reset();
        }
    }
    m_list.SubclassDlgItem(m_hWnd, IDC_REMOTE_LIST);
    ::UpdateWindow(m_hWnd);
    m_previous.Create(m_hWnd, 550, 2, kPreviousPage, IDB_PAGE_PREVIOUS, IDB_PAGE_PREVIOUS_HOVER,
                      IDB_PAGE_PREVIOUS_HOVER, IDB_PAGE_PREVIOUS);
    m_next.Create(m_hWnd, 615, 2, kNextPage, IDB_PAGE_NEXT, IDB_PAGE_NEXT_HOVER, IDB_PAGE_NEXT_HOVER,
                  IDB_PAGE_NEXT);
    return TRUE;
}

void CRemoteCtlWnd::OnSize(UINT, int cx, int cy) {
    MoveControl(m_list.GetSafeHwnd(), 0, kBandHeight, cx, cy - kBandHeight);
    ::InvalidateRect(m_hWnd, nullptr, TRUE);
    if (m_previous.IsWindow())
        m_previous.MoveTo(cx - 120, 2);
    if (m_next.IsWindow())
        m_next.MoveTo(cx - 60, 2);
    MoveControl(GetDlgItem(IDC_REMOTE_BANNER), 0, 0, cx - 180, kBandHeight);
    if (m_banner)
        m_banner->MoveTo(RECT{0, 0, cx - 180, kBandHeight});
}

bool CRemoteCtlWnd::OnPaint() {
    PAINTSTRUCT paint;
    ::BeginPaint(m_hWnd, &paint);
    ::EndPaint(m_hWnd, &paint);
    return true;
}

HBRUSH CRemoteCtlWnd::OnCtlColor(HDC dc, HWND control, UINT message) {
    if (message == WM_CTLCOLORSTATIC && control == GetDlgItem(IDC_REMOTE_BANNER)) {
        ::SetBkColor(dc, kBannerBackground);
        ::SetTextColor(dc, kBannerText);
        return m_hBannerBrush;
    }
    if (message != WM_CTLCOLORDLG)
        return nullptr;
    ::SetBkMode(dc, TRANSPARENT);
    return m_hWhiteBrush;
}

bool CRemoteCtlWnd::OnNotify(NMHDR* header, LRESULT& result) {
    if (header->hwndFrom != m_list.GetSafeHwnd())
        return false;
    if (header->code == LVN_BEGINDRAG) {
        result = 0;
        return true;
    }
    return m_list.OnParentNotify(header, result);
}

bool CRemoteCtlWnd::OnButtonClick(UINT command) {
    if (m_list.GetLocation().level == 2) {
        if (command == kPreviousPage)
            m_list.ChangePage(2);
        else if (command == kNextPage)
            m_list.ChangePage(1);
    }
    return true;
}

void CRemoteCtlWnd::OnDestroy() {
    m_banner.reset();  // the control goes before the window that holds it
}
