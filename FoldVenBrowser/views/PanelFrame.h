#pragma once

#include <windows.h>

// The frame of bitmaps around the tree panel and the right-hand view: corners, edges and a white inside.
// The frame is 3 pixels wide; panels inside are placed at (3, 3) with the size less 6.
namespace PanelFrame {

constexpr int kInset = 3;

void Paint(HDC dc, int width, int height);
// Handles WM_PAINT of a framed panel: the frame over the whole client area.
void PaintWindow(HWND window);

}  // namespace PanelFrame
