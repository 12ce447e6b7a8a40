#pragma once

#include <windows.h>

// Small window helpers shared by the catalogue views and the main window.

// True for the key-down of Enter or Escape, which the views swallow so that no dialog closes by key.
bool IsDialogKey(const MSG* msg);

// The small system-image-list index of the icon the shell shows for `path` as a file or folder (its open
// look when `open`); 0 when the shell has none.
int GetShellIconIndex(const char* path, bool folder, bool open);

// The WM_NCHITTEST answer at screen point (x, y) for a window without a system frame: the top
// `captionHeight` pixels (5 in from the edges) drag it; with `resizable` its edges and corners size it.
UINT FrameHitTest(HWND window, int x, int y, int captionHeight, bool resizable);

// The same rule on a given window rectangle.
UINT FrameHitTestRect(const RECT& window, int x, int y, int captionHeight, bool resizable);
