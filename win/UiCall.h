#pragma once

#include <windows.h>

// The one way other threads hand work to the user-interface thread: a function taking one pointer, with
// that pointer. The record travels by its address in message 0x500; the window that receives the message
// runs function(data) on its own thread.
struct CUiCall {
    using Function = void (*)(void* data);
    static constexpr UINT kMessage = 0x500;

    // Stores both, runs function(data) on the user-interface thread through the hidden callback window and
    // returns once it has run there (at once when called on that thread). Without the callback window,
    // before start-up made it or after the program let it go, nothing runs and the result is 0.
    LRESULT RunOnUiThread(Function call, void* argument);

    // Hands this record to `window`'s thread without waiting: the call runs there in turn with the
    // window's other posted messages, and not at all once the window is gone. The record must stay as it
    // is until then. False when the message could not be posted.
    bool PostTo(HWND window) const;

    // For a window procedure that takes message 0x500: runs the call of the record `lParam` points to.
    static void Run(LPARAM record);

    Function function = nullptr;
    void* data = nullptr;
};

// The hidden window of the user-interface thread that runs the calls of RunOnUiThread; made once at
// start-up before any worker exists, and let go at the end, after which a worker's calls return at once.
bool CreateCallbackWindow();
void DestroyCallbackWindow();
