#pragma once

#include <windows.h>

#include <shellapi.h>

#include <string>

// The program's icon in the notification area. Mouse events on it arrive at the owner as the callback
// message, with the event in the low word of lParam. The icon goes when the object goes.
class CSystemTray {
public:
    CSystemTray() = default;
    CSystemTray(const CSystemTray&) = delete;
    CSystemTray& operator=(const CSystemTray&) = delete;
    ~CSystemTray() { Destroy(); }

    // False (and no icon) on a system without a notification area or when the shell refuses the icon.
    bool Create(HWND owner, UINT callbackMessage, const std::string& tip, HICON icon, UINT iconId);
    // Removes the icon (only once) and the hidden window.
    void Destroy();
    bool IsAdded() const { return m_added; }
    // Explorer broadcasts this registered message when it starts again with an empty notification area.
    static UINT TaskbarCreatedMessage();
    // Adds the icon again after such a restart; false when no icon was created or the shell refused it.
    bool AddAgain();
    HWND HiddenWindow() const { return m_hWnd; }

private:
    NOTIFYICONDATAA m_data{};
    HWND m_hWnd = nullptr;
    bool m_added = false;
};
