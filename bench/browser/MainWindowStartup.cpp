// Time from starting "FoldVenBrowser.exe qmtzvbka" with saved credentials to its main window's first
// paint, against devservice (FV_DEVSERVICE), in three parts. The program's API host is a loopback relay
// in this process that passes every request on to devservice and notes when the first one (the login)
// has arrived and when its reply is ready to go back (the relay looks for connections every 10 ms):
//   process start      — start until the login request arrives (Wine's process start, start-up steps);
//   login request      — until the browser has the whole reply;
//   main-window set-up — until the window's top band shows on the screen (window, set-up, first paint).
//   usage: bench_main_window.exe FOLDER_OF_FoldVenBrowser.exe [RUNS]
#include <winsock2.h>
#include <ws2tcpip.h>

#include <windows.h>

#include <algorithm>
#include <atomic>
#include <cstdio>
#include <cstdlib>
#include <map>
#include <string>
#include <vector>

#include "tests/e2e/support/DevService.h"
#include "tests/e2e/support/TestInstall.h"
#include "tests/e2e/support/TestProcess.h"
#include "tests/support/LoopbackServer.h"

namespace {

constexpr COLORREF kBandColour = RGB(0x2B, 0x6F, 0xD0);
constexpr double kGiveUpSeconds = 30.0;

double Now() {
    static const LARGE_INTEGER frequency = [] {
        LARGE_INTEGER f;
        ::QueryPerformanceFrequency(&f);
        return f;
    }();
    LARGE_INTEGER counter;
    ::QueryPerformanceCounter(&counter);
    return static_cast<double>(counter.QuadPart) / static_cast<double>(frequency.QuadPart);
}

// Passes one request on to devservice and returns its whole reply.
std::string Forward(const std::string& request) {
    const std::string service = DevService::Address();
    sockaddr_in address{};
    address.sin_family = AF_INET;
    address.sin_port = htons(static_cast<u_short>(std::atoi(service.c_str() + service.find(':') + 1)));
    address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    std::string reply;
    SOCKET upstream = ::socket(AF_INET, SOCK_STREAM, IPPROTO_TCP);
    if (::connect(upstream, reinterpret_cast<sockaddr*>(&address), sizeof(address)) == 0 &&
        ::send(upstream, request.data(), static_cast<int>(request.size()), 0) > 0) {
        char buffer[16384];
        int n = 0;
        while ((n = ::recv(upstream, buffer, sizeof(buffer), 0)) > 0)
            reply.append(buffer, n);
    }
    ::closesocket(upstream);
    return reply;
}

// The program's API host: every request goes on to devservice; the first one's times are noted.
struct Relay {
    std::atomic<double> arrived{-1};
    std::atomic<double> answered{-1};
    LoopbackServer server{[this](const std::string& request) {
        const double now = Now();
        std::string reply = Forward(request);
        if (arrived < 0) {
            arrived = now;
            answered = Now();
        }
        return reply;
    }};
};

struct FindWindowOf {
    DWORD pid;
    HWND found;
};

HWND MainWindowOf(DWORD pid) {
    FindWindowOf find{pid, nullptr};
    ::EnumWindows(
        [](HWND hwnd, LPARAM data) -> BOOL {
            auto* f = reinterpret_cast<FindWindowOf*>(data);
            DWORD owner = 0;
            ::GetWindowThreadProcessId(hwnd, &owner);
            char name[32] = "";
            ::GetClassNameA(hwnd, name, sizeof(name));
            if (owner != f->pid || std::string(name) != "FOldVenClass")
                return TRUE;
            f->found = hwnd;
            return FALSE;
        },
        reinterpret_cast<LPARAM>(&find));
    return find.found;
}

// The middle of the top band, on the screen: painted once it shows the band's colour.
bool TopBandPainted(HWND main) {
    if (!::IsWindowVisible(main))
        return false;
    RECT client{};
    ::GetClientRect(main, &client);
    POINT point{client.right / 2, 20};
    ::ClientToScreen(main, &point);
    HDC screen = ::GetDC(nullptr);
    const COLORREF pixel = ::GetPixel(screen, point.x, point.y);
    ::ReleaseDC(nullptr, screen);
    return pixel == kBandColour;
}

struct Run {
    double processStart = -1, loginRequest = -1, setUp = -1;
    double Total() const { return processStart + loginRequest + setUp; }
};

bool Measure(const std::string& folder, Run& run) {
    DevService::Reset();
    KillProcessesNamed("FoldVenBrowser.exe");
    Relay relay;
    std::map<std::string, std::string> environment = DevService::HostEnvironment();
    environment["FOLDVEN_API_HOST"] = relay.server.HostSpec();
    CTestProcess browser;
    const double start = Now();
    if (!browser.Start(folder + "FoldVenBrowser.exe", {"qmtzvbka"}, folder, environment))
        return false;
    HWND main = nullptr;
    while (Now() - start < kGiveUpSeconds) {
        if (!main)
            main = MainWindowOf(browser.Pid());
        if (main && relay.answered > 0 && TopBandPainted(main)) {
            run.processStart = relay.arrived - start;
            run.loginRequest = relay.answered - relay.arrived;
            run.setUp = Now() - relay.answered;
            break;
        }
        ::Sleep(1);
    }
    browser.Kill();
    // Exactly one login: a run that fell back to the login dialog would not measure this path.
    return run.processStart >= 0 && DevService::CountRequests("/login.aspx") == 1;
}

double Median(std::vector<double> values) {
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

}  // namespace

int main(int argc, char** argv) {
    if (argc < 2 || DevService::Address().empty()) {
        std::fprintf(stderr, "usage: FV_DEVSERVICE=host:port %s FOLDER [RUNS]\n", argv[0]);
        return 2;
    }
    WSADATA wsa;
    ::WSAStartup(MAKEWORD(2, 2), &wsa);
    std::string folder = argv[1];
    if (folder.back() != '\\')
        folder += '\\';
    const int runs = argc > 2 ? std::max(1, std::atoi(argv[2])) : 5;
    TestInstall::ResetSettings();
    TestInstall::SaveCredentials(1, "tester", 1, "test1234");

    Run warm;
    Measure(folder, warm);  // the first start fills Wine's caches
    std::vector<double> start, login, setUp, total;
    for (int i = 0; i < runs; ++i) {
        Run run;
        if (!Measure(folder, run)) {
            std::fprintf(stderr, "run %d: no painted main window within %.0f s\n", i + 1, kGiveUpSeconds);
            return 1;
        }
        std::printf(
            "run %d: process start %.3f s, login request %.3f s, main-window set-up %.3f s, total %.3f s\n",
            i + 1, run.processStart, run.loginRequest, run.setUp, run.Total());
        start.push_back(run.processStart);
        login.push_back(run.loginRequest);
        setUp.push_back(run.setUp);
        total.push_back(run.Total());
    }
    std::printf(
        "median of %d: process start %.3f s, login request %.3f s, main-window set-up %.3f s, total %.3f s\n",
        runs, Median(start), Median(login), Median(setUp), Median(total));
    ::WSACleanup();
    return 0;
}
