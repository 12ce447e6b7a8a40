#pragma once

#include <windows.h>

#include <functional>

// A hidden window owned by the user-interface thread. A worker hands it a call with the synchronous
// message 0x500 and waits until the user-interface thread has run it.
class CCallWindow {
public:
    static constexpr UINT kRunCallMessage = 0x500;

    bool Create();
    void Destroy();
    HWND GetSafeHwnd() const { return m_hWnd; }
    // Runs `call` on the thread that created the window; returns when it has run.
    void RunOnUiThread(const std::function<void()>& call) const;

    ~CCallWindow() { Destroy(); }

private:
    static LRESULT CALLBACK WindowProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);
    HWND m_hWnd = nullptr;
};
