#pragma once

#include <windows.h>

#include <commctrl.h>

#include <string>
#include <vector>

// Reading and driving the list and tree controls of a program under test. Their messages carry
// pointers, so the structures live in memory allocated inside that program.
namespace RemoteControls {

// The first descendant of `root` of that class (and control ID, unless 0).
HWND FindDescendant(HWND root, const std::string& className, int id = 0);

// The texts of one column of a list view, row by row.
std::vector<std::string> ListColumn(HWND list, int column = 0);
// The row showing `text` in column 0, or -1.
int ListRowOf(HWND list, const std::string& text);
// A row's rectangle, or a header item's, in screen coordinates.
RECT ListRowRect(HWND list, int row);
RECT HeaderItemRect(HWND list, int column);
// Selects exactly these rows.
void SelectListRows(HWND list, const std::vector<int>& rows);

// The texts of the children of a tree node (of the top level for null).
std::vector<std::string> TreeChildren(HWND tree, HTREEITEM parent = nullptr);
// The child of `parent` (of the top level for null) showing `text`, or null; and a node's text rectangle
// in screen coordinates.
HTREEITEM TreeChildOf(HWND tree, HTREEITEM parent, const std::string& text);
RECT TreeItemRect(HWND tree, HTREEITEM node);

// A double click, a click, or a right click at a point of the screen, as the mouse gives it: the cursor
// moves there and the messages are posted (a modal window they open does not block the test).
void DoubleClickAt(HWND window, POINT screen);
void ClickAt(HWND window, POINT screen);
POINT CentreOf(const RECT& rc);

}  // namespace RemoteControls
