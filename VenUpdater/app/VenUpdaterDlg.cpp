#include "VenUpdater/app/VenUpdaterDlg.h"

#include <commctrl.h>
#include <shlobj.h>
#include <uxtheme.h>

#include "VenUpdater/app/ElevatedPass.h"
#include "VenUpdater/app/FileDownloader.h"
#include "VenUpdater/app/FolderScan.h"
#include "VenUpdater/app/PendingUpdater.h"
#include "VenUpdater/app/Shortcut.h"
#include "VenUpdater/app/VenUpdaterApp.h"
#include "VenUpdater/res/resource.h"
#include "VenUpdater/update/BrowserCommandLine.h"
#include "VenUpdater/update/UpdateListRequest.h"
#include "VenUpdater/update/UpdateSocket.h"
#include "net/ProxySettings.h"
#include "platform/Registry.h"
#include "win/ModulePath.h"

namespace {

constexpr const char* kInstallFolder = "C:\\Program Files\\FoldVen\\";
constexpr COLORREF kAccent = RGB(0x2B, 0x6F, 0xD0);
constexpr COLORREF kWell = RGB(0xE4, 0xEE, 0xFB);

bool FolderExists(const std::string& path) {
    const DWORD attributes = ::GetFileAttributesA(path.c_str());
    return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY);
}

}  // namespace

CVenUpdaterDlg::CVenUpdaterDlg(CVenUpdaterApp& app) : CDialog(IDD_UPDATER), m_app(app) {
    m_hIcon = static_cast<HICON>(::LoadImageA(::GetModuleHandleA(nullptr), MAKEINTRESOURCEA(IDI_UPDATER),
                                              IMAGE_ICON, 0, 0, LR_DEFAULTSIZE));
}

CVenUpdaterDlg::~CVenUpdaterDlg() {
    if (m_hBackground)
        ::DeleteObject(m_hBackground);
    if (m_hIcon)
        ::DestroyIcon(m_hIcon);
}

BOOL CVenUpdaterDlg::OnInitDialog() {
    // The pause counts from the window's creation: the set-up below (the inventory reads every program's
    // version) runs within it instead of before it. The tick comes only after this function returns.
    ::SetTimer(m_hWnd, kStartTimer, kStartDelayMs, nullptr);
    Send(WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(m_hIcon));
    Send(WM_SETICON, ICON_SMALL, reinterpret_cast<LPARAM>(m_hIcon));

    m_hBackground = ::LoadBitmapA(::GetModuleHandleA(nullptr), MAKEINTRESOURCEA(IDB_BACKGROUND));
    BITMAP info{};
    if (m_hBackground && ::GetObjectA(m_hBackground, sizeof(info), &info)) {
        m_backgroundWidth = info.bmWidth;
        m_backgroundHeight = info.bmHeight;
    }

    m_hProgress = GetDlgItem(IDC_PROGRESS);
    ::MoveWindow(m_hProgress, 15, 37, 248, 7, TRUE);
    // With visual styles on (every Windows desktop) a progress bar ignores its colours and draws the
    // theme's green or blue; without its theme it draws the skin's.
    ::SetWindowTheme(m_hProgress, L" ", L" ");
    ::SendMessageA(m_hProgress, PBM_SETBARCOLOR, 0, kAccent);
    ::SendMessageA(m_hProgress, PBM_SETBKCOLOR, 0, kWell);

    m_folder = ModuleFolder();
    ScanFolder(m_folder.substr(0, m_folder.size() - 1), m_files.local);
    DetectProxy(SystemRegistry());

    // Sized and centred before it is first shown (the template is visible), so it never flashes at the
    // corner of the screen.
    const RECT rc = GetWindowRect();
    ::SetWindowPos(m_hWnd, HWND_TOPMOST, rc.left, rc.top, 280, 60, 0);
    const int x = (::GetSystemMetrics(SM_CXSCREEN) - 280) / 2;
    const int y = (::GetSystemMetrics(SM_CYSCREEN) - 60) / 2;
    ::SetWindowPos(m_hWnd, nullptr, x, y, 0, 0, SWP_NOSIZE | SWP_NOZORDER);
    return TRUE;
}

bool CVenUpdaterDlg::OnPaint() {
    PAINTSTRUCT ps;
    HDC dc = ::BeginPaint(m_hWnd, &ps);
    const RECT client = GetClientRect();
    if (::IsIconic(m_hWnd)) {
        Send(WM_ICONERASEBKGND, reinterpret_cast<WPARAM>(dc), 0);
        const int x = (client.right - ::GetSystemMetrics(SM_CXICON) + 1) / 2;
        const int y = (client.bottom - ::GetSystemMetrics(SM_CYICON) + 1) / 2;
        ::DrawIcon(dc, x, y, m_hIcon);
    } else if (m_hBackground) {
        HDC memory = ::CreateCompatibleDC(dc);
        HGDIOBJ old = ::SelectObject(memory, m_hBackground);
        ::StretchBlt(dc, 0, 0, client.right, client.bottom, memory, 0, 0, m_backgroundWidth,
                     m_backgroundHeight, SRCCOPY);
        ::SelectObject(memory, old);
        ::DeleteDC(memory);
    }
    ::EndPaint(m_hWnd, &ps);
    return true;
}

bool CVenUpdaterDlg::OnMessage(UINT message, WPARAM, LPARAM, INT_PTR& result) {
    if (message == WM_QUERYDRAGICON) {
        result = reinterpret_cast<INT_PTR>(m_hIcon);
        return true;
    }
    if (message == WM_ERASEBKGND) {
        result = TRUE;  // the background picture covers the whole window
        return true;
    }
    return false;
}

