#pragma once

#include <cstdint>
#include <string>

// Opaque owner window of a message (HWND on Windows); 0 for none.
using OwnerWindow = std::uintptr_t;

// What the portable core shows the user. The programs implement it with system message boxes and the
// program's own message dialog; tests record the calls to check what the user would have seen.
class IUiHooks {
public:
    virtual ~IUiHooks() = default;
    // A standard system message box; `flags` are the MB_* values. Returns the button pressed (IDOK = 1).
    virtual int MessageBox(OwnerWindow owner, const std::string& text, const std::string& caption,
                           unsigned flags) = 0;
    // The program's own modal message dialog with an empty title.
    virtual void ShowMessage(OwnerWindow owner, const std::string& text) = 0;
    // A text of the program's string table, by its ID.
    virtual std::string LoadString(unsigned id) = 0;
    // Keeps the windows alive while a request blocks the user-interface thread.
    virtual void PumpMessages() = 0;
    // A request with all its attempts runs between these two (they nest): the program shows the wait
    // cursor and lets no input start other work until the outermost one ends.
    virtual void BeginBusy() {}
    virtual void EndBusy() {}
};

// BeginBusy and EndBusy of one scope; `ui` may be null.
class CUiBusy {
public:
    explicit CUiBusy(IUiHooks* ui) : m_pUi(ui) {
        if (m_pUi)
            m_pUi->BeginBusy();
    }
    ~CUiBusy() {
        if (m_pUi)
            m_pUi->EndBusy();
    }
    CUiBusy(const CUiBusy&) = delete;
    CUiBusy& operator=(const CUiBusy&) = delete;

private:
    IUiHooks* m_pUi;
};

// The MB_* values the core uses (same numbers as the Windows headers).
namespace MessageFlags {
constexpr unsigned kOk = 0x0;
constexpr unsigned kIconStop = 0x10;
constexpr unsigned kIconExclamation = 0x30;
constexpr unsigned kIconInformation = 0x40;
}  // namespace MessageFlags

// The program's hooks: system message boxes, the program's string table, painting while a call blocks.
IUiHooks& SystemUiHooks();

// Routes ShowMessage to the program's own message dialog; until a handler is set, a system message box
// shows the text.
using MessageDialogHandler = void (*)(OwnerWindow owner, const std::string& text);
void SetMessageDialogHandler(MessageDialogHandler handler);
