#include "win/CallWindow.h"

namespace {
constexpr const char* kClassName = "FoldVenCallWindow";
}

bool CCallWindow::Create() {
    if (m_hWnd)
        return true;
    WNDCLASSA wc{};
    wc.lpfnWndProc = &CCallWindow::WindowProc;
    wc.hInstance = ::GetModuleHandleA(nullptr);
    wc.lpszClassName = kClassName;
    ::RegisterClassA(&wc);  // fails harmlessly when already registered
    m_hWnd =
        ::CreateWindowExA(0, kClassName, "", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr, wc.hInstance, nullptr);
    return m_hWnd != nullptr;
}

void CCallWindow::Destroy() {
    if (m_hWnd)
        ::DestroyWindow(m_hWnd);
    m_hWnd = nullptr;
}

void CCallWindow::RunOnUiThread(const std::function<void()>& call) const {
    ::SendMessageA(m_hWnd, kRunCallMessage, 0, reinterpret_cast<LPARAM>(&call));
}

LRESULT CALLBACK CCallWindow::WindowProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == kRunCallMessage && lParam) {
        (*reinterpret_cast<const std::function<void()>*>(lParam))();
        return 0;
    }
    return ::DefWindowProcA(hwnd, message, wParam, lParam);
}
