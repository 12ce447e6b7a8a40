#pragma once

#include <windows.h>

// The main window's class of a single-instance program: a copy of the system dialog class under the
// program's own name, which its dialog template names and a second start looks for.
bool RegisterDialogClass(const char* className);

// Shows a window that is minimised or hidden (in the notification area) restored, and brings it (or
// its last active pop-up) to the foreground. A maximised window that was only hidden stays maximised.
void BringWindowBack(HWND window);

// Brings the running instance forward with BringWindowBack. False when no window of the class exists.
bool ActivateWindowOfClass(const char* className);
