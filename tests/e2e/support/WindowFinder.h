#pragma once

#include <windows.h>

#include <functional>
#include <string>
#include <vector>

// Finding and reading the windows of a program under test, from outside, as a user or a screen reader
// would.
namespace WindowFinder {

std::vector<HWND> TopLevelWindowsOf(DWORD pid, bool visibleOnly = true);
std::string ClassOf(HWND hwnd);
std::string TextOf(HWND hwnd);

// Waits up to `milliseconds` for a visible top-level window of `pid` that `match` accepts.
HWND WaitForWindow(DWORD pid, const std::function<bool(HWND)>& match, DWORD milliseconds);
// The common case: a dialog (class "#32770") or a window of `className`.
HWND WaitForWindowOfClass(DWORD pid, const std::string& className, DWORD milliseconds);
// A system message box: the dialog whose static control 0xFFFF carries the message.
HWND WaitForMessageBox(DWORD pid, DWORD milliseconds);
std::string MessageBoxText(HWND box);

// The program's own message dialog (CMessageDlg: no title, the text in control 0xFFFF) of `pid`.
HWND WaitForProgramMessage(DWORD pid, DWORD milliseconds);
// Its text, after which it is closed with its "닫기" button; "(no message)" when none showed in time.
std::string TakeProgramMessage(DWORD pid, DWORD milliseconds);
// The browser's login dialog (the one with the ID field 1001).
HWND WaitForLoginDialog(DWORD pid, DWORD milliseconds);

// Presses a dialog button the way a click does.
void ClickButton(HWND dialog, int id);
// The first child of `parent` whose window text is `text` (skinned buttons carry their label).
HWND ChildWithText(HWND parent, const std::string& text);
// A left click inside a control, posted so that a modal dialog it opens does not block the test.
void ClickControl(HWND control);
// Waits until `condition` holds, up to `milliseconds`; returns whether it did.
bool WaitUntil(const std::function<bool()>& condition, DWORD milliseconds);

// Lets the given number of milliseconds pass while this test process stays responsive.
void Pause(DWORD milliseconds);

}  // namespace WindowFinder
