#include "FoldVenBrowser/BrowserApp.h"

#include <commctrl.h>
#include <objbase.h>
#include <shlwapi.h>
#include <winsock2.h>

#include "FoldVenBrowser/res/resource.h"
#include "FoldVenBrowser/service/ServiceClient.h"
#include "FoldVenBrowser/toolkit/BitmapDraw.h"
#include "FoldVenBrowser/toolkit/ResString.h"
#include "FoldVenBrowser/ui/LoginDlg.h"
#include "FoldVenBrowser/ui/MainDlg.h"
#include "FoldVenBrowser/ui/MessageDlg.h"
#include "FoldVenBrowser/ui/UpdaterRefresh.h"
#include "net/ProxySettings.h"
#include "net/ServiceHosts.h"
#include "platform/Registry.h"
#include "platform/Sleeper.h"
#include "platform/UiHooks.h"
#include "win/InstanceWindow.h"
#include "win/ModulePath.h"
#include "win/UiCall.h"

CBrowserApp::CBrowserApp(std::vector<std::string> args) : m_args(std::move(args)) {}

CBrowserApp::~CBrowserApp() {
    // A search still running after the last window went finds no one to call and ends by itself.
    DestroyCallbackWindow();
    for (SkinBitmap& bitmap : m_skin) {
        if (bitmap.handle)
            ::DeleteObject(bitmap.handle);
    }
    // The mutex stays owned until the process ends; the system releases it then.
}

bool CBrowserApp::InitInstance() {
    if (!m_ole.Start())
        return false;
    if (!TakeInstanceMutex())
        return false;
    if (!StartServices())
        return false;
    LoadStartState();

    const LaunchOptions options = LaunchOptions::FromArgs(m_args);
    if (!options.tokenValid) {
        ShowStartupMessage("독립적으로 프로그램을 실행 할수 없습니다.");
        return false;
    }
    if (!LogInAtStart(options))
        return true;  // no main window: the program ends
    RunMainWindow();
    return false;
}

bool CBrowserApp::TakeInstanceMutex() {
    m_hMutex = ::CreateMutexA(nullptr, TRUE, kMutexName);
    if (::GetLastError() == ERROR_ALREADY_EXISTS) {
        ActivatePreviousInstance();
        ::CloseHandle(m_hMutex);
        m_hMutex = nullptr;
        return false;
    }
    return true;
}

bool CBrowserApp::StartServices() {
    RegisterDialogClass(kWindowClass);

    INITCOMMONCONTROLSEX icc{sizeof(icc), ICC_WIN95_CLASSES | ICC_STANDARD_CLASSES | ICC_LINK_CLASS};
    ::InitCommonControlsEx(&icc);
    // The core's ShowMessage is the program's own message dialog.
    SetMessageDialogHandler(
        [](OwnerWindow owner, const std::string& text) { ShowMessage(reinterpret_cast<HWND>(owner), text); });

    if (!m_sockets.Start()) {
        ShowStartupMessage(LoadResString(IDS_SOCKETS_FAILED));
        return false;
    }

    // Every control site of the web panels answers the document host's questions the program's way.
    m_controlContainer.Install();
    return true;
}

void CBrowserApp::LoadStartState() {
    m_bLoggedIn = 0;
    m_dwComCtlVersion = QueryComCtlVersion();
    m_nColorDepth = QueryColorDepth();

    m_settings.LoadSettings(SystemRegistry());
    // Login and notices are the run's first requests: they too go through the configured proxy.
    DetectProxy(SystemRegistry());
    CreateCallbackWindow();
    m_nColorDepth = AdjustColorDepthForComCtl(m_nColorDepth, m_dwComCtlVersion);
    RefreshUpdater();
}

bool CBrowserApp::LogInAtStart(const LaunchOptions& options) {
    if (ShouldAutoLogin(m_settings, options) && Login(m_settings.strSaveID, m_settings.UserPW))
        return true;
    CLoginDlg loginDlg(*this, nullptr);
    m_pLoginDlg = &loginDlg;
    const INT_PTR result = loginDlg.DoModal();
    m_pLoginDlg = nullptr;  // the dialog lives on this stack frame only
    return result == IDOK;
}

void CBrowserApp::RunMainWindow() {
    LoadSkinBitmaps();

    m_pMainDlg = std::make_unique<CMainDlg>(*this);
    if (!m_pMainDlg->Create(nullptr))
        return;
    SetMainWnd(m_pMainDlg->GetSafeHwnd());
    m_pMainDlg->SetUp();
    m_pMainDlg->Show(SW_SHOWNORMAL);

    RunMessageLoop();
    m_pMainDlg.reset();
}

bool CBrowserApp::Login(const std::string& userId, const std::string& password) {
    m_session.userId = userId;
    m_session.password = password;
    m_session.apiHost = ServiceHosts::ApiHost();
    m_bLoggedIn = 1;
    const OwnerWindow owner = reinterpret_cast<OwnerWindow>(GetMainWnd());
    CServiceClient client(owner, m_session, SystemUiHooks(), SystemSleeper());
    if (!client.Login(userId, password)) {
        m_bLoggedIn = 0;
        return false;
    }
    m_session.ParseLoginReply(client.GetReply());
    m_bLoggedIn = 1;
    CommitLoginOptions();
    return true;
}

void CBrowserApp::CommitLoginOptions() {
    if (!m_pLoginDlg)
        return;
    m_pLoginDlg->CopyOptionsInto(m_settings);
    m_settings.SaveSettings(SystemRegistry());
    m_pLoginDlg->Post(WM_COMMAND, IDOK);
}

int CBrowserApp::ActivatePreviousInstance() {
    return ActivateWindowOfClass(kWindowClass) ? 0 : 1;
}

void CBrowserApp::RefreshUpdater() {
    RefreshUpdaterIn(ModuleFolder());
}

std::uint32_t CBrowserApp::QueryComCtlVersion() const {
    std::uint32_t version = 0x40000;
    HMODULE comctl = ::LoadLibraryA("comctl32.dll");
    if (!comctl)
        return version;
    auto getVersion = reinterpret_cast<DLLGETVERSIONPROC>(
        reinterpret_cast<void*>(::GetProcAddress(comctl, "DllGetVersion")));
    if (getVersion) {
        DLLVERSIONINFO info{};
        info.cbSize = sizeof(info);  // 20 bytes
        if (SUCCEEDED(getVersion(&info)))
            version = (info.dwMajorVersion << 16) | (info.dwMinorVersion & 0xFFFF);
    }
    ::FreeLibrary(comctl);
    return version;
}

int CBrowserApp::QueryColorDepth() const {
    HDC screen = ::GetDC(nullptr);
    const int bits = ::GetDeviceCaps(screen, PLANES) * ::GetDeviceCaps(screen, BITSPIXEL);
    ::ReleaseDC(nullptr, screen);
    return ClassifyColorDepth(bits);
}

void CBrowserApp::LoadSkinBitmaps() {
    const UINT ids[3] = {193, 200, 199};
    for (int i = 0; i < 3; ++i) {
        m_skin[i].handle = BitmapDraw::LoadResourceBitmap(ids[i]);
        const SIZE size = BitmapDraw::BitmapSize(m_skin[i].handle);
        m_skin[i].width = size.cx;
        m_skin[i].height = size.cy;
    }
}

void CBrowserApp::ShowStartupMessage(const std::string& text) const {
    ::MessageBoxA(nullptr, text.c_str(), LoadResString(IDS_APP_TITLE).c_str(), MB_OK);
}
