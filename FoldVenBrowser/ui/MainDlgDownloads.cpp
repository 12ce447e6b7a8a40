// The main window's hand-off of downloads to the downloader.
#include "FoldVenBrowser/ui/MainDlg.h"

void CMainDlg::BeginDownloadList() {}

void CMainDlg::AddDownloadItem(const std::string&, const std::string&) {}

bool CMainDlg::SendDownloadList(const std::string&, const std::string&) {
    return false;
}

bool CMainDlg::ChooseDownloadFolder() {
    return false;
}
