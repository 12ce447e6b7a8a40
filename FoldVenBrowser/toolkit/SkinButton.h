#pragma once

#include <string>

#include "FoldVenBrowser/toolkit/HandCursor.h"
#include "win/SubclassWindow.h"

// An owner-drawn push button showing one of four bitmaps (normal, hover, pressed, disabled). It takes
// the mouse capture while hovered and tells its owner about a click with kClickMessage, wParam = the
// command value, lParam = the button. It is a tab stop, carries its caption as window text (for screen
// readers; the tooltip's text when it has no other), draws a focus mark and is pressed by Space and Enter.
class CSkinButton : public CSubclassWindow {
public:
    static constexpr UINT kClickMessage = WM_USER + 500;

    // Allocates a button and creates it from four bitmap resources; null when that fails.
    static CSkinButton* CreateButton(HWND owner, int x, int y, int command, UINT normalId, UINT hoverId,
                                     UINT pressedId, UINT disabledId);

    CSkinButton() = default;
    ~CSkinButton() override;

    bool Create(HWND owner, int x, int y, int command, UINT normalId, UINT hoverId, UINT pressedId,
                UINT disabledId);
    // The same from bitmaps the caller keeps; the button draws copies.
    bool Create(HWND owner, int x, int y, int command, HBITMAP normal, HBITMAP hover, HBITMAP pressed,
                HBITMAP disabled);
    // Replaces the four looks (same size as the first ones).
    void SetBitmaps(UINT normalId, UINT hoverId, UINT pressedId, UINT disabledId);

    void SetToolTip(const char* text, bool activate = true);
    void SetSticky(bool sticky) { m_sticky = sticky; }
    void SetSelected(bool selected);
    bool IsSelected() const { return m_selected; }
    void MoveTo(int x, int y) const;
    int Width() const { return m_width; }
    int Height() const { return m_height; }
    int Command() const { return m_command; }

protected:
    void OnSubclassed() override;
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;

private:
    enum Look { kNormal, kHover, kPressed, kDisabled, kLooks };

    void Draw(const DRAWITEMSTRUCT& item) const;
    void OnMouseMove(WPARAM keys);
    // Tells the owner; false when the owner closed the window and with it this button.
    bool Click();
    bool OnKey(UINT message, WPARAM key, LPARAM lParam);
    LRESULT OnGetDlgCode(WPARAM wParam, LPARAM lParam);
    LRESULT OnLeftButtonUp(WPARAM wParam, LPARAM lParam);
    void Repaint() const { ::InvalidateRect(m_hWnd, nullptr, FALSE); }
    bool CreateWith(HWND owner, int x, int y, int command, HBITMAP (&looks)[kLooks], bool adopt);
    // The button's own looks at its size: copies, or with `adopt` the given bitmaps of its size themselves
    // (their slots in `looks` are cleared).
    void TakeBitmaps(HBITMAP (&looks)[kLooks], bool adopt);
    void FreeBitmaps();

    HWND m_hOwner = nullptr;
    int m_command = 0;
    int m_width = 0;
    int m_height = 0;
    HBITMAP m_bitmaps[kLooks] = {};
    bool m_selected = false;
    bool m_sticky = false;
    bool m_hover = false;
    HWND m_hToolTip = nullptr;
    CHandCursor m_cursor;
};
