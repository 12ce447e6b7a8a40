#pragma once

#include <windows.h>

#include <memory>
#include <string>
#include <vector>

#include "FoldVenBrowser/app/BrowserSettings.h"
#include "FoldVenBrowser/app/LaunchOptions.h"
#include "FoldVenBrowser/app/SessionInfo.h"
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

// The application object: start-up order, login, and the message loop of the main window.
class CBrowserApp : public CApp {
public:
    static constexpr const char* kMutexName = "FoldVenMutex";
    static constexpr const char* kWindowClass = "FOldVenClass";

    explicit CBrowserApp(std::vector<std::string> args);
    ~CBrowserApp() override;

    static CBrowserApp* Get() { return static_cast<CBrowserApp*>(CApp::Get()); }

    // The whole start-up and, on the successful path, the message loop. False whenever the program ends.
    bool InitInstance();
    bool Login(const std::string& userId, const std::string& password);
    void CommitLoginOptions();
    int ActivatePreviousInstance();
    void RefreshUpdater();

    CBrowserSettings m_settings;
    CSessionInfo m_session;
    std::uint32_t m_bLoggedIn = 0;
    CLoginDlg* m_pLoginDlg = nullptr;
    int m_nColorDepth = 0;
    std::uint32_t m_dwComCtlVersion = 0x40000;
    SkinBitmap m_skin[3];  // bitmaps 193, 200, 199

private:
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

// Loads a string from the program's string table (CP949).
std::string LoadResString(UINT id);
