#include "FoldVenBrowser/ui/FileUpdateDlg.h"

#include <commctrl.h>
#include <objbase.h>
#include <process.h>
#include <shellapi.h>
#include <urlmon.h>
#include <wininet.h>

#include <cstdlib>

#include "FoldVenBrowser/app/VersionText.h"
#include "FoldVenBrowser/res/resource.h"
#include "FoldVenBrowser/ui/BoundedDownload.h"
#include "FoldVenBrowser/ui/DownloadProgressCallback.h"
#include "FoldVenBrowser/ui/InstallPaths.h"
#include "net/ServiceHosts.h"
#include "pe/ProgramImage.h"
#include "pe/PublisherRule.h"
#include "win/ModulePath.h"

namespace {

constexpr UINT_PTR kStartTimer = 1;
constexpr UINT_PTR kResultTimer = 2;
constexpr const char* kCaption = "알림";
constexpr unsigned kVersionFileLimitMs = 60000;
constexpr const char* kDownloadFailed = "업데이트 파일 다운로드에 실패 했습니다!   ";

std::string WebAddress(const char* path) {
    return "http://" + ServiceHosts::WebHost() + path;
}

}  // namespace

CFileUpdateDlg::CFileUpdateDlg(HWND parent, int& downloaderReady, IUiHooks& ui)
    : CDialog(IDD_FILE_UPDATE, parent), m_bDownloaderReady(downloaderReady), m_ui(ui) {}

CFileUpdateDlg::~CFileUpdateDlg() {
    m_stop = true;
    WaitForWorker();
    if (m_hInstaller)
        ::CloseHandle(m_hInstaller);
    ReleaseInstallerLock();
    if (IsWindow())
        ::DestroyWindow(m_hWnd);
}

void CFileUpdateDlg::WaitForWorker() {
    if (!m_hWorker)
        return;
    // The worker only posts its calls to this window, so waiting here cannot block it; an abort ends its
    // download at the next progress report.
    ::WaitForSingleObject(m_hWorker, 30000);
    ::CloseHandle(m_hWorker);
    m_hWorker = nullptr;
}

bool CFileUpdateDlg::CheckBeforeDownload() {
    if (!IsWindow() && !Create(ParentHwnd()))
        return true;  // no dialog, no installation: the hand-off goes on as before
    if (CheckVersion()) {
        ::DestroyWindow(m_hWnd);
        // The check has just confirmed the installation; an earlier failed update no longer holds
        // downloads back.
        m_bDownloaderReady = 1;
        return true;
    }
    m_bDownloaderReady = 0;
    m_state = State::Pending;
    Show(SW_SHOW);
    ::SetTimer(m_hWnd, kStartTimer, 100, nullptr);
    return false;
}

BOOL CFileUpdateDlg::CheckVersion() {
    m_strTempFolder = InstallPaths::TempFolder();
    m_strInstallFolder = InstallPaths::InstallFolder();
    m_strLocalVersionFile = m_strInstallFolder + "ver.ini";
    m_strServerVersionFile = m_strTempFolder + "_ver.ini";
    m_strInstallerFile = m_strTempFolder + "setup.exe";
    m_strResultFile = m_strTempFolder + "install_result";

    DownloadUpdateFile(1);
    std::string server;
    if (!InstallPaths::ReadFileHead(m_strServerVersionFile, kMaxVersionFile + 1, server)) {
        m_ui.MessageBox(reinterpret_cast<OwnerWindow>(m_hWnd), "서버 버전정보 파일을 열 수 없습니다!   ",
                        kCaption, MB_OK);
        return FALSE;
    }
    m_strServerVersion = VersionTextOf(server);
    std::string local;
    if (!InstallPaths::ReadFileHead(m_strLocalVersionFile, kMaxVersionFile + 1, local))
        return FALSE;
    m_strLocalVersion = VersionTextOf(local);
    return VersionsMatch(server, local) ? TRUE : FALSE;
}

