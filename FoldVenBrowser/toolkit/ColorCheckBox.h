#pragma once

#include "win/SubclassWindow.h"

// A check box drawn by the program on a background colour of its own. Every change, by the mouse, the
// space key or BM_SETCHECK, sends kChangedMessage to the parent.
class CColorCheckBox : public CSubclassWindow {
public:
    static constexpr UINT kChangedMessage = WM_USER + 1001;

    CColorCheckBox() = default;
    ~CColorCheckBox() override;

    void SetBkColor(COLORREF colour);
    void SetCheck(bool checked);
    bool GetCheck() const { return m_checked; }

protected:
    void OnSubclassed() override;
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;

private:
    void Draw(const DRAWITEMSTRUCT& item) const;

    COLORREF m_bkColor = RGB(255, 255, 255);
    HFONT m_hFont = nullptr;
    SIZE m_checkSize{0, 0};
    bool m_checked = false;
};
