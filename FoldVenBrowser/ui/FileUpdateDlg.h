#pragma once

#include <windows.h>

#include <atomic>
#include <mutex>
#include <string>

#include "platform/UiHooks.h"
#include "win/Dialog.h"
#include "win/UiCall.h"

// "자동설치 / 업데이트" (template 259, modeless): compares the service's version file with the installed
// one and, when they differ, downloads the service's installer with a progress bar, starts it and waits
// for its result file. The main window's downloader-ready flag is 0 from the moment an installation is
// decided until the installer reports. The dialog has no buttons and the keyboard cannot close it.
class CFileUpdateDlg : public CDialog {
public:
    static constexpr UINT kInstallFinishedMessage = WM_USER + 100;
    // How long a result file may lag behind the end of the installer's process.
    static constexpr DWORD kResultGraceMs = 5000;

    CFileUpdateDlg(HWND parent, int& downloaderReady, IUiHooks& ui = SystemUiHooks());
    ~CFileUpdateDlg() override;

    // Before a download: true when the installation is current (the window is then destroyed); otherwise
    // the installation starts and downloads stay refused until it reports.
    bool CheckBeforeDownload();
    // An installation was decided and has not yet reported or failed: pending, downloading or running.
    bool InstallationPending() const { return m_state != State::Idle; }

    BOOL CheckVersion();
    // 1: the version file, blocking; 2: the installer, on the calling (worker) thread.
    void DownloadUpdateFile(int kind);
    void ShowProgress(const std::string& text, int percent);
    // From the download's worker thread: hands text and position to the window's thread.
    void PostProgress(const std::string& text, int percent);
    bool StopRequested() const { return m_stop; }

protected:
    BOOL OnInitDialog() override;
    bool OnCommand(UINT code, UINT id, HWND control) override;
    bool OnTimer(UINT_PTR id) override;
    bool OnMessage(UINT message, WPARAM wParam, LPARAM lParam, INT_PTR& result) override;
    void OnOK() override { Finish(true); }
    void OnCancel() override { Finish(false); }

private:
    enum class State { Idle, Pending, Downloading, Installing };
    static unsigned __stdcall DownloadThread(void* dialog);
    // The worker's calls to this window's thread, posted so that the worker never waits for the window.
    static void ShowPostedProgress(void* dialog);
    static void InstallerDownloaded(void* dialog);
    void StartInstallerDownload();
    void OnInstallerDownloaded(bool ok);
    void PollResultFile();
    void OnInstallFinished(WPARAM code);
    void ReleaseInstallerLock();
    void Fail(const std::string& text);
    void Finish(bool ok);
    void WaitForWorker();

    HWND m_hStatus = nullptr;
    HWND m_hProgress = nullptr;
    std::string m_strTempFolder;
    std::string m_strInstallFolder;
    std::string m_strLocalVersionFile;
    std::string m_strServerVersionFile;
    std::string m_strInstallerFile;
    std::string m_strServerVersion;
    std::string m_strLocalVersion;
    std::string m_strResultFile;

    int& m_bDownloaderReady;
    IUiHooks& m_ui;
    State m_state = State::Idle;
    HANDLE m_hWorker = nullptr;
    HANDLE m_hInstaller = nullptr;
    HANDLE m_hInstallerLock = nullptr;  // the checked installer, open until it has started
    DWORD m_installerEndedAt = 0;
    std::atomic<bool> m_stop{false};
    std::mutex m_progressMutex;
    std::string m_progressText;
    int m_progressPercent = 0;
    std::atomic<bool> m_installerAccepted{false};
    const CUiCall m_progressCall{&CFileUpdateDlg::ShowPostedProgress, this};
    const CUiCall m_downloadedCall{&CFileUpdateDlg::InstallerDownloaded, this};
};
