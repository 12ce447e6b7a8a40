#pragma once

#include <windows.h>

#include <commctrl.h>

#include "win/SubclassWindow.h"

// An owner-drawn report list whose header shows a sort arrow on the column last clicked. The arrow only
// marks the column: rows keep their order. Derived lists draw their rows in DrawItem.
class CArrowListCtrl : public CSubclassWindow {
public:
    static constexpr int kArrowUp = 274;
    static constexpr int kArrowDown = 275;

    // `colorFlag` is the ILC_COLOR* value of the display; `comCtlVersion` the common controls' version as
    // major << 16 | minor.
    explicit CArrowListCtrl(UINT colorFlag = ILC_COLOR32, DWORD comCtlVersion = 0x60000);
    ~CArrowListCtrl() override;

    // Creates the control (always a report list that arranges itself) and takes over its messages.
    bool CreateList(DWORD exStyle, DWORD style, const RECT& rc, HWND parent, int id);
    // A click on a column's header (LVN_COLUMNCLICK, which the parent passes on).
    void OnColumnClick(int column);
    void SetSortArrow(int column, int bitmap);

    int GetSortColumn() const { return m_nSortColumn; }
    int GetArrowBitmap() const { return m_nArrowBitmap; }
    HIMAGELIST GetSmallImages() const { return m_imgSmall; }

protected:
    virtual void DrawItem(DRAWITEMSTRUCT*) {}
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;

    HIMAGELIST m_imgHeader = nullptr;
    HIMAGELIST m_imgSmall = nullptr;
    int m_nSortColumn = -1;
    int m_nArrowBitmap = kArrowDown;
    COLORREF m_crWindow;
    COLORREF m_crText;
    COLORREF m_crSelFocus;
    COLORREF m_crHighlight;
    COLORREF m_crSelNoFocus;
    COLORREF m_crFrameNoFocus;
    DWORD m_dwComCtlVersion;

private:
    // The image lists of this object are its own to destroy; the control must not destroy them too.
    void ReleaseImageLists();
};
