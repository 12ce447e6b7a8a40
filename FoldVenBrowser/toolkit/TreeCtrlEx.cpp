#include "FoldVenBrowser/toolkit/TreeCtrlEx.h"

void CTreeCtrlEx::PaintOffScreen() {
    PAINTSTRUCT paint{};
    HDC screen = ::BeginPaint(m_hWnd, &paint);
    RECT client = GetClientRect();
    RECT clip{};
    ::GetClipBox(screen, &clip);
    HDC memory = ::CreateCompatibleDC(screen);
    HBITMAP bitmap = ::CreateCompatibleBitmap(screen, client.right, client.bottom);
    if (memory && bitmap) {
        HGDIOBJ old = ::SelectObject(memory, bitmap);
        ::IntersectClipRect(memory, clip.left, clip.top, clip.right, clip.bottom);
        // Given a device context the control paints its items only: its background comes first.
        Default(WM_ERASEBKGND, reinterpret_cast<WPARAM>(memory), 0);
        Default(WM_PAINT, reinterpret_cast<WPARAM>(memory), 0);
        ::BitBlt(screen, clip.left, clip.top, clip.right - clip.left, clip.bottom - clip.top, memory,
                 clip.left, clip.top, SRCCOPY);
        ::SelectObject(memory, old);
    } else {
        // Out of GDI resources: paint directly rather than not at all.
        Default(WM_ERASEBKGND, reinterpret_cast<WPARAM>(screen), 0);
        Default(WM_PAINT, reinterpret_cast<WPARAM>(screen), 0);
    }
    if (bitmap)
        ::DeleteObject(bitmap);
    if (memory)
        ::DeleteDC(memory);
    ::EndPaint(m_hWnd, &paint);
}

LRESULT CTreeCtrlEx::WindowProc(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case WM_PAINT:
            if (wParam != 0)
                break;  // painting into a given device context already
            PaintOffScreen();
            return 0;
        case WM_ERASEBKGND:
            return 1;  // the off-screen paint erases, in the bitmap
        default:
            break;
    }
    return Default(message, wParam, lParam);
}
