#include <windows.h>

#include <commctrl.h>

#include <algorithm>
#include <cstdio>
#include <string>
#include <vector>

#include "tests/e2e/support/DevService.h"
#include "tests/e2e/support/RemoteControls.h"
#include "tests/e2e/support/TestInstall.h"
#include "tests/e2e/support/TestProcess.h"
#include "tests/e2e/support/WindowFinder.h"

// Times a search whose reply holds ROWS result lines (devservice's search-fill), from the press of the
// search button to the last row shown, in the real browser: SearchRows [ROWS] [RUNS]
// Meanwhile it asks the main window for an answer every few milliseconds and reports how long the
// longest wait was: the window has to stay responsive while the rows stream in.
namespace {

double Now() {
    LARGE_INTEGER frequency, now;
    ::QueryPerformanceFrequency(&frequency);
    ::QueryPerformanceCounter(&now);
    return static_cast<double>(now.QuadPart) * 1000.0 / static_cast<double>(frequency.QuadPart);
}

// How long the window takes to answer an empty message, in ms.
double Latency(HWND window) {
    const double start = Now();
    DWORD_PTR result = 0;
    ::SendMessageTimeoutA(window, WM_NULL, 0, 0, SMTO_NORMAL, 10000, &result);
    return Now() - start;
}

}  // namespace

int main(int argc, char** argv) {
    const int rows = argc > 1 ? std::atoi(argv[1]) : 10000;
    const int runs = argc > 2 ? std::atoi(argv[2]) : 3;
    if (DevService::Address().empty()) {
        std::fprintf(stderr, "FV_DEVSERVICE is not set\n");
        return 2;
    }
    DevService::Reset();
    TestInstall::ResetSettings();
    TestInstall::SaveCredentials(1, "tester", 1, "test1234");
    const std::string folder = TestInstall::Fresh("bench_search");
    CTestProcess browser;
    if (folder.empty() ||
        !browser.Start(folder + "FoldVenBrowser.exe", {"qmtzvbka"}, folder, DevService::HostEnvironment())) {
        std::fprintf(stderr, "cannot start the browser (FV_DIST?)\n");
        return 2;
    }
    HWND main = WindowFinder::WaitForWindowOfClass(browser.Pid(), "FOldVenClass", 30000);
    if (!main) {
        std::fprintf(stderr, "no main window\n");
        return 1;
    }
    DevService::Get("/_control/set?search-fill=" + std::to_string(rows));
    ::SendMessageA(::GetDlgItem(main, 1032), WM_SETTEXT, 0, reinterpret_cast<LPARAM>("bench"));

    HWND list = nullptr;
    int failures = 0;
    for (int run = 0; run <= runs; ++run) {  // run 0 warms up
        const double start = Now();
        ::PostMessageA(main, WM_USER + 500, 14, 0);
        std::vector<double> waits;
        bool emptied = false;
        int count = -1;
        while (Now() - start < 60000) {
            waits.push_back(Latency(main));
            if (!list)
                list = RemoteControls::FindDescendant(main, "SysListView32", 1031);
            count = list ? static_cast<int>(::SendMessageA(list, LVM_GETITEMCOUNT, 0, 0)) : -1;
            emptied = emptied || count < rows;
            if (emptied && count == rows)
                break;
            ::Sleep(5);
        }
        if (count == rows) {
            ::SendMessageA(list, LVM_ENSUREVISIBLE, rows - 1, FALSE);
            ::UpdateWindow(list);
        }
        const double total = Now() - start;
        std::sort(waits.begin(), waits.end());
        if (run == 0)
            continue;
        if (count != rows)
            ++failures;
        std::printf(
            "run %d: %d rows in %.0f ms; window answered %zu times, median %.1f ms, longest %.1f ms\n", run,
            count, total, waits.size(), waits.empty() ? 0.0 : waits[waits.size() / 2],
            waits.empty() ? 0.0 : waits.back());
    }
    DevService::Get("/_control/set?search-fill=0");
    browser.Kill();
    return failures == 0 ? 0 : 1;
}
