#pragma once

#include <windows.h>

// The owner a message box or message dialog gets: the given window while it (its top-level window) is
// shown, else the window the user is looking at in this program — the active window of the calling
// thread, or the program's foreground window — so that no box opens behind a topmost window of its own
// program. The given window when neither exists.
HWND MessageOwnerFor(HWND given);
