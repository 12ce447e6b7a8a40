#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <fstream>
#include <functional>
#include <map>
#include <string>
#include <vector>

#include "FoldVenBrowser/res/resource.h"
#include "tests/e2e/support/TestProcess.h"

// Start-up times of the programs as a user meets them, under Wine, against devservice:
//   bench_startup ROUNDS FOLDER TRACE_FILE
// Each round starts a trivial program of one window (bench_first_window.exe beside this one: Wine's own
// floor),
// VenUpdater.exe without a saved login until the login dialog shows, and FoldVenBrowser.exe with a
// saved login until the main window shows. The steps between are told apart by the windows and the
// named mutex seen from here and by the request times in devservice's trace (--trace TRACE_FILE).

namespace {

constexpr DWORD kPollMs = 2;
constexpr double kTimeoutS = 30;
constexpr const char* kFloorClass = "FvBenchFirstWindow";  // bench_first_window.exe's
constexpr const char* kRegistryKey = "Software\\FoldVen";

// Seconds since the Unix epoch: the clock of devservice's trace.
double Now() {
    using Precise = void(WINAPI*)(FILETIME*);
    static const Precise precise = reinterpret_cast<Precise>(reinterpret_cast<void*>(
        ::GetProcAddress(::GetModuleHandleA("kernel32.dll"), "GetSystemTimePreciseAsFileTime")));
    FILETIME ft;
    if (precise)
        precise(&ft);
    else
        ::GetSystemTimeAsFileTime(&ft);
    const ULONGLONG ticks = (static_cast<ULONGLONG>(ft.dwHighDateTime) << 32) | ft.dwLowDateTime;
    return static_cast<double>(ticks - 116444736000000000ULL) / 1e7;
}

HWND VisibleTopLevel(const char* className, int childId = 0) {
    HWND hwnd = nullptr;
    while ((hwnd = ::FindWindowExA(nullptr, hwnd, className, nullptr)) != nullptr) {
        if (::IsWindowVisible(hwnd) && (childId == 0 || ::GetDlgItem(hwnd, childId)))
            return hwnd;
    }
    return nullptr;
}

bool MutexExists(const char* name) {
    HANDLE mutex = ::OpenMutexA(SYNCHRONIZE, FALSE, name);
    if (!mutex)
        return false;
    ::CloseHandle(mutex);
    return true;
}

bool ProcessRuns(const char* exeName) {
    return !ProcessIdsNamed(exeName).empty();
}

struct Mark {
    std::string name;
    std::function<bool()> seen;
};

using Times = std::map<std::string, double>;  // event -> seconds after the start

// Starts `commandLine` in `folder` and polls until every mark has been seen; their times go to `times`.
bool RunUntil(const std::string& commandLine, const std::string& folder, const std::vector<Mark>& marks,
              double& start, Times& times, PROCESS_INFORMATION& process) {
    STARTUPINFOA startup{};
    startup.cb = sizeof(startup);
    std::vector<char> line(commandLine.begin(), commandLine.end());
    line.push_back('\0');
    start = Now();
    if (!::CreateProcessA(nullptr, line.data(), nullptr, nullptr, FALSE, 0, nullptr,
                          folder.empty() ? nullptr : folder.c_str(), &startup, &process)) {
        std::fprintf(stderr, "cannot start %s (%lu)\n", commandLine.c_str(), ::GetLastError());
        return false;
    }
    size_t left = marks.size();
    while (left > 0) {
        for (const Mark& mark : marks) {
            if (!times.count(mark.name) && mark.seen()) {
                times[mark.name] = Now() - start;
                --left;
            }
        }
        if (left > 0 && Now() - start > kTimeoutS) {
            std::fprintf(stderr, "%s: nothing of \"%s\" after %.0f s\n", commandLine.c_str(),
                         marks.back().name.c_str(), kTimeoutS);
            return false;
        }
        ::Sleep(kPollMs);
    }
    return true;
}

// Ends every running updater and browser (by name, not by window: the browser's main window is briefly
// invisible while it is set up), so that no round meets one of an earlier round: a browser left running
// keeps the next one from starting (it only brings the running one forward).
void EndPrograms() {
    KillProcessesNamed("VenUpdater.exe");
    KillProcessesNamed("FoldVenBrowser.exe");
}

void SetSavedLogin(bool saved) {
    HKEY key;
    if (::RegCreateKeyExA(HKEY_CURRENT_USER, kRegistryKey, 0, nullptr, 0, KEY_WRITE, nullptr, &key, nullptr))
        return;
    const DWORD on = saved ? 1 : 0;
    const std::string id = saved ? "tester" : "";
    const std::string password = saved ? "test1234" : "";
    ::RegSetValueExA(key, "bSaveID", 0, REG_DWORD, reinterpret_cast<const BYTE*>(&on), sizeof(on));
    ::RegSetValueExA(key, "bKeepPassword", 0, REG_DWORD, reinterpret_cast<const BYTE*>(&on), sizeof(on));
    ::RegSetValueExA(key, "strSaveID", 0, REG_SZ, reinterpret_cast<const BYTE*>(id.c_str()),
                     static_cast<DWORD>(id.size() + 1));
    ::RegSetValueExA(key, "UserPW", 0, REG_SZ, reinterpret_cast<const BYTE*>(password.c_str()),
                     static_cast<DWORD>(password.size() + 1));
    ::RegCloseKey(key);
}

// The first request whose line holds `page`, received after `start`, as "<name> received" and
// "<name> answered".
void AddRequest(const std::string& traceFile, double start, const std::string& page, const std::string& name,
                Times& times) {
    std::ifstream trace(traceFile);
    double received = 0;
    double sent = 0;
    std::string line;
    while (trace >> received >> sent && std::getline(trace, line)) {
        if (received >= start && line.find(page) != std::string::npos) {
            times[name + " received"] = received - start;
            times[name + " answered"] = sent - start;
            return;
        }
    }
}

struct Flow {
    std::string title;
    std::vector<std::string> order;  // events in the order the steps run
    std::vector<Times> rounds;
};

double Median(std::vector<double> values) {
    std::sort(values.begin(), values.end());
    const size_t n = values.size();
    return n == 0 ? 0 : n % 2 ? values[n / 2] : (values[n / 2 - 1] + values[n / 2]) / 2;
}

void PrintRound(const Flow& flow, int round) {
    std::printf("%s, round %d:", flow.title.c_str(), round);
    for (const std::string& event : flow.order) {
        auto found = flow.rounds.back().find(event);
        if (found != flow.rounds.back().end())
            std::printf(" %s %.0f;", event.c_str(), found->second * 1000);
    }
    std::printf(" (ms)\n");
    std::fflush(stdout);
}

// Medians and spread of the whole and of each step, with each step's share of the median whole.
void PrintSummary(const Flow& flow, double floorMedian) {
    std::vector<double> totals;
    for (const Times& t : flow.rounds)
        totals.push_back(t.at(flow.order.back()));
    const double total = Median(totals);
    std::printf("%s: median %.0f ms (%.0f-%.0f)", flow.title.c_str(), total * 1000,
                *std::min_element(totals.begin(), totals.end()) * 1000,
                *std::max_element(totals.begin(), totals.end()) * 1000);
    if (floorMedian > 0)
        std::printf(", %.1f x the trivial program's start", total / floorMedian);
    std::printf("\n");
    for (size_t i = 0; i < flow.order.size(); ++i) {
        const std::string from = i == 0 ? "start" : flow.order[i - 1];
        std::vector<double> steps;
        for (const Times& t : flow.rounds) {
            const double before = i == 0 ? 0 : (t.count(from) ? t.at(from) : -1);
            if (before >= 0 && t.count(flow.order[i]))
                steps.push_back(t.at(flow.order[i]) - before);
        }
        if (steps.empty())
            continue;
        const double step = Median(steps);
        std::printf("  %-26s -> %-26s %6.0f ms (%4.0f-%4.0f) %3.0f%%\n", from.c_str(), flow.order[i].c_str(),
                    step * 1000, *std::min_element(steps.begin(), steps.end()) * 1000,
                    *std::max_element(steps.begin(), steps.end()) * 1000, total > 0 ? 100 * step / total : 0);
    }
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 4) {
        std::fprintf(stderr, "usage: bench_startup ROUNDS FOLDER TRACE_FILE\n");
        return 2;
    }
    const int rounds = std::max(1, std::atoi(argv[1]));
    std::string folder = argv[2];
    if (folder.back() != '\\')
        folder += '\\';
    const std::string traceFile = argv[3];
    char self[MAX_PATH] = {};
    ::GetModuleFileNameA(nullptr, self, MAX_PATH);
    std::string firstWindow = self;
    firstWindow = firstWindow.substr(0, firstWindow.find_last_of('\\') + 1) + "bench_first_window.exe";

