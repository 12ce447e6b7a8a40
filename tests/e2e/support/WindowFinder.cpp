#include "tests/e2e/support/WindowFinder.h"

namespace WindowFinder {

namespace {

struct EnumState {
    DWORD pid;
    bool visibleOnly;
    std::vector<HWND> found;
};

BOOL CALLBACK CollectTopLevel(HWND hwnd, LPARAM param) {
    auto* state = reinterpret_cast<EnumState*>(param);
    DWORD owner = 0;
    ::GetWindowThreadProcessId(hwnd, &owner);
    if (owner == state->pid && (!state->visibleOnly || ::IsWindowVisible(hwnd)))
        state->found.push_back(hwnd);
    return TRUE;
}

}  // namespace

std::vector<HWND> TopLevelWindowsOf(DWORD pid, bool visibleOnly) {
    EnumState state{pid, visibleOnly, {}};
    ::EnumWindows(&CollectTopLevel, reinterpret_cast<LPARAM>(&state));
    return state.found;
}

std::string ClassOf(HWND hwnd) {
    char name[256] = {};
    ::GetClassNameA(hwnd, name, sizeof(name));
    return name;
}

std::string TextOf(HWND hwnd) {
    const LRESULT length = ::SendMessageA(hwnd, WM_GETTEXTLENGTH, 0, 0);
    std::string text(static_cast<size_t>(length) + 1, '\0');
    const LRESULT copied = ::SendMessageA(hwnd, WM_GETTEXT, text.size(), reinterpret_cast<LPARAM>(&text[0]));
    text.resize(static_cast<size_t>(copied));
    return text;
}

HWND WaitForWindow(DWORD pid, const std::function<bool(HWND)>& match, DWORD milliseconds) {
    const DWORD start = ::GetTickCount();
    do {
        for (HWND hwnd : TopLevelWindowsOf(pid)) {
            if (match(hwnd))
                return hwnd;
        }
        Pause(100);
    } while (::GetTickCount() - start < milliseconds);
    return nullptr;
}

HWND WaitForWindowOfClass(DWORD pid, const std::string& className, DWORD milliseconds) {
    return WaitForWindow(
        pid, [&](HWND hwnd) { return ClassOf(hwnd) == className; }, milliseconds);
}

HWND WaitForMessageBox(DWORD pid, DWORD milliseconds) {
    return WaitForWindow(
        pid, [](HWND hwnd) { return ClassOf(hwnd) == "#32770" && ::GetDlgItem(hwnd, 0xFFFF) != nullptr; },
        milliseconds);
}

std::string MessageBoxText(HWND box) {
    return TextOf(::GetDlgItem(box, 0xFFFF));
}

void ClickButton(HWND dialog, int id) {
    ::PostMessageA(dialog, WM_COMMAND, MAKEWPARAM(id, BN_CLICKED),
                   reinterpret_cast<LPARAM>(::GetDlgItem(dialog, id)));
}

HWND ChildWithText(HWND parent, const std::string& text) {
    struct Search {
        const std::string* text;
        HWND found;
    } search{&text, nullptr};
    ::EnumChildWindows(
        parent,
        [](HWND child, LPARAM data) -> BOOL {
            auto* s = reinterpret_cast<Search*>(data);
            if (TextOf(child) != *s->text)
                return TRUE;
            s->found = child;
            return FALSE;
        },
        reinterpret_cast<LPARAM>(&search));
    return search.found;
}

HWND WaitForProgramMessage(DWORD pid, DWORD milliseconds) {
    return WaitForWindow(
        pid,
        [](HWND hwnd) {
            return ClassOf(hwnd) == "#32770" && TextOf(hwnd).empty() && ::GetDlgItem(hwnd, 0xFFFF);
        },
        milliseconds);
}

HWND WaitForLoginDialog(DWORD pid, DWORD milliseconds) {
    return WaitForWindow(
        pid, [](HWND hwnd) { return ClassOf(hwnd) == "#32770" && ::GetDlgItem(hwnd, 1001); }, milliseconds);
}

std::string TakeProgramMessage(DWORD pid, DWORD milliseconds) {
    HWND message = WaitForProgramMessage(pid, milliseconds);
    if (message == nullptr)
        return "(no message)";
    const std::string text = MessageBoxText(message);
    ClickControl(ChildWithText(message, "닫기"));
    WaitUntil([message] { return !::IsWindow(message); }, milliseconds);
    return text;
}

void ClickControl(HWND control) {
    ::PostMessageA(control, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(3, 3));
    ::PostMessageA(control, WM_LBUTTONUP, 0, MAKELPARAM(3, 3));
}

bool WaitUntil(const std::function<bool()>& condition, DWORD milliseconds) {
    const DWORD start = ::GetTickCount();
    while (!condition()) {
        if (::GetTickCount() - start >= milliseconds)
            return false;
        Pause(50);
    }
    return true;
}

void Pause(DWORD milliseconds) {
    const DWORD start = ::GetTickCount();
    while (::GetTickCount() - start < milliseconds) {
        MSG msg;
        while (::PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE))
            ::DispatchMessageA(&msg);
        ::Sleep(20);
    }
}

}  // namespace WindowFinder
