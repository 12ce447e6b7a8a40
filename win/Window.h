#pragma once

#include <windows.h>

#include <string>

// A thin, non-owning wrapper of one window handle.
class CWindow {
public:
    CWindow() = default;
    explicit CWindow(HWND hwnd) : m_hWnd(hwnd) {}
    virtual ~CWindow() = default;

    HWND GetSafeHwnd() const { return m_hWnd; }
    operator HWND() const { return m_hWnd; }
    bool IsWindow() const { return m_hWnd && ::IsWindow(m_hWnd); }

    std::string GetText() const;
    void SetText(const std::string& text) const { ::SetWindowTextA(m_hWnd, text.c_str()); }
    HWND GetDlgItem(int id) const { return ::GetDlgItem(m_hWnd, id); }
    std::string GetDlgItemText(int id) const { return CWindow(GetDlgItem(id)).GetText(); }
    void SetDlgItemText(int id, const std::string& text) const {
        ::SetDlgItemTextA(m_hWnd, id, text.c_str());
    }
    bool Show(int command) const { return ::ShowWindow(m_hWnd, command) != FALSE; }
    LRESULT Send(UINT message, WPARAM w = 0, LPARAM l = 0) const {
        return ::SendMessageA(m_hWnd, message, w, l);
    }
    bool Post(UINT message, WPARAM w = 0, LPARAM l = 0) const {
        return ::PostMessageA(m_hWnd, message, w, l) != FALSE;
    }
    RECT GetClientRect() const;
    RECT GetWindowRect() const;

protected:
    HWND m_hWnd = nullptr;
};