    Flow floor{"trivial program: start -> window shown", {"window shown"}, {}};
    Flow updater{"VenUpdater.exe: start -> login dialog shown",
                 {"updater window shown", "list received", "list answered", "browser process",
                  "browser mutex", "notices received", "notices answered", "login dialog shown"},
                 {}};
    Flow browser{"FoldVenBrowser.exe with a saved login: start -> main window shown",
                 {"browser mutex", "login received", "login answered", "main window shown"},
                 {}};

    EndPrograms();
    for (int round = 1; round <= rounds; ++round) {
        double start = 0;
        PROCESS_INFORMATION process{};
        Times times;

        if (!RunUntil("\"" + firstWindow + "\"", "",
                      {{"window shown", [] { return VisibleTopLevel(kFloorClass) != nullptr; }}}, start,
                      times, process))
            return 1;
        ::PostMessageA(VisibleTopLevel(kFloorClass), WM_CLOSE, 0, 0);
        ::WaitForSingleObject(process.hProcess, 10000);
        ::CloseHandle(process.hThread);
        ::CloseHandle(process.hProcess);
        floor.rounds.push_back(times);
        PrintRound(floor, round);

        SetSavedLogin(false);
        times.clear();
        const bool updaterOk = RunUntil(
            "\"" + folder + "VenUpdater.exe\"", folder,
            {{"updater window shown", [] { return VisibleTopLevel("FoldVenUpdaterClass") != nullptr; }},
             {"browser process", [] { return ProcessRuns("FoldVenBrowser.exe"); }},
             {"browser mutex", [] { return MutexExists("FoldVenMutex"); }},
             {"login dialog shown", [] { return VisibleTopLevel("#32770", IDC_LOGIN_ID) != nullptr; }}},
            start, times, process);
        ::WaitForSingleObject(process.hProcess, 10000);  // the updater closes itself after the launch
        ::CloseHandle(process.hThread);
        ::CloseHandle(process.hProcess);
        EndPrograms();
        if (!updaterOk)
            return 1;
        AddRequest(traceFile, start, "ReturnFileUpdateList", "list", times);
        AddRequest(traceFile, start, "/notice.aspx", "notices", times);
        updater.rounds.push_back(times);
        PrintRound(updater, round);

        SetSavedLogin(true);
        times.clear();
        const bool browserOk =
            RunUntil("\"" + folder + "FoldVenBrowser.exe\" qmtzvbka", folder,
                     {{"browser mutex", [] { return MutexExists("FoldVenMutex"); }},
                      {"main window shown", [] { return VisibleTopLevel("FOldVenClass") != nullptr; }}},
                     start, times, process);
        EndPrograms();
        ::CloseHandle(process.hThread);
        ::CloseHandle(process.hProcess);
        if (!browserOk)
            return 1;
        AddRequest(traceFile, start, "/login.aspx", "login", times);
        browser.rounds.push_back(times);
        PrintRound(browser, round);
    }
    SetSavedLogin(false);

    std::vector<double> floorTimes;
    for (const Times& t : floor.rounds)
        floorTimes.push_back(t.at("window shown"));
    const double floorMedian = Median(floorTimes);
    std::printf("\n");
    PrintSummary(floor, 0);
    PrintSummary(updater, floorMedian);
    PrintSummary(browser, floorMedian);
    return 0;
}
