#pragma once

#include <windows.h>

#include <string>

// The login dialog's notices, fetched on a thread of their own so that the dialog is shown and usable at
// once. The reply goes to `window` as `message` with a heap `std::string*` in lParam, which the window
// takes over (and deletes). The notices are optional: a fetch that fails says nothing and sends nothing.
bool StartNoticeFetch(HWND window, UINT message);

// Takes over the reply of a notices message.
std::string TakeNoticeReply(LPARAM lParam);
