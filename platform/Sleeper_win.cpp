#include "platform/Sleeper.h"
#include "platform/UiWait.h"

namespace {

// The pause keeps the windows alive: it is the user-interface thread's waiting loop for that long.
class CWin32Sleeper : public ISleeper {
public:
    void Sleep(unsigned milliseconds) override { UiWait::Wait(nullptr, milliseconds); }
};

}  // namespace

ISleeper& SystemSleeper() {
    static CWin32Sleeper sleeper;
    return sleeper;
}