void CFileUpdateDlg::DownloadUpdateFile(int kind) {
    if (kind == 1) {
        const std::string url = WebAddress("/rivi/ver.ini");
        ::DeleteUrlCacheEntryA(url.c_str());
        // On the window's thread: the windows stay alive while it runs, and a server that never finishes
        // cannot hold them for longer than the limit.
        if (!DownloadWithinLimit(url, m_strServerVersionFile, kVersionFileLimitMs)) {
            m_ui.MessageBox(reinterpret_cast<OwnerWindow>(m_hWnd), kDownloadFailed, kCaption, MB_OK);
            OnCancel();
        }
        return;
    }
    ::DeleteFileA(m_strInstallerFile.c_str());
    ::DeleteFileA(m_strResultFile.c_str());
    const std::string url = WebAddress("/rivi/setup.exe");
    ::DeleteUrlCacheEntryA(url.c_str());
    CDownloadProgressCallback progress(this);
    const HRESULT hr = ::URLDownloadToFileA(nullptr, url.c_str(), m_strInstallerFile.c_str(), 0, &progress);
    // The URL download also "succeeds" with a server's error page or a transfer cut short; only a whole
    // Windows program is an installer.
    const bool program = SUCCEEDED(hr) && IsCompleteProgramFile(m_strInstallerFile);
    // Only an installer of the browser's own publisher is started; any other is a failed download and
    // does not stay behind. The file stays open for reading only from before the check until the installer
    // has started, so that nothing can put another program in its place meanwhile.
    HANDLE lock = program ? ::CreateFileA(m_strInstallerFile.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr,
                                          OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr)
                          : INVALID_HANDLE_VALUE;
    const bool accepted = lock != INVALID_HANDLE_VALUE &&
                          PublisherAcceptsFile(SystemSignatureReader(), ModuleFileName(), m_strInstallerFile);
    if (accepted) {
        m_hInstallerLock = lock;
    } else {
        if (lock != INVALID_HANDLE_VALUE)
            ::CloseHandle(lock);
        ::DeleteFileA(m_strInstallerFile.c_str());
    }
    m_installerAccepted = accepted;
    m_downloadedCall.PostTo(m_hWnd);
}

unsigned __stdcall CFileUpdateDlg::DownloadThread(void* dialog) {
    const HRESULT com = ::CoInitializeEx(nullptr, COINIT_MULTITHREADED);
    static_cast<CFileUpdateDlg*>(dialog)->DownloadUpdateFile(2);
    if (SUCCEEDED(com))
        ::CoUninitialize();
    return 0;
}

void CFileUpdateDlg::StartInstallerDownload() {
    ::SendMessageA(m_hProgress, PBM_SETRANGE, 0, MAKELPARAM(0, 100));
    ::SendMessageA(m_hProgress, PBM_SETPOS, 0, 0);
    ::SendMessageA(m_hProgress, PBM_SETSTEP, 1, 0);
    m_bDownloaderReady = 0;
    m_state = State::Downloading;
    WaitForWorker();  // an earlier installation's worker has long posted its result
    m_stop = false;
    m_hWorker = reinterpret_cast<HANDLE>(::_beginthreadex(nullptr, 0, &DownloadThread, this, 0, nullptr));
    if (!m_hWorker)
        Fail(kDownloadFailed);
}

void CFileUpdateDlg::OnInstallerDownloaded(bool ok) {
    if (m_state != State::Downloading) {
        ReleaseInstallerLock();
        return;
    }
    if (!ok) {
        Fail(kDownloadFailed);
        return;
    }
    CWindow(m_hStatus).SetText("설치중입니다..");
    ::UpdateWindow(m_hStatus);
    SHELLEXECUTEINFOA info{};
    info.cbSize = sizeof(info);
    info.fMask = SEE_MASK_NOCLOSEPROCESS | SEE_MASK_FLAG_NO_UI;
    info.lpFile = m_strInstallerFile.c_str();
    info.nShow = SW_SHOWNORMAL;
    const BOOL started = ::ShellExecuteExA(&info);
    ReleaseInstallerLock();
    if (!started) {
        Fail("설치 프로그램을 실행하지 못했습니다.");
        return;
    }
    m_hInstaller = info.hProcess;
    m_installerEndedAt = 0;
    m_state = State::Installing;
    ::SetTimer(m_hWnd, kResultTimer, 1000, nullptr);
}

void CFileUpdateDlg::PollResultFile() {
    std::string result;
    if (InstallPaths::FileExists(m_strResultFile) && InstallPaths::ReadFileHead(m_strResultFile, 2, result)) {
        ::KillTimer(m_hWnd, kResultTimer);
        const char digit[2] = {result.empty() ? '\0' : result[0], '\0'};
        Send(kInstallFinishedMessage, static_cast<WPARAM>(std::atoi(digit) + 1), 0);
        return;
    }
    // An installer that ended (crashed, cancelled) without writing its result never will; after a short
    // grace for a file written just before the end, the installation has failed.
    if (!m_hInstaller || ::WaitForSingleObject(m_hInstaller, 0) != WAIT_OBJECT_0)
        return;
    if (m_installerEndedAt == 0) {
        m_installerEndedAt = ::GetTickCount() | 1;
    } else if (::GetTickCount() - m_installerEndedAt >= kResultGraceMs) {
        ::KillTimer(m_hWnd, kResultTimer);
        Fail("설치가 완료되지 않았습니다. 다시 다운로드하시면 설치를 다시 시작합니다.");
    }
}

