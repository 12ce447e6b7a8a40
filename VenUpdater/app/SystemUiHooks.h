#pragma once

// windows.h first: its MessageBox and LoadString macros then rename these members consistently.
#include <windows.h>

#include "platform/UiHooks.h"

// The updater's messages: system message boxes and its own string table.
class CSystemUiHooks : public IUiHooks {
public:
    int MessageBox(OwnerWindow owner, const std::string& text, const std::string& caption,
                   unsigned flags) override;
    void ShowMessage(OwnerWindow owner, const std::string& text) override;
    std::string LoadString(unsigned id) override;
    void PumpMessages() override;
};
