#include "win/InstanceWindow.h"

#include <windows.h>

bool RegisterDialogClass(const char* className) {
    WNDCLASSA wc{};
    if (!::GetClassInfoA(nullptr, "#32770", &wc))
        return false;
    wc.hInstance = ::GetModuleHandleA(nullptr);
    wc.lpszClassName = className;
    return ::RegisterClassA(&wc) != 0;
}

void BringWindowBack(HWND window) {
    if (::IsIconic(window))
        ::ShowWindow(window, SW_RESTORE);  // also shows a window hidden while minimised
    else if (!::IsWindowVisible(window))
        ::ShowWindow(window, SW_SHOW);
    HWND popup = ::GetLastActivePopup(window);
    ::SetForegroundWindow(popup ? popup : window);
}

bool ActivateWindowOfClass(const char* className) {
    HWND previous = ::FindWindowA(className, nullptr);
    if (!previous)
        return false;
    BringWindowBack(previous);
    return true;
}
