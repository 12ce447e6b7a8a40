#include <windows.h>

#include "platform/MessageOwner.h"
#include "platform/UiHooks.h"
#include "platform/UiWait.h"

namespace {

MessageDialogHandler g_messageDialog = nullptr;

class CWin32UiHooks : public IUiHooks {
public:
    int MessageBox(OwnerWindow owner, const std::string& text, const std::string& caption,
                   unsigned flags) override {
        return ::MessageBoxA(MessageOwnerFor(reinterpret_cast<HWND>(owner)), text.c_str(), caption.c_str(),
                             flags);
    }

    void ShowMessage(OwnerWindow owner, const std::string& text) override {
        HWND window = MessageOwnerFor(reinterpret_cast<HWND>(owner));
        if (g_messageDialog) {
            g_messageDialog(reinterpret_cast<OwnerWindow>(window), text);
        } else {
            ::MessageBoxA(window, text.c_str(), "", MB_OK);
        }
    }

    std::string LoadString(unsigned id) override {
        char buffer[1024];
        const int n = ::LoadStringA(::GetModuleHandleA(nullptr), id, buffer, sizeof(buffer));
        return std::string(buffer, n > 0 ? static_cast<std::size_t>(n) : 0);
    }

    // The waiting loop: windows paint and answer, input starts nothing in the middle of a request.
    void PumpMessages() override { UiWait::PumpOnce(); }
    void BeginBusy() override { UiWait::BeginBusy(); }
    void EndBusy() override { UiWait::EndBusy(); }
};

}  // namespace

IUiHooks& SystemUiHooks() {
    static CWin32UiHooks hooks;
    return hooks;
}

void SetMessageDialogHandler(MessageDialogHandler handler) {
    g_messageDialog = handler;
}
