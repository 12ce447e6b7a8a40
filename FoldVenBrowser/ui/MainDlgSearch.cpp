// The main window's search field and search button.
#include <windowsx.h>

#include <algorithm>

#include "FoldVenBrowser/res/resource.h"
#include "FoldVenBrowser/ui/MainDlg.h"
#include "FoldVenBrowser/views/ViewListRemote.h"

void CMainDlg::OnSearchCommand() {
    const std::string text = GetDlgItemText(IDC_MAIN_SEARCH_TEXT);
    m_pSearchResults->m_strKeyword = m_searchField.Keyword(text);
    // The category's index in the list (0 영화 … 10 문서) is what the service takes as SEARCHTYPE.
    m_pSearchResults->m_nSearchType = std::max(0, ComboBox_GetCurSel(GetDlgItem(IDC_MAIN_CATEGORY)));
    if (CViewListRemote* view = GetListView())
        view->ShowSearch();
}

bool CMainDlg::IsSearchKey(const MSG& msg) const {
    return msg.message == WM_KEYDOWN && msg.wParam == VK_RETURN &&
           msg.hwnd == GetDlgItem(IDC_MAIN_SEARCH_TEXT);
}
