#pragma once

#include <windows.h>

#include <memory>
#include <string>
#include <vector>

#include "FoldVenBrowser/app/DownloadList.h"
#include "platform/UiHooks.h"

class CFileUpdateDlg;

// The main window's hand-off of chosen files to the service's downloader "FoldVenDown.exe": the installer
// check before a download, the list file in the temporary folder and the downloader's command line, or a
// copy-data message. One pass is BeginDownloadList, AddDownloadItem per file, SendDownloadList.
class CDownloadHandOff {
public:
    static constexpr const char* kDownloaderClass = "foldven_class_down";
    static constexpr const char* kListFileName = "FoldVen_Download_List";
    static constexpr DWORD kDefaultWindowWaitMs = 20000;

    explicit CDownloadHandOff(HWND owner, IUiHooks& ui = SystemUiHooks());
    ~CDownloadHandOff();
    CDownloadHandOff(const CDownloadHandOff&) = delete;
    CDownloadHandOff& operator=(const CDownloadHandOff&) = delete;

    void BeginDownloadList();
    void AddDownloadItem(const std::string& id, const std::string& name);
    // True when the list reached the downloader.
    bool SendDownloadList(const std::string& userId, const std::string& password);

    // For tests: where the downloader is looked for (default: the install folder) and how long its window
    // is waited for.
    void SetInstallFolder(const std::string& folder) { m_strInstallFolderOverride = folder; }
    void SetWindowWait(DWORD ms) { m_windowWaitMs = ms; }
    CFileUpdateDlg* UpdateDialog() const { return m_pFileUpdateDlg.get(); }

    // 1 at start; 0 while an installation is pending or running, and after one failed.
    int m_bDownloaderReady = 1;

private:
    HWND StartDownloader(const std::string& program, const std::string& commandLine);
    HWND WaitForDownloaderWindow(HANDLE process);
    bool Deliver(HWND downloader, const std::string& listFile, const std::string& text);
    void Tell(const std::string& text);

    HWND m_hOwner;
    IUiHooks& m_ui;
    CDownloadList m_list;
    std::unique_ptr<CFileUpdateDlg> m_pFileUpdateDlg;
    std::string m_strInstallFolderOverride;
    DWORD m_windowWaitMs = kDefaultWindowWaitMs;
    // While a freshly started downloader's window is awaited, further lists queue here.
    bool m_bStarting = false;
    std::vector<std::string> m_queued;
};
