// The main window's keyboard use: Tab order, Enter and Escape, keys for the web page.
#include "FoldVenBrowser/res/resource.h"
#include "FoldVenBrowser/ui/MainDlg.h"
#include "FoldVenBrowser/views/ViewListRemote.h"
#include "FoldVenBrowser/views/ViewTreeWnd.h"

namespace {

// Lets Tab move into the panels' own controls (tree, list, search panel).
BOOL CALLBACK MarkPanelAsControlParent(HWND child, LPARAM) {
    char className[16] = "";
    ::GetClassNameA(child, className, sizeof(className));
    if (::lstrcmpA(className, "#32770") == 0) {
        const LONG_PTR style = ::GetWindowLongPtrA(child, GWL_EXSTYLE);
        ::SetWindowLongPtrA(child, GWL_EXSTYLE, style | WS_EX_CONTROLPARENT);
    }
    return TRUE;
}

}  // namespace

void CMainDlg::ArrangeTabOrder() const {
    // The order in which a user reads the window: the page buttons, the search row, tree and list, the
    // bottom band, and the window's own buttons last. Tab follows the windows' z-order.
    std::vector<HWND> order;
    const auto button = [this, &order](int command) {
        if (CSkinButton* found = FindButton(command))
            order.push_back(*found);
    };
    for (int command : {kCharge, kDownload, kSettings, kMemo})
        button(command);
    order.push_back(GetDlgItem(IDC_MAIN_CATEGORY));
    order.push_back(GetDlgItem(IDC_MAIN_SEARCH_TEXT));
    button(kSearch);
    if (m_pTreeView)
        order.push_back(*m_pTreeView);
    if (m_pListView)
        order.push_back(*m_pListView);
    for (int command : {kRefreshBalance, kChangeFolder, kRefreshLink, kMinimize, kMaximize, kToTray})
        button(command);
    HWND after = HWND_TOP;
    for (HWND window : order) {
        if (!window)
            continue;
        ::SetWindowPos(window, after, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
        after = window;
    }
    ::EnumChildWindows(m_hWnd, &MarkPanelAsControlParent, 0);
}

bool CMainDlg::KeepsKeyFromDialog(const MSG& msg) const {
    if (msg.message != WM_KEYDOWN || (msg.wParam != VK_RETURN && msg.wParam != VK_ESCAPE))
        return false;
    // The dialog manager would make Escape hide the window and Enter press its default button. Controls
    // that take the key themselves get it: a skinned button or the list Enter, an open category list
    // both.
    const LRESULT code = ::SendMessageA(msg.hwnd, WM_GETDLGCODE, msg.wParam, reinterpret_cast<LPARAM>(&msg));
    return (code & (DLGC_WANTMESSAGE | DLGC_WANTALLKEYS)) == 0;
}

bool CMainDlg::TranslateWebPageKey(MSG& msg) const {
    return m_pListView && m_pListView->TranslateWebPageKey(msg);
}
