#include "VenUpdater/app/SystemUiHooks.h"

#include <windows.h>

int CSystemUiHooks::MessageBox(OwnerWindow owner, const std::string& text, const std::string& caption,
                               unsigned flags) {
    return ::MessageBoxA(reinterpret_cast<HWND>(owner), text.c_str(), caption.c_str(), flags);
}

void CSystemUiHooks::ShowMessage(OwnerWindow owner, const std::string& text) {
    MessageBox(owner, text, "", MB_OK);
}

std::string CSystemUiHooks::LoadString(unsigned id) {
    char buffer[1024];
    const int n = ::LoadStringA(::GetModuleHandleA(nullptr), id, buffer, sizeof(buffer));
    return std::string(buffer, n > 0 ? static_cast<size_t>(n) : 0);
}

void CSystemUiHooks::PumpMessages() {
    MSG msg;
    while (::PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
        if (msg.message == WM_QUIT) {
            ::PostQuitMessage(static_cast<int>(msg.wParam));
            return;
        }
        ::TranslateMessage(&msg);
        ::DispatchMessageA(&msg);
    }
}
