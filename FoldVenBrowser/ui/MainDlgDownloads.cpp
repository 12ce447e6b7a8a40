// The main window's hand-off of downloads to the downloader, and the choice of the download folder.
#include "FoldVenBrowser/ui/MainDlg.h"

#include "FoldVenBrowser/app/BrowserSettings.h"
#include "FoldVenBrowser/ui/AppServices.h"
#include "FoldVenBrowser/ui/DownloadHandOff.h"
#include "FoldVenBrowser/ui/SelectFolderDialog.h"
#include "platform/Registry.h"

void CMainDlg::BeginDownloadList() {
    if (!m_pDownloads)
        m_pDownloads = std::make_unique<CDownloadHandOff>(m_hWnd);
    m_pDownloads->BeginDownloadList();
}

void CMainDlg::AddDownloadItem(const std::string& id, const std::string& name) {
    if (m_pDownloads)
        m_pDownloads->AddDownloadItem(id, name);
}

bool CMainDlg::SendDownloadList(const std::string& userId, const std::string& password) {
    return m_pDownloads && m_pDownloads->SendDownloadList(userId, password);
}

bool CMainDlg::ChooseDownloadFolder() {
    CSelectFolderDialog picker(FALSE, "", 0x806, nullptr, m_hWnd, "기본으로 저장될 폴더를 선택해 주세요");
    if (picker.DoModal() != IDOK)
        return false;
    // The label's tooltip keeps the folder it was made with.
    m_folderLabel.SetText(picker.GetSelectedPath());
    m_app.Settings().rPathBasic = picker.GetSelectedPath();
    m_app.Settings().SaveSettings(SystemRegistry());
    return true;
}
