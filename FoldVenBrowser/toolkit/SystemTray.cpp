#include "FoldVenBrowser/toolkit/SystemTray.h"

#include <cstring>

namespace {

constexpr const char* kClassName = "FoldVenTrayWindow";

void RegisterTrayClass() {
    WNDCLASSA wc{};
    if (::GetClassInfoA(::GetModuleHandleA(nullptr), kClassName, &wc))
        return;
    wc.lpfnWndProc = ::DefWindowProcA;
    wc.hInstance = ::GetModuleHandleA(nullptr);
    wc.lpszClassName = kClassName;
    ::RegisterClassA(&wc);
}

}  // namespace

bool CSystemTray::Create(HWND owner, UINT callbackMessage, const std::string& tip, HICON icon, UINT iconId) {
    if (LOBYTE(LOWORD(::GetVersion())) < 4)
        return false;  // no notification area
    Destroy();
    RegisterTrayClass();
    m_hWnd = ::CreateWindowExA(0, kClassName, "", WS_POPUP, 0, 0, 10, 10, nullptr, nullptr,
                               ::GetModuleHandleA(nullptr), nullptr);
    m_data = NOTIFYICONDATAA{};
    m_data.cbSize = sizeof(m_data);  // the record as this program fills it, on x64 too
    m_data.hWnd = owner ? owner : m_hWnd;
    m_data.uID = iconId;
    m_data.uCallbackMessage = callbackMessage;
    m_data.hIcon = icon;
    m_data.uFlags = NIF_MESSAGE | NIF_ICON | NIF_TIP;
    // The record's tip field holds 63 bytes and the terminator.
    std::strncpy(m_data.szTip, tip.c_str(), 63);
    m_data.szTip[63] = '\0';
    m_added = ::Shell_NotifyIconA(NIM_ADD, &m_data) != FALSE;
    return m_added;
}

UINT CSystemTray::TaskbarCreatedMessage() {
    static const UINT message = ::RegisterWindowMessageA("TaskbarCreated");
    return message;
}

bool CSystemTray::AddAgain() {
    if (!m_data.hWnd)
        return false;
    m_added = ::Shell_NotifyIconA(NIM_ADD, &m_data) != FALSE;
    return m_added;
}

void CSystemTray::Destroy() {
    if (m_added) {
        ::Shell_NotifyIconA(NIM_DELETE, &m_data);
        m_added = false;
    }
    if (m_hWnd) {
        ::DestroyWindow(m_hWnd);
        m_hWnd = nullptr;
    }
}
