#pragma once

#include <string>

#include "FoldVenBrowser/toolkit/HandCursor.h"
#include "win/SubclassWindow.h"

// A static control that draws its own text (or icon) in its own colours and font, optionally underlined.
// It keeps its text as window text and, with the notify style it adds, tells its parent about clicks.
class CColorLabel : public CSubclassWindow {
public:
    CColorLabel() = default;
    ~CColorLabel() override;

    void SetTextColor(COLORREF colour, bool redraw = true);
    void SetBkColor(COLORREF colour, bool redraw = true);
    void SetUnderline(bool underline);
    void SetFont(const std::string& faceName, int pointSize, bool redraw = true);
    void SetBold(bool bold) { m_bold = bold; }
    void SetIcon(HICON icon);
    void SetTextOffset(int dx, int dy) { m_offset = POINT{dx, dy}; }

protected:
    void OnSubclassed() override;
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;

private:
    void Paint(HDC dc);
    UINT DrawFormat() const;
    void Redraw() const { ::InvalidateRect(m_hWnd, nullptr, TRUE); }

    COLORREF m_textColor = ::GetSysColor(COLOR_BTNTEXT);
    COLORREF m_bkColor = ::GetSysColor(COLOR_BTNFACE);
    HBRUSH m_hBrush = nullptr;
    HFONT m_hFont = nullptr;
    bool m_bold = false;
    bool m_underline = false;
    HICON m_hIcon = nullptr;
    POINT m_offset{0, 0};
    CHandCursor m_cursor;
};
