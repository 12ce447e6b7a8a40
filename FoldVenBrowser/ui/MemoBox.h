#pragma once

#include <string>

// Opens `address` in a new window of the system's web browser, driven as an automation object: 779 x
// 545, without address bar, menu, status bar, tool bar or resizing, brought to the foreground. Where
// the browser object cannot be created nothing opens.
void OpenInNewBrowserWindow(const std::string& address);
