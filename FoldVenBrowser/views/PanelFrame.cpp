#include "FoldVenBrowser/views/PanelFrame.h"

#include "FoldVenBrowser/res/resource.h"
#include "FoldVenBrowser/toolkit/BitmapDraw.h"

namespace PanelFrame {

namespace {

enum Piece { kTopLeft, kTop, kTopRight, kBottomLeft, kBottom, kBottomRight, kLeft, kRight, kPieces };

// Loaded once and kept for the run: every panel paints the same pieces.
struct Pieces {
    Pieces() {
        const UINT ids[kPieces] = {IDB_PANEL_TOP_LEFT,    IDB_PANEL_TOP,    IDB_PANEL_TOP_RIGHT,
                                   IDB_PANEL_BOTTOM_LEFT, IDB_PANEL_BOTTOM, IDB_PANEL_BOTTOM_RIGHT,
                                   IDB_PANEL_LEFT,        IDB_PANEL_RIGHT};
        for (int i = 0; i < kPieces; ++i) {
            bitmap[i] = BitmapDraw::LoadResourceBitmap(ids[i]);
            size[i] = BitmapDraw::BitmapSize(bitmap[i]);
        }
    }
    HBITMAP bitmap[kPieces] = {};
    SIZE size[kPieces] = {};
};

const Pieces& Loaded() {
    static const Pieces pieces;
    return pieces;
}

}  // namespace

void Paint(HDC dc, int width, int height) {
    using namespace BitmapDraw;
    const Pieces& p = Loaded();
    RECT inside{kInset, kInset, width - kInset, height - kInset};
    ::FillRect(dc, &inside, static_cast<HBRUSH>(::GetStockObject(WHITE_BRUSH)));
    const int right = width - p.size[kTopRight].cx;
    const int bottom = height - p.size[kBottomLeft].cy;
    DrawTiledTransparent(dc, p.bitmap[kTop], p.size[kTopLeft].cx, 0, right - p.size[kTopLeft].cx, 0);
    DrawTiledTransparent(dc, p.bitmap[kBottom], p.size[kBottomLeft].cx, height - p.size[kBottom].cy,
                         width - p.size[kBottomRight].cx - p.size[kBottomLeft].cx, 0);
    DrawTiledTransparent(dc, p.bitmap[kLeft], 0, p.size[kTopLeft].cy, 0, bottom - p.size[kTopLeft].cy);
    DrawTiledTransparent(dc, p.bitmap[kRight], width - p.size[kRight].cx, p.size[kTopRight].cy, 0,
                         height - p.size[kBottomRight].cy - p.size[kTopRight].cy);
    DrawTransparent(dc, p.bitmap[kTopLeft], 0, 0);
    DrawTransparent(dc, p.bitmap[kTopRight], right, 0);
    DrawTransparent(dc, p.bitmap[kBottomLeft], 0, bottom);
    DrawTransparent(dc, p.bitmap[kBottomRight], width - p.size[kBottomRight].cx,
                    height - p.size[kBottomRight].cy);
}

void PaintWindow(HWND window) {
    PAINTSTRUCT paint;
    HDC dc = ::BeginPaint(window, &paint);
    RECT client{};
    ::GetClientRect(window, &client);
    Paint(dc, client.right, client.bottom);
    ::EndPaint(window, &paint);
}

}  // namespace PanelFrame
