#pragma once

#include "win/SubclassWindow.h"

// A combo box with a flat border that turns raised while the mouse is over it or it has the focus.
class CFlatComboBox : public CSubclassWindow {
public:
    static constexpr UINT_PTR kHoverTimer = 1;

    bool IsHot() const { return m_hot; }

protected:
    void OnSubclassed() override { ReadColours(); }
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;

private:
    void ReadColours();
    void DrawBorder(bool raised) const;
    void SetFocused(bool focused);

    COLORREF m_face = 0, m_light = 0, m_highlight = 0, m_shadow = 0, m_darkShadow = 0;
    bool m_hot = false;
    bool m_focused = false;
};
