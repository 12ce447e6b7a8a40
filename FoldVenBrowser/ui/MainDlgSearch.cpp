// The main window's search field and search button.
#include "FoldVenBrowser/ui/MainDlg.h"
#include "FoldVenBrowser/ui/MessageDlg.h"

void CMainDlg::OnSearchCommand() {
    ShowMessage(m_hWnd, "준비중입니다.");
}
