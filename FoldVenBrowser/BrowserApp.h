#pragma once

#include <windows.h>

#include <memory>
#include <string>
#include <vector>

#include "FoldVenBrowser/app/BrowserSettings.h"
#include "FoldVenBrowser/app/LaunchOptions.h"
#include "FoldVenBrowser/app/SessionInfo.h"
#include "FoldVenBrowser/ui/AppServices.h"
#include "FoldVenBrowser/web/ControlContainer.h"
#include "win/App.h"
#include "win/SystemSessions.h"

class CLoginDlg;
class CMainDlg;

// A skin bitmap with its size, loaded once after login for the main window's frame.
struct SkinBitmap {
    HBITMAP handle = nullptr;
    int width = 0;
    int height = 0;
};

// The application object: start-up order, login, and the message loop of the main window. It hands
// itself to the login dialog and the main window as what they take from the application.
class CBrowserApp : public CApp, public IAppServices {
public:
    static constexpr const char* kMutexName = "FoldVenMutex";
    static constexpr const char* kWindowClass = "FOldVenClass";

    explicit CBrowserApp(std::vector<std::string> args);
    ~CBrowserApp() override;

    static CBrowserApp* Get() { return static_cast<CBrowserApp*>(CApp::Get()); }

    // The whole start-up and, on the successful path, the message loop. False whenever the program ends.
    bool InitInstance();
    bool Login(const std::string& userId, const std::string& password) override;
    void CommitLoginOptions();
    int ActivatePreviousInstance();
    void RefreshUpdater();

    CBrowserSettings& Settings() override { return m_settings; }
    CSessionInfo& Session() override { return m_session; }
    bool IsLoggedIn() const override { return m_bLoggedIn != 0; }
    int ColorDepth() const override { return m_nColorDepth; }
    std::uint32_t ComCtlVersion() const override { return m_dwComCtlVersion; }

    CBrowserSettings m_settings;
    CSessionInfo m_session;
    std::uint32_t m_bLoggedIn = 0;
    CLoginDlg* m_pLoginDlg = nullptr;
    int m_nColorDepth = 0;
    std::uint32_t m_dwComCtlVersion = 0x40000;
    SkinBitmap m_skin[3];  // bitmaps 193, 200, 199

private:
    // The steps of InitInstance. False from the first two when the program ends there; LogInAtStart is
    // true once logged in, automatically or through the login dialog.
    bool TakeInstanceMutex();
    bool StartServices();
    void LoadStartState();
    bool LogInAtStart(const LaunchOptions& options);
    void RunMainWindow();
    std::uint32_t QueryComCtlVersion() const;
    int QueryColorDepth() const;
    void LoadSkinBitmaps();
    void ShowStartupMessage(const std::string& text) const;

    std::vector<std::string> m_args;
    HANDLE m_hMutex = nullptr;
    COleSession m_ole;
    CWinsockSession m_sockets;
    CControlContainerManager m_controlContainer;
    std::unique_ptr<CMainDlg> m_pMainDlg;
};
