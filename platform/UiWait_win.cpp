#include <windows.h>

#include <vector>

#include "platform/UiWait.h"

namespace {

// A queue that refills itself (a window that never validates its paint) cannot hold the wait here for
// good: one pump handles at most this many messages.
constexpr int kMostPerPump = 500;

thread_local int t_depth = 0;
thread_local std::vector<MSG> t_held;
thread_local HCURSOR t_cursorBefore = nullptr;

bool IsUserInput(UINT message) {
    return (message >= WM_KEYFIRST && message <= WM_KEYLAST) ||
           (message >= WM_MOUSEFIRST && message <= WM_MOUSELAST) ||
           (message >= WM_NCMOUSEMOVE && message <= WM_NCXBUTTONDBLCLK) || message == WM_INPUT;
}

// Messages that start work of their own: commands, closing, quitting and the program's own messages.
bool IsHeldBack(UINT message) {
    return message == WM_COMMAND || message == WM_SYSCOMMAND || message == WM_CLOSE || message == WM_QUIT ||
           (message >= WM_USER && message <= 0xBFFF);
}

void PostHeldMessages() {
    std::vector<MSG> held;
    held.swap(t_held);
    for (const MSG& msg : held) {
        if (msg.message == WM_QUIT)
            ::PostQuitMessage(static_cast<int>(msg.wParam));
        else if (msg.hwnd == nullptr)
            ::PostThreadMessageA(::GetCurrentThreadId(), msg.message, msg.wParam, msg.lParam);
        else if (::IsWindow(msg.hwnd))
            ::PostMessageA(msg.hwnd, msg.message, msg.wParam, msg.lParam);
    }
}

}  // namespace

namespace UiWait {

void PumpOnce() {
    MSG msg;
    for (int n = 0; n < kMostPerPump && ::PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE); ++n) {
        if (IsUserInput(msg.message))
            continue;
        if (IsHeldBack(msg.message)) {
            t_held.push_back(msg);
            continue;
        }
        ::DispatchMessageA(&msg);
    }
    if (t_depth == 0)
        PostHeldMessages();
    else
        ::SetCursor(::LoadCursorA(nullptr, IDC_WAIT));
}

bool Wait(void* handle, unsigned milliseconds) {
    CBusyScope busy;
    HANDLE object = static_cast<HANDLE>(handle);
    const ULONGLONG deadline = ::GetTickCount64() + milliseconds;
    for (;;) {
        if (object && ::WaitForSingleObject(object, 0) == WAIT_OBJECT_0)
            return true;
        PumpOnce();
        const ULONGLONG now = ::GetTickCount64();
        if (now >= deadline)
            return object && ::WaitForSingleObject(object, 0) == WAIT_OBJECT_0;
        const DWORD left = static_cast<DWORD>(deadline - now);
        const DWORD r = ::MsgWaitForMultipleObjectsEx(object ? 1 : 0, object ? &object : nullptr, left,
                                                      QS_ALLINPUT, MWMO_INPUTAVAILABLE);
        if (r == WAIT_FAILED)
            ::Sleep(left < 15 ? left : 15);
    }
}

void BeginBusy() {
    if (t_depth++ == 0)
        t_cursorBefore = ::SetCursor(::LoadCursorA(nullptr, IDC_WAIT));
}

void EndBusy() {
    if (--t_depth != 0)
        return;
    ::SetCursor(t_cursorBefore);
    PostHeldMessages();
}

}  // namespace UiWait
