#pragma once

#include <memory>
#include <string>

#include "FoldVenBrowser/toolkit/SkinButton.h"
#include "win/Dialog.h"

// A caption-less dialog in a frame of skin bitmaps with its title in the top band and a close button
// (command 9999). It can be dragged by any point.
class CSkinDialog : public CDialog {
public:
    static constexpr int kCloseCommand = 9999;

    CSkinDialog(UINT templateId, HWND parent, std::string title);
    ~CSkinDialog() override;

protected:
    BOOL OnInitDialog() override;
    void OnSize(UINT type, int cx, int cy) override;
    bool OnPaint() override;
    bool OnButtonClick(UINT commandId) override;
    bool OnMessage(UINT message, WPARAM wParam, LPARAM lParam, INT_PTR& result) override;
    // Draws what lies inside the frame; called after the frame and title are painted.
    virtual void PaintContents(HDC) {}

    std::string m_strTitle;

private:
    void PaintFrame(HDC dc) const;

    enum Piece {
        kTopLeft,
        kTop,
        kTopRight,
        kBandLeft,
        kBand,
        kBandRight,
        kLeft,
        kRight,
        kBottomLeft,
        kBottom,
        kBottomRight,
        kPieces
    };
    HBITMAP m_pieces[kPieces] = {};
    std::unique_ptr<CSkinButton> m_closeButton;
};
