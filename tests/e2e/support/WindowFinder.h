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
std::vector<std::string> ChildTexts(HWND hwnd);

// Waits up to `milliseconds` for a visible top-level window of `pid` that `match` accepts.
HWND WaitForWindow(DWORD pid, const std::function<bool(HWND)>& match, DWORD milliseconds);
// The common case: a dialog (class "#32770") or a window of `className`.
HWND WaitForWindowOfClass(DWORD pid, const std::string& className, DWORD milliseconds);
// A system message box: the dialog whose static control 0xFFFF carries the message.
HWND WaitForMessageBox(DWORD pid, DWORD milliseconds);
std::string MessageBoxText(HWND box);

// Presses a dialog button the way a click does.
void ClickButton(HWND dialog, int id);

// Lets the given number of milliseconds pass while this test process stays responsive.
void Pause(DWORD milliseconds);

}  // namespace WindowFinder
