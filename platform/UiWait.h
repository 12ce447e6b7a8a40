#pragma once

// The waiting loop of the user-interface thread. While a request or a pause between its attempts holds
// the thread, the program's windows keep painting, running their timers and answering messages sent to
// them, so that no window looks hung. Mouse and keyboard input is dropped meanwhile, and posted commands
// (WM_COMMAND, WM_SYSCOMMAND, WM_CLOSE, WM_QUIT and the program's own messages) are held back and posted
// again when the outermost wait ends: nothing the user does starts other work in the middle of a request.
namespace UiWait {

// Handles what is queued now, as described above.
void PumpOnce();

// Waits `milliseconds` for `handle` (a waitable object; null waits for the time alone) while pumping.
// True when the object was signalled within the time.
bool Wait(void* handle, unsigned milliseconds);

// A request in progress, from BeginBusy to its EndBusy: the wait cursor shows, and held-back messages stay
// held back until the outermost one ends. They nest.
void BeginBusy();
void EndBusy();

class CBusyScope {
public:
    CBusyScope() { BeginBusy(); }
    ~CBusyScope() { EndBusy(); }
    CBusyScope(const CBusyScope&) = delete;
    CBusyScope& operator=(const CBusyScope&) = delete;
};

}  // namespace UiWait
