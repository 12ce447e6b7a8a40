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

bool ActivateWindowOfClass(const char* className) {
    HWND previous = ::FindWindowA(className, nullptr);
    if (!previous)
        return false;
    HWND popup = ::GetLastActivePopup(previous);
    if (::IsIconic(previous))
        ::ShowWindow(previous, SW_RESTORE);
    ::SetForegroundWindow(popup ? popup : previous);
    return true;
}
