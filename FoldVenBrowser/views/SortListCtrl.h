#pragma once

#include <windows.h>

#include <commctrl.h>

#include <string>
#include <vector>

#include "FoldVenBrowser/catalogue/ListRows.h"
#include "win/SubclassWindow.h"

// A report list whose header clicks sort the rows by the clicked column. Rows take their texts from
// their item data (LPSTR_TEXTCALLBACK), and no two rows share item data: a sort moves each row's data,
// image and state together, so a row goes on showing, and acting on, its own item.
class CSortListCtrl : public CSubclassWindow {
public:
    virtual void Sort() { SortColumn(m_nSortColumn, m_bAscending != FALSE, m_nColumnType); }
    // Stable: rows of equal texts keep their order. A negative column does nothing.
    virtual void SortColumn(int column, bool ascending, int type);

    int GetItemCount() const { return static_cast<int>(Send(LVM_GETITEMCOUNT)); }
    int GetColumnCount() const;
    LPARAM GetItemData(int row) const;
    std::string GetItemText(int row, int column) const;
    // The selected rows in ascending order.
    std::vector<int> GetSelectedRows() const;
    // The row under a point of the client area, or -1.
    int HitTest(POINT client) const;
    // The row under the position of the message being handled, or -1.
    int RowAtMessagePos() const;

    int m_nSortColumn = -1;
    BOOL m_bAscending = TRUE;
    int m_nColumnType = ListRows::kText;

protected:
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;
    // The text a row sorts by in `column`: by default what the control shows.
    virtual std::string SortText(int row, LPARAM data, int column) const;

private:
    void OnHeaderClick(int column);
};
