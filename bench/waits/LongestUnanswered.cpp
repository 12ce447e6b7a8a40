#include <windows.h>

#include <commctrl.h>
#include <shlobj.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <functional>
#include <string>
#include <vector>

#include "tests/e2e/support/DevService.h"
#include "tests/e2e/support/RemoteControls.h"
#include "tests/e2e/support/TestInstall.h"
#include "tests/e2e/support/TestProcess.h"
#include "tests/e2e/support/WindowFinder.h"

// How long the browser's main window goes unanswered while it waits: it is asked for an answer (WM_NULL
// through SendMessageTimeout) every 20 ms during a listing whose first two attempts fail, a search of
// ROWS results and the installer check before a download, and the longest and the median answer times
// are printed for each. LongestUnanswered [ROWS]
namespace {

using namespace RemoteControls;

constexpr DWORD kPeriodMs = 20;
constexpr DWORD kPhaseLimitMs = 60000;

double Now() {
    LARGE_INTEGER frequency, now;
    ::QueryPerformanceFrequency(&frequency);
    ::QueryPerformanceCounter(&now);
    return static_cast<double>(now.QuadPart) * 1000.0 / static_cast<double>(frequency.QuadPart);
}

std::vector<double> g_all;
double g_begin = 0;

void Report(const std::string& phase, const char* state, double ms, std::vector<double> answers) {
    std::sort(answers.begin(), answers.end());
    std::printf("%-40s %s in %6.0f ms: %4zu probes, longest unanswered %7.1f ms, median %5.1f ms\n",
                phase.c_str(), state, ms, answers.size(), answers.empty() ? 0.0 : answers.back(),
                answers.empty() ? 0.0 : answers[answers.size() / 2]);
    std::fflush(stdout);
}

// Probes `window` every 20 ms until `done` holds; false when it did not within the phase's limit.
bool Probe(const std::string& phase, HWND window, const std::function<bool()>& done) {
    std::vector<double> answers;
    const double start = Now();
    bool finished = false;
    while (!(finished = done()) && Now() - start < kPhaseLimitMs) {
        const double asked = Now();
        DWORD_PTR result = 0;
        ::SendMessageTimeoutA(window, WM_NULL, 0, 0, SMTO_NORMAL, 10000, &result);
        answers.push_back(Now() - asked);
        if (std::getenv("FV_BENCH_TRACE") && answers.back() > 50)
            std::printf("  %.0f ms into the phase: %.1f ms\n", asked - start, answers.back());
        const double spent = Now() - asked;
        if (spent < kPeriodMs)
            ::Sleep(static_cast<DWORD>(kPeriodMs - spent));
    }
    Report(phase, finished ? "done" : "NOT DONE", Now() - start, answers);
    g_all.insert(g_all.end(), answers.begin(), answers.end());
    return finished;
}

std::string ProgramFilesFolder() {
    char path[MAX_PATH] = "";
    ::SHGetFolderPathA(nullptr, CSIDL_PROGRAM_FILES, nullptr, 0, path);
    return std::string(path) + "\\FoldVen\\";
}

void OpenRow(HWND list, const char* name) {
    WindowFinder::WaitUntil([&] { return ListRowOf(list, name) >= 0; }, 30000);
    DoubleClickAt(list, CentreOf(ListRowRect(list, ListRowOf(list, name))));
}

int Fail(const char* what) {
    std::fprintf(stderr, "cannot measure: %s\n", what);
    return 1;
}

}  // namespace

int main(int argc, char** argv) {
    const int rows = argc > 1 ? std::atoi(argv[1]) : 10000;
    if (DevService::Address().empty())
        return Fail("FV_DEVSERVICE is not set");
    DevService::Reset();
    TestInstall::ResetSettings();
    TestInstall::SaveCredentials(1, "tester", 1, "test1234");
    const std::string folder = TestInstall::Fresh("bench_waits");
    const std::string install = ProgramFilesFolder();
    ::CreateDirectoryA(install.c_str(), nullptr);
    if (folder.empty() ||
        !::CopyFileA((folder + "FoldVenDown.exe").c_str(), (install + "FoldVenDown.exe").c_str(), FALSE) ||
        !TestInstall::WriteFile(install + "ver.ini", "2.3.1.2"))
        return Fail("no install image (FV_DIST?)");
    KillProcessesNamed("FoldVenDown.exe");
    CTestProcess browser;
    if (!browser.Start(folder + "FoldVenBrowser.exe", {"qmtzvbka"}, folder, DevService::HostEnvironment()))
        return Fail("the browser does not start");
    HWND main = WindowFinder::WaitForWindowOfClass(browser.Pid(), "FOldVenClass", 30000);
    HWND list = nullptr;
    if (!main ||
        !WindowFinder::WaitUntil([&] { return (list = FindDescendant(main, "SysListView32", 1017)); }, 30000))
        return Fail("no main window with its list");
    WindowFinder::WaitUntil([&] { return ListRowOf(list, "영화") >= 0; }, 30000);

    bool ok = true;
    g_begin = Now();
    DevService::Fault("/GetFileList.aspx?MD=MC", "status", 2, "503");
    OpenRow(list, "영화");
    ok &= Probe("listing, two attempts failing", main, [&] { return ListRowOf(list, "한국영화") >= 0; });

    DevService::Get("/_control/set?search-fill=" + std::to_string(rows));
    // The reply streams in over about a second, as over a real line, so rows keep arriving.
    DevService::Fault("/getfilelist.aspx?step=2", "chunked-writes", -1, "16384");
    DevService::Fault("/getfilelist.aspx?step=2", "chunk-pause", -1, "25");
    ::SendMessageA(::GetDlgItem(main, 1032), WM_SETTEXT, 0, reinterpret_cast<LPARAM>("bench"));
    HWND results = nullptr;
    for (int run = 1; run <= 3; ++run) {
        // A later search empties the list first: it is done when the list has filled again.
        bool emptied = false;
        ::PostMessageA(main, WM_USER + 500, 14, 0);
        const std::string phase =
            "search of " + std::to_string(rows) + " results, run " + std::to_string(run);
        ok &= Probe(phase, main, [&] {
            results = results ? results : FindDescendant(main, "SysListView32", 1031);
            const LRESULT count = results ? ::SendMessageA(results, LVM_GETITEMCOUNT, 0, 0) : -1;
            emptied = emptied || count < rows;
            return emptied && count == rows;
        });
    }
    DevService::Get("/_control/set?search-fill=0");

    OpenRow(list, "한국영화");
    OpenRow(list, "서울의 밤 (2000)");
    WindowFinder::WaitUntil([&] { return ListRowOf(list, "서울의 밤.2000.smi") >= 0; }, 30000);
    SelectListRows(list, {ListRowOf(list, "서울의 밤.2000.smi")});
    DevService::Fault("/rivi/ver.ini", "delay", 1, "1500");
    ::PostMessageA(main, WM_USER + 500, 11, 0);
    ok &= Probe("installer check (slow version file)", main,
                [] { return ::FindWindowA("foldven_class_down", nullptr) != nullptr; });

    Report("all phases", ok ? "done" : "NOT DONE", Now() - g_begin, g_all);
    browser.Kill();
    KillProcessesNamed("FoldVenDown.exe");
    return ok ? 0 : Fail("a phase did not finish");
}