bool CVenUpdaterDlg::OnTimer(UINT_PTR) {
    ::KillTimer(m_hWnd, kStartTimer);
    if (m_busy.exchange(true))
        return true;
    const std::string reply = FetchUpdateList();
    // A new updater still waiting in temp (its move was denied) makes a pass even with nothing listed.
    const bool nothingListed = IsNothingToUpdate(reply);
    if (nothingListed && !PendingUpdater::IsWaiting(m_folder)) {
        FinishPass(ElevatedPass::kPassDone);
        return true;
    }
    if (!nothingListed) {
        m_files.ParseUpdateList(reply);
        CreateListedFolders();
    }
    HANDLE thread = ::CreateThread(nullptr, 0, &CVenUpdaterDlg::DownloadThread, this, 0, nullptr);
    if (thread) {
        ::CloseHandle(thread);
    } else {
        FinishPass(ElevatedPass::kPassStopped);
    }
    return true;
}

std::string CVenUpdaterDlg::FetchUpdateList() {
    CUpdateSocket socket(&SystemUiHooks());
    CUpdateListRequest request(socket, SystemUiHooks(), reinterpret_cast<OwnerWindow>(m_hWnd));
    HCURSOR previous = ::SetCursor(::LoadCursorA(nullptr, IDC_WAIT));
    request.Fetch(m_app.m_strApiHost, ProxySettings.enabled, ProxySettings.kind);
    ::SetCursor(previous);
    return request.Reply();
}

void CVenUpdaterDlg::CreateListedFolders() {
    for (const CUpdateFileEntry& entry : m_files.server) {
        if (entry.kind == CUpdateFileEntry::kFolder)
            EnsureFolders(LocalPathFor(m_folder, entry.path), false);
    }
}

DWORD WINAPI CVenUpdaterDlg::DownloadThread(void* param) {
    static_cast<CVenUpdaterDlg*>(param)->RunPass();
    return 0;
}

void CVenUpdaterDlg::RunPass() {
    using namespace ElevatedPass;
    switch (ChooseRoute(m_files, m_folder, SystemElevation(), m_app.m_elevatedCopy)) {
        case Route::kElevatedCopy:
            HandOver(SystemElevation(), SystemUiHooks(), m_hWnd);
            FinishPass(kPassDone);
            return;
        case Route::kDeniedHere:
            FinishPass(kPassDenied);
            return;
        case Route::kHere:
            break;
    }
    CFileDownloader downloader(m_files, m_folder, m_app.m_strFilesBaseUrl, m_hProgress, m_hWnd,
                               SystemUiHooks());
    const bool done = downloader.DownloadFiles();
    // Where the user may write, the browser moves a new updater into place; the elevated copy does it here.
    if (m_app.m_elevatedCopy && PendingUpdater::IsWaiting(m_folder))
        PendingUpdater::MoveIntoPlace(m_folder);
    FinishPass(done ? kPassDone : kPassStopped);
}

void CVenUpdaterDlg::FinishPass(DWORD exitCode) {
    if (!m_app.m_elevatedCopy) {
        LaunchBrowser();
        return;
    }
    m_app.m_exitCode = exitCode;
    m_closing = true;
    Post(WM_CLOSE);
}

void CVenUpdaterDlg::LaunchBrowser() {
    m_app.ReleaseInstanceMutex();

    const std::string commandLine =
        BrowserCommandLine(m_folder + "FoldVenBrowser.exe", m_app.m_launchArguments);
    std::vector<char> mutableLine(commandLine.begin(), commandLine.end());
    mutableLine.push_back('\0');
    // The browser runs in the installation folder; an updater started from elsewhere (a copy, a test)
    // gives it its own folder when that one does not exist.
    const std::string directory = FolderExists(kInstallFolder) ? kInstallFolder : m_folder;
    STARTUPINFOA startup{};
    startup.cb = sizeof(startup);
    PROCESS_INFORMATION process{};
    if (::CreateProcessA(nullptr, mutableLine.data(), nullptr, nullptr, FALSE, NORMAL_PRIORITY_CLASS, nullptr,
                         directory.c_str(), &startup, &process)) {
        ::CloseHandle(process.hThread);
        ::CloseHandle(process.hProcess);
    } else {
        ::MessageBoxA(m_hWnd, "프로그램을 실행시키지 못했습니다.", "에러", MB_OK);
    }
    // Written while the browser starts rather than before: the shell link's COM object and its save
    // (under Wine also an attempt to start winemenubuilder) would otherwise delay the browser's start.
    CreateDesktopShortcut();
    m_closing = true;
    Post(WM_CLOSE);
}

void CVenUpdaterDlg::CreateDesktopShortcut() {
    char desktop[MAX_PATH] = {};
    if (!::SHGetSpecialFolderPathA(nullptr, desktop, CSIDL_DESKTOPDIRECTORY, FALSE))
        return;
    CreateShortcut(std::string(kInstallFolder) + "VenUpdater.exe", desktop, "폴드벤 브라우져.Lnk",
                   std::string(kInstallFolder) + "FoldVen.ico", "폴드벤 브라우져", m_hWnd);
}

void CVenUpdaterDlg::OnOK() {
    OnCancel();
}

void CVenUpdaterDlg::OnCancel() {
    if (m_busy && !m_closing)
        return;
    EndDialog(IDCANCEL);
}
