#pragma once

#include <windows.h>

#include <functional>
#include <vector>

#include "win/SubclassWindow.h"

// A hidden top-level window for toolkit and view tests: it reflects owner-draw requests to its controls, as
// the dialog base does, records the messages the controls send it and hands their notifications to
// `onNotify`.
class CTestParent {
public:
    struct Received {
        UINT message;
        WPARAM wParam;
        LPARAM lParam;
    };

    // Shown only where a test needs painting: Wine waits for the display to hide a window again.
    explicit CTestParent(bool visible = false, int width = 300, int height = 200) {
        WNDCLASSA wc{};
        wc.lpfnWndProc = &CTestParent::Proc;
        wc.hInstance = ::GetModuleHandleA(nullptr);
        wc.lpszClassName = "FvToolkitTestParent";
        ::RegisterClassA(&wc);
        m_hWnd =
            ::CreateWindowExA(0, wc.lpszClassName, "test", WS_OVERLAPPEDWINDOW | (visible ? WS_VISIBLE : 0),
                              50, 50, width, height, nullptr, nullptr, wc.hInstance, this);
    }
    ~CTestParent() { ::DestroyWindow(m_hWnd); }

    HWND Hwnd() const { return m_hWnd; }
    // A visible child control of this window.
    HWND Child(const char* className, const char* text, DWORD style, RECT at) const {
        return ::CreateWindowExA(0, className, text, WS_CHILD | WS_VISIBLE | style, at.left, at.top,
                                 at.right - at.left, at.bottom - at.top, m_hWnd, nullptr,
                                 ::GetModuleHandleA(nullptr), nullptr);
    }
    std::vector<Received> received;
    std::function<bool(NMHDR*, LRESULT&)> onNotify;

    size_t Count(UINT message) const {
        size_t n = 0;
        for (const Received& r : received)
            n += r.message == message ? 1 : 0;
        return n;
    }

    static void Pump() {
        MSG msg;
        while (::PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
            ::TranslateMessage(&msg);
            ::DispatchMessageA(&msg);
        }
    }

private:
    static LRESULT CALLBACK Proc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
        if (message == WM_NCCREATE) {
            auto* create = reinterpret_cast<CREATESTRUCTA*>(lParam);
            ::SetWindowLongPtrA(hwnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(create->lpCreateParams));
        }
        auto* self = reinterpret_cast<CTestParent*>(::GetWindowLongPtrA(hwnd, GWLP_USERDATA));
        if (message == WM_DRAWITEM) {
            HWND control = reinterpret_cast<DRAWITEMSTRUCT*>(lParam)->hwndItem;
            return ::SendMessageA(control, CSubclassWindow::kReflectBase + WM_DRAWITEM, wParam, lParam);
        }
        LRESULT result = 0;
        if (message == WM_NOTIFY && self && self->onNotify &&
            self->onNotify(reinterpret_cast<NMHDR*>(lParam), result))
            return result;
        if (self && message >= WM_USER && message < 0x8000)
            self->received.push_back({message, wParam, lParam});
        return ::DefWindowProcA(hwnd, message, wParam, lParam);
    }

    HWND m_hWnd = nullptr;
};

// A bitmap of one colour.
inline HBITMAP SolidBitmap(int width, int height, COLORREF colour) {
    HDC screen = ::GetDC(nullptr);
    HBITMAP bitmap = ::CreateCompatibleBitmap(screen, width, height);
    HDC dc = ::CreateCompatibleDC(screen);
    HGDIOBJ old = ::SelectObject(dc, bitmap);
    HBRUSH brush = ::CreateSolidBrush(colour);
    RECT rc{0, 0, width, height};
    ::FillRect(dc, &rc, brush);
    ::DeleteObject(brush);
    ::SelectObject(dc, old);
    ::DeleteDC(dc);
    ::ReleaseDC(nullptr, screen);
    return bitmap;
}
