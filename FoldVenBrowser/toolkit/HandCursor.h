#pragma once

#include <windows.h>

// The hand cursor of links and skinned buttons: a private copy of cursor 106 of winhlp32.exe in the
// Windows folder, or the system's hand cursor where that file has none. Destroying a shared system
// cursor is not allowed, so the object remembers which of the two it holds.
class CHandCursor {
public:
    CHandCursor() = default;
    ~CHandCursor();
    CHandCursor(const CHandCursor&) = delete;
    CHandCursor& operator=(const CHandCursor&) = delete;

    void Load();
    HCURSOR Get() const { return m_hCursor; }

private:
    HCURSOR m_hCursor = nullptr;
    bool m_owned = false;
};
