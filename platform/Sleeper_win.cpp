#include <windows.h>

#include "platform/Sleeper.h"

namespace {

class CWin32Sleeper : public ISleeper {
public:
    void Sleep(unsigned milliseconds) override { ::Sleep(milliseconds); }
};

}  // namespace

ISleeper& SystemSleeper() {
    static CWin32Sleeper sleeper;
    return sleeper;
}