void CFileUpdateDlg::OnInstallFinished(WPARAM code) {
    if (code != 0) {
        m_bDownloaderReady = 1;
        OnOK();
    } else {
        OnCancel();
    }
}

void CFileUpdateDlg::ReleaseInstallerLock() {
    if (m_hInstallerLock) {
        ::CloseHandle(m_hInstallerLock);
        m_hInstallerLock = nullptr;
    }
}

void CFileUpdateDlg::Fail(const std::string& text) {
    m_ui.MessageBox(reinterpret_cast<OwnerWindow>(m_hWnd), text, kCaption, MB_OK);
    OnCancel();
}

void CFileUpdateDlg::Finish(bool) {
    ::KillTimer(m_hWnd, kStartTimer);
    ::KillTimer(m_hWnd, kResultTimer);
    ReleaseInstallerLock();
    if (m_hInstaller) {
        ::CloseHandle(m_hInstaller);
        m_hInstaller = nullptr;
    }
    m_state = State::Idle;
    // The window stays for the next installation; only hidden.
    Show(SW_HIDE);
}

void CFileUpdateDlg::ShowProgress(const std::string& text, int percent) {
    CWindow(m_hStatus).SetText(text);
    ::UpdateWindow(m_hStatus);
    ::SendMessageA(m_hProgress, PBM_SETPOS, static_cast<WPARAM>(percent), 0);
}

void CFileUpdateDlg::PostProgress(const std::string& text, int percent) {
    {
        std::lock_guard<std::mutex> lock(m_progressMutex);
        m_progressText = text;
        m_progressPercent = percent;
    }
    m_progressCall.PostTo(m_hWnd);
}

void CFileUpdateDlg::ShowPostedProgress(void* dialog) {
    auto* self = static_cast<CFileUpdateDlg*>(dialog);
    std::string text;
    int percent = 0;
    {
        std::lock_guard<std::mutex> lock(self->m_progressMutex);
        text = self->m_progressText;
        percent = self->m_progressPercent;
    }
    self->ShowProgress(text, percent);
}

void CFileUpdateDlg::InstallerDownloaded(void* dialog) {
    auto* self = static_cast<CFileUpdateDlg*>(dialog);
    self->OnInstallerDownloaded(self->m_installerAccepted);
}

BOOL CFileUpdateDlg::OnInitDialog() {
    m_hStatus = GetDlgItem(IDC_UPDATE_STATUS);
    m_hProgress = GetDlgItem(IDC_UPDATE_PROGRESS);
    // Centred over the main window while it shows, else on the screen.
    RECT area{};
    HWND owner = ::GetWindow(m_hWnd, GW_OWNER);
    if (owner && ::IsWindowVisible(owner) && !::IsIconic(owner))
        ::GetWindowRect(owner, &area);
    else
        ::SystemParametersInfoA(SPI_GETWORKAREA, 0, &area, 0);
    const RECT rc = GetWindowRect();
    const int cx = rc.right - rc.left;
    const int cy = rc.bottom - rc.top;
    ::SetWindowPos(m_hWnd, nullptr, (area.left + area.right - cx) / 2, (area.top + area.bottom - cy) / 2, 0,
                   0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    SetText("폴드벤 프로그램 설치");
    return TRUE;
}

bool CFileUpdateDlg::OnCommand(UINT, UINT id, HWND) {
    // IDOK and IDCANCEL only come from Enter, Esc or the close command: the dialog ends itself.
    return id == IDOK || id == IDCANCEL;
}

bool CFileUpdateDlg::OnTimer(UINT_PTR id) {
    if (id == kStartTimer) {
        ::KillTimer(m_hWnd, kStartTimer);
        StartInstallerDownload();
        return true;
    }
    if (id == kResultTimer) {
        PollResultFile();
        return true;
    }
    return false;
}

bool CFileUpdateDlg::OnMessage(UINT message, WPARAM wParam, LPARAM, INT_PTR& result) {
    result = 0;
    switch (message) {
        case kInstallFinishedMessage:
            OnInstallFinished(wParam);
            return true;
        case WM_SYSCOMMAND:
            // Alt+F4 (close) and F10 (menu) do nothing here.
            return (wParam & 0xFFF0) == SC_CLOSE || (wParam & 0xFFF0) == SC_KEYMENU;
        case WM_HELP:  // F1
        case WM_CLOSE:
            return true;
        default:
            return false;
    }
}
