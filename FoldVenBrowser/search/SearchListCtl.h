#pragma once

#include "FoldVenBrowser/catalogue/RemoteItem.h"
#include "FoldVenBrowser/toolkit/ArrowListCtrl.h"

// The search panel's result list: owner-drawn rows of icon and name, an empty "수정한 날짜" and the size.
// Each row holds its own copy of the result and frees it when the row goes.
class CSearchListCtl : public CArrowListCtrl {
public:
    static constexpr int kControlId = 1031;
    static constexpr int kFileIcon = 276;
    // While results stream in, the list repaints at most this often.
    static constexpr DWORD kRepaintMs = 50;

    using CArrowListCtrl::CArrowListCtrl;

    bool Create(HWND parent, const RECT& rc);
    void AddResult(const CRemoteItem& item);
    // Paints the rows that arrived since the last repaint.
    void ShowArrivedRows();
    void DeleteAllItems();

    int GetItemCount() const;
    const CRemoteItem* GetRecord(int row) const;

protected:
    void DrawItem(DRAWITEMSTRUCT* dis) override;
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;

private:
    void FreeRecord(int row) const;
    void FreeAllRecords() const;
    void DrawCell(HDC dc, int column, RECT cell, const CRemoteItem& item) const;
    bool IsRowSelected(int row) const;

    DWORD m_lastRepaint = 0;
    bool m_bRedrawOff = false;
};
