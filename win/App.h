#pragma once

#include <windows.h>

#include <vector>

// Sees every message of the loop before it is dispatched; true swallows it.
class ILoopMessageFilter {
public:
    virtual ~ILoopMessageFilter() = default;
    virtual bool PreTranslateMessage(MSG& msg) = 0;
};

// The application object: the one main window whose destruction ends the message loop.
class CApp {
public:
    CApp();
    virtual ~CApp();

    static CApp* Get() { return s_instance; }

    HWND GetMainWnd() const { return m_hMainWnd; }
    void SetMainWnd(HWND hwnd) { m_hMainWnd = hwnd; }

    // Pumps messages until WM_QUIT; returns its exit code.
    int RunMessageLoop() const;

    void AddMessageFilter(ILoopMessageFilter* filter) { m_filters.push_back(filter); }
    void RemoveMessageFilter(ILoopMessageFilter* filter);

    // Called by the window layer when a window is destroyed: the main window's end quits the loop.
    void OnWindowDestroyed(HWND hwnd);

private:
    static CApp* s_instance;
    bool FilterMessage(MSG& msg) const;

    HWND m_hMainWnd = nullptr;
    std::vector<ILoopMessageFilter*> m_filters;
};
