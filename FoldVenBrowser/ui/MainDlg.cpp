#include "FoldVenBrowser/ui/MainDlg.h"

#include "FoldVenBrowser/app/BrowserApp.h"
#include "FoldVenBrowser/res/resource.h"

CMainDlg::CMainDlg() : CDialog(IDD_MAIN) {}

BOOL CMainDlg::OnInitDialog() {
    HICON icon = ::LoadIconA(::GetModuleHandleA(nullptr), MAKEINTRESOURCEA(IDI_MAIN));
    Send(WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(icon));
    Send(WM_SETICON, ICON_SMALL, reinterpret_cast<LPARAM>(icon));
    SetText(LoadResString(IDS_APP_TITLE));
    ::SetWindowLongA(m_hWnd, GWL_STYLE,
                     ::GetWindowLongA(m_hWnd, GWL_STYLE) | WS_SYSMENU | WS_MINIMIZEBOX | WS_MAXIMIZEBOX);
    RECT rc = GetWindowRect();
    ::SetWindowPos(m_hWnd, nullptr, rc.left, rc.top, 899, 525, SWP_NOZORDER | SWP_NOACTIVATE);
    return TRUE;
}

void CMainDlg::OnCancel() {
    Show(SW_HIDE);
}
