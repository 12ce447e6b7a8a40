#pragma once

#include <windows.h>

#include <commctrl.h>

#include <string>
#include <vector>

#include "FoldVenBrowser/catalogue/ListRows.h"
#include "win/SubclassWindow.h"

// A list view whose rows the program holds (LVS_OWNERDATA): each row is a value, its item data, from
// which the list asks for the row's texts and image as it draws it. Showing many rows costs no more
// than handing over their number. Header clicks sort the rows by the clicked column; a sort moves each
// row's data and selection together, so a row goes on showing, and acting on, its own item.
class CSortListCtrl : public CSubclassWindow {
public:
    // Item data of no row (a row index outside the list).
    static constexpr LPARAM kNoRow = -1;

    virtual void Sort() { SortColumn(m_nSortColumn, m_bAscending != FALSE, m_nColumnType); }
    // Stable: rows of equal texts keep their order. A negative column does nothing.
    virtual void SortColumn(int column, bool ascending, int type);

    // Replaces every row, with nothing selected. Returns how many rows are shown: fewer than given when
    // the control cannot take them all (the first ones are kept).
    std::size_t SetRows(std::vector<LPARAM> rows);
    int GetItemCount() const { return static_cast<int>(m_rows.size()); }
    int GetColumnCount() const;
    LPARAM GetItemData(int row) const;
    // The text the control shows (asked of the control, as a reader of the screen would).
    std::string GetItemText(int row, int column) const;
    // The selected rows in ascending order.
    std::vector<int> GetSelectedRows() const;
    // The row under a point of the client area, or -1.
    int HitTest(POINT client) const;
    // The row under the position of the message being handled, or -1.
    int RowAtMessagePos() const;
    // The owner passes on LVN_GETDISPINFO; true when it was one.
    bool OnDisplayInfo(NMHDR* header) const;

    int m_nSortColumn = -1;
    BOOL m_bAscending = TRUE;
    int m_nColumnType = ListRows::kText;

protected:
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;
    virtual std::string RowText(LPARAM data, int column) const = 0;
    // The text RowText gives, where the list keeps it already (a sort then reads it without a copy);
    // null where it is made on request.
    virtual const std::string* RowTextKept(LPARAM /*data*/, int /*column*/) const { return nullptr; }
    virtual int RowImage(LPARAM data) const = 0;

private:
    void OnHeaderClick(int column);
    void SetRowState(int row, UINT state, UINT mask) const;
    void MoveRowStates(const std::vector<std::size_t>& order);

    std::vector<LPARAM> m_rows;
};
