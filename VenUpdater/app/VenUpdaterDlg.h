#pragma once

#include <windows.h>

#include <atomic>
#include <string>

#include "VenUpdater/update/UpdateFileList.h"
#include "win/Dialog.h"

class CVenUpdaterApp;

// The updater's only window: the background picture with the progress bar, and the one update pass
// that timer 1 starts.
class CVenUpdaterDlg : public CDialog {
public:
    static constexpr UINT_PTR kStartTimer = 1;
    static constexpr UINT kStartDelayMs = 500;

    explicit CVenUpdaterDlg(CVenUpdaterApp& app);
    ~CVenUpdaterDlg() override;

    // Starts the browser from the updater's folder with the token, writes the desktop shortcut and closes
    // the window. Runs on the window's thread when nothing is downloaded, else on the worker after the
    // downloads.
    void LaunchBrowser();
    void CreateDesktopShortcut();

protected:
    BOOL OnInitDialog() override;
    bool OnPaint() override;
    bool OnTimer(UINT_PTR id) override;
    void OnOK() override;
    void OnCancel() override;
    bool OnMessage(UINT message, WPARAM wParam, LPARAM lParam, INT_PTR& result) override;

private:
    // The reply text of the update-list request; empty after any failure.
    std::string FetchUpdateList();
    void CreateListedFolders();
    static DWORD WINAPI DownloadThread(void* param);
    // The pass on the worker: here, or handed to an elevated copy when the folder is closed to this one.
    void RunPass();
    // The end of the pass: the browser starts, or the elevated copy ends with `exitCode`.
    void FinishPass(DWORD exitCode);

    CUpdateFileList m_files;
    HICON m_hIcon = nullptr;
    CVenUpdaterApp& m_app;
    HWND m_hProgress = nullptr;
    HBITMAP m_hBackground = nullptr;
    int m_backgroundWidth = 0;
    int m_backgroundHeight = 0;
    std::string m_folder;  // with its trailing backslash
    // From the first timer tick until the launch the window ignores Esc, Enter and Alt+F4, so that a
    // download is never cut off half-way by closing the window.
    std::atomic<bool> m_busy{false};
    std::atomic<bool> m_closing{false};
};
