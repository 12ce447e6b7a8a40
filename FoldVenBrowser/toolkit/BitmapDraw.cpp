#include "FoldVenBrowser/toolkit/BitmapDraw.h"

namespace BitmapDraw {

namespace {

// A memory DC with one bitmap selected, restored and freed on scope exit.
class CMemoryDC {
public:
    CMemoryDC(HDC reference, HBITMAP bitmap) : m_dc(::CreateCompatibleDC(reference)) {
        m_old = ::SelectObject(m_dc, bitmap);
    }
    ~CMemoryDC() {
        ::SelectObject(m_dc, m_old);
        ::DeleteDC(m_dc);
    }
    CMemoryDC(const CMemoryDC&) = delete;
    CMemoryDC& operator=(const CMemoryDC&) = delete;
    operator HDC() const { return m_dc; }

private:
    HDC m_dc;
    HGDIOBJ m_old;
};

// Composes `bitmap` over the destination's pixels at (x, y) into a new bitmap of the same size.
HBITMAP ComposeOver(HDC dc, HBITMAP bitmap, int x, int y, SIZE size) {
    HBITMAP mask = ::CreateBitmap(size.cx, size.cy, 1, 1, nullptr);
    HBITMAP work = ::CreateCompatibleBitmap(dc, size.cx, size.cy);
    {
        CMemoryDC source(dc, bitmap);
        CMemoryDC maskDc(dc, mask);
        CMemoryDC workDc(dc, work);
        // Mask bits are 1 where the bitmap is transparent.
        ::SetBkColor(source, kTransparent);
        ::BitBlt(maskDc, 0, 0, size.cx, size.cy, source, 0, 0, SRCCOPY);
        ::BitBlt(workDc, 0, 0, size.cx, size.cy, dc, x, y, SRCCOPY);
        // Text and background colours decide how the monochrome mask expands: 1 -> white, 0 -> black.
        ::SetBkColor(workDc, RGB(255, 255, 255));
        ::SetTextColor(workDc, RGB(0, 0, 0));
        ::BitBlt(workDc, 0, 0, size.cx, size.cy, source, 0, 0, SRCINVERT);
        ::BitBlt(workDc, 0, 0, size.cx, size.cy, maskDc, 0, 0, SRCAND);
        ::BitBlt(workDc, 0, 0, size.cx, size.cy, source, 0, 0, SRCINVERT);
    }
    ::DeleteObject(mask);
    return work;
}

}  // namespace

HBITMAP LoadResourceBitmap(UINT id) {
    return ::LoadBitmapA(::GetModuleHandleA(nullptr), MAKEINTRESOURCEA(id));
}

SIZE BitmapSize(HBITMAP bitmap) {
    BITMAP info{};
    if (!bitmap || !::GetObjectA(bitmap, sizeof(info), &info))
        return SIZE{0, 0};
    return SIZE{info.bmWidth, info.bmHeight};
}

void Draw(HDC dc, HBITMAP bitmap, int x, int y) {
    const SIZE size = BitmapSize(bitmap);
    if (size.cx <= 0 || size.cy <= 0)
        return;
    CMemoryDC source(dc, bitmap);
    ::BitBlt(dc, x, y, size.cx, size.cy, source, 0, 0, SRCCOPY);
}

void DrawTransparent(HDC dc, HBITMAP bitmap, int x, int y) {
    const SIZE size = BitmapSize(bitmap);
    if (size.cx <= 0 || size.cy <= 0)
        return;
    HBITMAP work = ComposeOver(dc, bitmap, x, y, size);
    Draw(dc, work, x, y);
    ::DeleteObject(work);
}

void DrawTiledTransparent(HDC dc, HBITMAP bitmap, int x, int y, int width, int height) {
    if (width < 0 || height < 0 || (width == 0 && height == 0))
        return;
    const SIZE size = BitmapSize(bitmap);
    if (size.cx <= 0 || size.cy <= 0)
        return;
    // The tiles are laid into one strip (the last may reach past the given extent, as a single tile
    // does), and the strip is composed over the destination once: each tile's transparent pixels still
    // show what lies at its own position, at the cost of one composition instead of one per tile, which
    // for a panel's frame of 3- and 8-pixel pieces was hundreds of them on every repaint.
    const int columns = width > 0 ? (width + size.cx - 1) / size.cx : 1;
    const int rows = height > 0 ? (height + size.cy - 1) / size.cy : 1;
    HBITMAP strip = ::CreateCompatibleBitmap(dc, columns * size.cx, rows * size.cy);
    if (!strip)
        return;
    {
        CMemoryDC source(dc, bitmap);
        CMemoryDC target(dc, strip);
        for (int row = 0; row < rows; ++row) {
            for (int column = 0; column < columns; ++column)
                ::BitBlt(target, column * size.cx, row * size.cy, size.cx, size.cy, source, 0, 0, SRCCOPY);
        }
    }
    DrawTransparent(dc, strip, x, y);
    ::DeleteObject(strip);
}

void DrawResource(HDC dc, UINT id, int x, int y) {
    HBITMAP bitmap = LoadResourceBitmap(id);
    Draw(dc, bitmap, x, y);
    if (bitmap)
        ::DeleteObject(bitmap);
}

void DrawResourceTiled(HDC dc, UINT id, int x, int y, int width, int height) {
    HBITMAP bitmap = LoadResourceBitmap(id);
    DrawTiledTransparent(dc, bitmap, x, y, width, height);
    if (bitmap)
        ::DeleteObject(bitmap);
}

HBITMAP Scale(HBITMAP bitmap, int width, int height) {
    const SIZE size = BitmapSize(bitmap);
    if (size.cx <= 0 || width <= 0 || height <= 0)
        return nullptr;
    HDC screen = ::GetDC(nullptr);
    HBITMAP result = ::CreateCompatibleBitmap(screen, width, height);
    {
        CMemoryDC source(screen, bitmap);
        CMemoryDC target(screen, result);
        ::SetStretchBltMode(target, COLORONCOLOR);
        ::StretchBlt(target, 0, 0, width, height, source, 0, 0, size.cx, size.cy, SRCCOPY);
    }
    ::ReleaseDC(nullptr, screen);
    return result;
}

HBITMAP Copy(HBITMAP bitmap, int width, int height) {
    if (!bitmap || width <= 0 || height <= 0)
        return nullptr;
    HDC screen = ::GetDC(nullptr);
    HBITMAP result = ::CreateCompatibleBitmap(screen, width, height);
    {
        CMemoryDC source(screen, bitmap);
        CMemoryDC target(screen, result);
        ::BitBlt(target, 0, 0, width, height, source, 0, 0, SRCCOPY);
    }
    ::ReleaseDC(nullptr, screen);
    return result;
}

}  // namespace BitmapDraw
