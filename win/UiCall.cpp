#include "win/UiCall.h"

#include <atomic>

namespace {

constexpr const char* kClassName = "FoldVenCallWindow";

// Workers read the handle while the user-interface thread may let the window go.
std::atomic<HWND> s_callbackHwnd{nullptr};

LRESULT CALLBACK CallbackWindowProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == CUiCall::kMessage) {
        CUiCall::Run(lParam);
        return 0;
    }
    return ::DefWindowProcA(hwnd, message, wParam, lParam);
}

}  // namespace

LRESULT CUiCall::RunOnUiThread(Function call, void* argument) {
    function = call;
    data = argument;
    const HWND window = s_callbackHwnd.load();
    if (!window)
        return 0;
    return ::SendMessageA(window, kMessage, 0, reinterpret_cast<LPARAM>(this));
}

bool CUiCall::PostTo(HWND window) const {
    return ::PostMessageA(window, kMessage, 0, reinterpret_cast<LPARAM>(this)) != FALSE;
}

void CUiCall::Run(LPARAM record) {
    const auto* call = reinterpret_cast<const CUiCall*>(record);
    if (call && call->function)
        call->function(call->data);
}

bool CreateCallbackWindow() {
    if (s_callbackHwnd.load())
        return true;
    WNDCLASSA wc{};
    wc.lpfnWndProc = &CallbackWindowProc;
    wc.hInstance = ::GetModuleHandleA(nullptr);
    wc.lpszClassName = kClassName;
    ::RegisterClassA(&wc);  // fails harmlessly when already registered
    const HWND window =
        ::CreateWindowExA(0, kClassName, "", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr, wc.hInstance, nullptr);
    s_callbackHwnd = window;
    return window != nullptr;
}

void DestroyCallbackWindow() {
    const HWND window = s_callbackHwnd.exchange(nullptr);
    if (window)
        ::DestroyWindow(window);
}
