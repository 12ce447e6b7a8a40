#include "FoldVenBrowser/toolkit/BitmapDraw.h"

#include <gtest/gtest.h>

#include "tests/win/FoldVenBrowser/toolkit/TestParent.h"

namespace {

// A 24-bit memory surface filled with a diagonal pattern, so every pixel differs from its neighbours.
class CSurface {
public:
    CSurface(int width, int height) : m_width(width), m_height(height) {
        HDC screen = ::GetDC(nullptr);
        m_dc = ::CreateCompatibleDC(screen);
        m_bitmap = ::CreateCompatibleBitmap(screen, width, height);
        ::ReleaseDC(nullptr, screen);
        m_old = ::SelectObject(m_dc, m_bitmap);
        for (int y = 0; y < height; ++y) {
            for (int x = 0; x < width; ++x)
                ::SetPixel(m_dc, x, y, RGB(x * 7 % 256, y * 11 % 256, (x + y) * 5 % 256));
        }
    }
    ~CSurface() {
        ::SelectObject(m_dc, m_old);
        ::DeleteObject(m_bitmap);
        ::DeleteDC(m_dc);
    }
    HDC Dc() const { return m_dc; }
    COLORREF Pixel(int x, int y) const { return ::GetPixel(m_dc, x, y); }
    std::vector<COLORREF> Pixels() const {
        std::vector<COLORREF> all;
        for (int y = 0; y < m_height; ++y) {
            for (int x = 0; x < m_width; ++x)
                all.push_back(Pixel(x, y));
        }
        return all;
    }

private:
    int m_width, m_height;
    HDC m_dc;
    HBITMAP m_bitmap;
    HGDIOBJ m_old;
};

TEST(BitmapDraw, AnAllMagentaBitmapLeavesTheDestinationUnchanged) {
    CSurface surface(40, 30);
    const std::vector<COLORREF> before = surface.Pixels();
    HBITMAP magenta = SolidBitmap(20, 10, BitmapDraw::kTransparent);
    BitmapDraw::DrawTransparent(surface.Dc(), magenta, 5, 5);
    BitmapDraw::DrawTiledTransparent(surface.Dc(), magenta, 0, 0, 40, 30);
    EXPECT_EQ(surface.Pixels(), before);
    ::DeleteObject(magenta);
}

TEST(BitmapDraw, OpaquePixelsAreCopiedAndMagentaOnesKeepTheDestination) {
    CSurface surface(20, 10);
    const COLORREF under = surface.Pixel(6, 2);
    HBITMAP bitmap = SolidBitmap(4, 4, RGB(0, 128, 255));
    {
        // Its top-left pixel is transparent.
        HDC dc = ::CreateCompatibleDC(nullptr);
        HGDIOBJ old = ::SelectObject(dc, bitmap);
        ::SetPixel(dc, 0, 0, BitmapDraw::kTransparent);
        ::SelectObject(dc, old);
        ::DeleteDC(dc);
    }
    BitmapDraw::DrawTransparent(surface.Dc(), bitmap, 6, 2);
    EXPECT_EQ(surface.Pixel(6, 2), under);
    EXPECT_EQ(surface.Pixel(7, 2), RGB(0, 128, 255));
    EXPECT_EQ(surface.Pixel(9, 5), RGB(0, 128, 255));
    ::DeleteObject(bitmap);
}

TEST(BitmapDraw, TilingCoversTheAskedAreaOnly) {
    HBITMAP tile = SolidBitmap(3, 2, RGB(1, 2, 3));
    {
        CSurface row(20, 10);
        BitmapDraw::DrawTiledTransparent(row.Dc(), tile, 1, 1, 7, 0);  // one row, tiles at 1, 4, 7
        EXPECT_EQ(row.Pixel(9, 2), RGB(1, 2, 3));
        EXPECT_NE(row.Pixel(10, 2), RGB(1, 2, 3));
        EXPECT_NE(row.Pixel(1, 3), RGB(1, 2, 3));
    }
    {
        CSurface column(20, 10);
        BitmapDraw::DrawTiledTransparent(column.Dc(), tile, 0, 0, 0, 5);  // one column, tiles at 0, 2, 4
        EXPECT_EQ(column.Pixel(2, 5), RGB(1, 2, 3));
        EXPECT_NE(column.Pixel(3, 0), RGB(1, 2, 3));
        EXPECT_NE(column.Pixel(0, 6), RGB(1, 2, 3));
    }
    {
        CSurface nothing(20, 10);
        const std::vector<COLORREF> before = nothing.Pixels();
        BitmapDraw::DrawTiledTransparent(nothing.Dc(), tile, 0, 0, 0, 0);
        BitmapDraw::DrawTiledTransparent(nothing.Dc(), tile, 0, 0, -5, 4);
        EXPECT_EQ(nothing.Pixels(), before);
    }
    ::DeleteObject(tile);
}

}  // namespace
