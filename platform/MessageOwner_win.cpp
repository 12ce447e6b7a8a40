#include "platform/MessageOwner.h"

namespace {

bool IsShown(HWND window) {
    return window && ::IsWindow(window) && ::IsWindowVisible(::GetAncestor(window, GA_ROOT));
}

bool IsOwnProcess(HWND window) {
    DWORD process = 0;
    ::GetWindowThreadProcessId(window, &process);
    return process == ::GetCurrentProcessId();
}

}  // namespace

HWND MessageOwnerFor(HWND given) {
    if (IsShown(given))
        return given;
    if (HWND active = ::GetActiveWindow(); IsShown(active))
        return active;
    if (HWND foreground = ::GetForegroundWindow(); IsShown(foreground) && IsOwnProcess(foreground))
        return foreground;
    return given;
}
