#pragma once

#include <windows.h>

#include <string>

// The login dialog's notices, fetched on a thread of their own so that the dialog is shown and usable at
// once. The reply reaches deliver(target, reply) on `window`'s thread, as a call posted to that window
// (CUiCall::PostTo), and not at all once the window is gone. The notices are optional: a fetch that fails
// says nothing and delivers nothing.
using NoticeSink = void (*)(void* target, const std::string& reply);
bool StartNoticeFetch(HWND window, NoticeSink deliver, void* target);
