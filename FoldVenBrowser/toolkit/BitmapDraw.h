#pragma once

#include <windows.h>

// Drawing of skin bitmaps. Pixels of the colour kTransparent are left as the destination had them.
namespace BitmapDraw {

constexpr COLORREF kTransparent = RGB(255, 0, 255);

SIZE BitmapSize(HBITMAP bitmap);
// A bitmap resource of the program; the caller deletes it. Null when there is none.
HBITMAP LoadResourceBitmap(UINT id);
// Plain copy at (x, y) in the bitmap's own size.
void Draw(HDC dc, HBITMAP bitmap, int x, int y);
// Copy at (x, y) leaving kTransparent pixels untouched.
void DrawTransparent(HDC dc, HBITMAP bitmap, int x, int y);
// Repeats the bitmap transparently from (x, y): one row over `width` (height 0), one column over `height`
// (width 0), or rows of columns when both are positive. Anything else draws nothing.
void DrawTiledTransparent(HDC dc, HBITMAP bitmap, int x, int y, int width, int height);
// The same routines for a bitmap resource of the program, loaded for the call.
void DrawResource(HDC dc, UINT id, int x, int y);
void DrawResourceTiled(HDC dc, UINT id, int x, int y, int width, int height);
// A new bitmap of the given size holding `bitmap` scaled; the caller deletes it.
HBITMAP Scale(HBITMAP bitmap, int width, int height);
// A new bitmap of the given size holding the top-left part of `bitmap`; the caller deletes it.
HBITMAP Copy(HBITMAP bitmap, int width, int height);

}  // namespace BitmapDraw
