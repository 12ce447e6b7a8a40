#pragma once

#include <windows.h>

// The application object: the one main window whose destruction ends the message loop.
class CApp {
public:
    CApp();
    virtual ~CApp();

    static CApp* Get() { return s_instance; }

    HWND GetMainWnd() const { return m_hMainWnd; }
    void SetMainWnd(HWND hwnd) { m_hMainWnd = hwnd; }

    // Pumps messages until WM_QUIT; returns its exit code.
    static int RunMessageLoop();

    // Called by the window layer when a window is destroyed: the main window's end quits the loop.
    void OnWindowDestroyed(HWND hwnd);

private:
    static CApp* s_instance;
    HWND m_hMainWnd = nullptr;
};
