#pragma once

#include <memory>
#include <vector>

#include "FoldVenBrowser/catalogue/RemoteItem.h"
#include "FoldVenBrowser/toolkit/ArrowListCtrl.h"

// The search panel's result list: owner-drawn rows of icon and name, an empty "수정한 날짜" and the size.
// Each row holds its own copy of the result, which goes with the row. The list holds the rows itself
// (owner data), so that ten thousand results are added and cleared in a moment.
class CSearchListCtl : public CArrowListCtrl {
public:
    static constexpr int kControlId = 1031;
    static constexpr int kFileIcon = 276;
    // While results stream in, the list repaints at most this often.
    static constexpr DWORD kRepaintMs = 50;

    using CArrowListCtrl::CArrowListCtrl;

    bool Create(HWND parent, const RECT& rc);
    void AddResult(const CRemoteItem& item);
    // Rows for several results at once: the list takes in its new length and repaints once.
    // Takes the items over (moves them).
    void AddResults(std::vector<CRemoteItem>&& items);
    // Paints the rows that arrived since the last repaint.
    void ShowArrivedRows();
    void DeleteAllItems();

    int GetItemCount() const { return static_cast<int>(m_records.size()); }
    // The record of a row, or null.
    const CRemoteItem* GetRecord(int row) const;
    // What the control asks of a row (LVN_GETDISPINFO, which the parent passes on). A cell's text is what
    // the row shows there, so that screen readers and test drivers read the row as drawn.
    void OnGetDispInfo(NMLVDISPINFOA* info) const;
    static std::string CellText(int column, const CRemoteItem& item);

protected:
    void DrawItem(DRAWITEMSTRUCT* dis) override;
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;

private:
    // What every row of one paint shares, read at its first row: each question to the list or its header
    // is a trip through the window system, nine of them per row took ~1 ms under Wine.
    struct PaintLayout {
        struct Column {
            int index;
            int width;
        };
        bool valid = false;
        bool focused = false;
        COLORREF background = 0;
        HFONT font = nullptr;
        std::vector<Column> columns;  // in the header's order
    };

    void RowsAdded();
    void ReadPaintLayout();
    // A row's steps: its background and cells drawn off screen and copied to `target`, then the frame of a
    // selected or focused row.
    void PaintRow(HDC target, const RECT& row, COLORREF background, const CRemoteItem& record) const;
    void DrawCells(HDC dc, int height, const CRemoteItem& record) const;
    void DrawCell(HDC dc, int column, RECT cell, const CRemoteItem& item) const;
    void FrameRow(const DRAWITEMSTRUCT& dis, bool focused, COLORREF background) const;
    bool IsRowSelected(int row) const;

    std::vector<std::unique_ptr<CRemoteItem>> m_records;
    DWORD m_lastRepaint = 0;
    bool m_bRedrawOff = false;
    PaintLayout m_layout;
};
