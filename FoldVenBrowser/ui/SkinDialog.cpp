#include "FoldVenBrowser/ui/SkinDialog.h"

#include "FoldVenBrowser/res/resource.h"
#include "FoldVenBrowser/toolkit/BitmapDraw.h"
#include "FoldVenBrowser/toolkit/Fonts.h"

namespace {

constexpr UINT kPieceIds[] = {IDB_FRAME_TOP_LEFT,  IDB_FRAME_TOP,         IDB_FRAME_TOP_RIGHT,
                              IDB_FRAME_BAND_LEFT, IDB_FRAME_BAND,        IDB_FRAME_BAND_RIGHT,
                              IDB_FRAME_LEFT,      IDB_FRAME_RIGHT,       IDB_FRAME_BOTTOM_LEFT,
                              IDB_FRAME_BOTTOM,    IDB_FRAME_BOTTOM_RIGHT};
constexpr int kBandTop = 32;
constexpr int kSidesTop = 43;

}  // namespace

CSkinDialog::CSkinDialog(UINT templateId, HWND parent, std::string title)
    : CDialog(templateId, parent), m_strTitle(std::move(title)) {
    for (int i = 0; i < kPieces; ++i)
        m_pieces[i] = BitmapDraw::LoadResourceBitmap(kPieceIds[i]);
}

CSkinDialog::~CSkinDialog() {
    m_closeButton.reset();
    for (HBITMAP piece : m_pieces) {
        if (piece)
            ::DeleteObject(piece);
    }
}

BOOL CSkinDialog::OnInitDialog() {
    SetText(m_strTitle);
    m_closeButton.reset(CSkinButton::CreateButton(m_hWnd, 0, 10, kCloseCommand, IDB_CLOSE, IDB_CLOSE_HOVER,
                                                  IDB_CLOSE_PRESSED, IDB_CLOSE));
    if (m_closeButton)
        m_closeButton->SetText("닫기");
    const RECT client = GetClientRect();
    OnSize(SIZE_RESTORED, client.right, client.bottom);
    return TRUE;
}

void CSkinDialog::OnSize(UINT, int cx, int) {
    if (m_closeButton)
        m_closeButton->MoveTo(cx - m_closeButton->Width() - 14, 10);
    ::InvalidateRect(m_hWnd, nullptr, FALSE);
}

bool CSkinDialog::OnButtonClick(UINT commandId) {
    if (commandId != kCloseCommand)
        return false;
    OnCancel();
    return true;
}

bool CSkinDialog::OnMessage(UINT message, WPARAM, LPARAM, INT_PTR& result) {
    if (message == WM_NCHITTEST && !::IsIconic(m_hWnd)) {
        result = HTCAPTION;
        return true;
    }
    return false;
}

bool CSkinDialog::OnPaint() {
    PAINTSTRUCT paint;
    HDC dc = ::BeginPaint(m_hWnd, &paint);
    PaintFrame(dc);
    PaintContents(dc);
    ::EndPaint(m_hWnd, &paint);
    return true;
}

void CSkinDialog::PaintFrame(HDC dc) const {
    using namespace BitmapDraw;
    const RECT client = GetClientRect();
    const int width = client.right;
    const int height = client.bottom;
    auto w = [this](Piece piece) { return BitmapSize(m_pieces[piece]).cx; };
    auto h = [this](Piece piece) { return BitmapSize(m_pieces[piece]).cy; };

    DrawTransparent(dc, m_pieces[kTopLeft], 0, 0);
    DrawTiledTransparent(dc, m_pieces[kTop], w(kTopLeft), 0, width - w(kTopRight) - w(kTopLeft), 0);
    DrawTransparent(dc, m_pieces[kTopRight], width - w(kTopRight), 0);

    DrawTransparent(dc, m_pieces[kBandLeft], 0, kBandTop);
    DrawTiledTransparent(dc, m_pieces[kBand], w(kBandLeft), kBandTop, width - w(kBandRight) - w(kBandLeft),
                         0);
    DrawTransparent(dc, m_pieces[kBandRight], width - w(kBandRight), kBandTop);

    const int bottomTop = height - h(kBottom);
    DrawTiledTransparent(dc, m_pieces[kLeft], 0, kSidesTop, 0, bottomTop - kSidesTop);
    DrawTiledTransparent(dc, m_pieces[kRight], width - w(kRight), kSidesTop, 0, bottomTop - kSidesTop);

    DrawTransparent(dc, m_pieces[kBottomLeft], 0, bottomTop);
    DrawTiledTransparent(dc, m_pieces[kBottom], w(kBottomLeft), bottomTop,
                         width - w(kBottomRight) - w(kBottomLeft), 0);
    DrawTransparent(dc, m_pieces[kBottomRight], width - w(kBottomRight), bottomTop);

    HFONT font = Fonts::CreateGulim(-12, true);
    const int saved = ::SaveDC(dc);
    ::SelectObject(dc, font);
    ::SetTextColor(dc, RGB(255, 255, 255));
    ::SetBkMode(dc, TRANSPARENT);
    RECT title{29, 10, width - 8, kSidesTop};
    ::DrawTextA(dc, m_strTitle.c_str(), static_cast<int>(m_strTitle.size()), &title,
                DT_LEFT | DT_TOP | DT_SINGLELINE | DT_NOPREFIX | DT_END_ELLIPSIS);
    ::RestoreDC(dc, saved);
    ::DeleteObject(font);
}
