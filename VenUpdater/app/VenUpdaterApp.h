#pragma once

#include <windows.h>

#include <array>
#include <string>

#include "win/App.h"
#include "win/SystemSessions.h"

// The application object: single instance, window class, sockets, and the hosts of the update pass.
class CVenUpdaterApp : public CApp {
public:
    static constexpr const char* kMutexName = "FoldVenUpdaterMutex";
    static constexpr const char* kWindowClass = "FoldVenUpdaterClass";

    ~CVenUpdaterApp() override;
    static CVenUpdaterApp* Get() { return static_cast<CVenUpdaterApp*>(CApp::Get()); }

    // The whole run; always false, so the program ends when its window has closed.
    bool InitInstance();
    // Lets a new instance start (the launch step's first action).
    void ReleaseInstanceMutex();

    std::string m_strApiHost;
    std::string m_strFilesBaseUrl;
    std::array<std::string, 4> m_launchArguments;  // passed to the browser after the token; always empty
    // The elevated copy that does one update pass for the user's updater (ElevatedPass): no single-instance
    // check, no browser, no shortcut; its exit code tells the pass's result.
    bool m_elevatedCopy = false;
    DWORD m_exitCode = 0;

private:
    HANDLE m_hMutex = nullptr;
    COleSession m_ole;
    CWinsockSession m_sockets;
};
