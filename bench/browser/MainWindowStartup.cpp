// Time from starting "FoldVenBrowser.exe qmtzvbka" with saved credentials to its main window's first
// paint, against devservice (FV_DEVSERVICE), in three parts. The program's API host is a loopback relay
// in this process that passes every connection on to devservice and notes when the first one (the
// login) arrives and when its reply has been handed back:
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
#include <thread>
#include <vector>

#include "tests/e2e/support/DevService.h"
#include "tests/e2e/support/TestInstall.h"
#include "tests/e2e/support/TestProcess.h"

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

// Passes connections from the browser on to devservice, one at a time (the start-up makes them one
// after the other), and notes the times of the first.
class CRelay {
public:
    CRelay() {
        m_listen = ::socket(AF_INET, SOCK_STREAM, IPPROTO_TCP);
        sockaddr_in address{};
        address.sin_family = AF_INET;
        address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
        ::bind(m_listen, reinterpret_cast<sockaddr*>(&address), sizeof(address));
        ::listen(m_listen, 8);
        int length = sizeof(address);
        ::getsockname(m_listen, reinterpret_cast<sockaddr*>(&address), &length);
        m_port = ntohs(address.sin_port);
        m_thread = std::thread([this] { Serve(); });
    }
    ~CRelay() {
        m_stop = true;
        ::closesocket(m_listen);
        m_thread.join();
    }
    std::string Host() const { return "127.0.0.1:" + std::to_string(m_port); }
    double FirstArrived() const { return m_arrived; }
    double FirstAnswered() const { return m_answered; }

private:
    void Serve() {
        while (!m_stop) {
            SOCKET client = ::accept(m_listen, nullptr, nullptr);
            if (client == INVALID_SOCKET)
                return;
            const double arrived = Now();
            Pass(client);
            if (m_arrived < 0) {
                m_arrived = arrived;
                m_answered = Now();
            }
            ::closesocket(client);
        }
    }
    static void Pass(SOCKET client) {
        std::string request;
        char buffer[16384];
        while (request.find("\r\n\r\n") == std::string::npos) {
            const int n = ::recv(client, buffer, sizeof(buffer), 0);
            if (n <= 0)
                return;
            request.append(buffer, n);
        }
        const std::string service = DevService::Address();
        const std::size_t colon = service.find(':');
        sockaddr_in address{};
        address.sin_family = AF_INET;
        address.sin_port = htons(static_cast<u_short>(std::atoi(service.c_str() + colon + 1)));
        address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
        SOCKET upstream = ::socket(AF_INET, SOCK_STREAM, IPPROTO_TCP);
        if (::connect(upstream, reinterpret_cast<sockaddr*>(&address), sizeof(address)) == 0 &&
            ::send(upstream, request.data(), static_cast<int>(request.size()), 0) > 0) {
            std::string reply;
            int n = 0;
            while ((n = ::recv(upstream, buffer, sizeof(buffer), 0)) > 0)
                reply.append(buffer, n);
            ::send(client, reply.data(), static_cast<int>(reply.size()), 0);
        }
        ::closesocket(upstream);
    }

    SOCKET m_listen;
    int m_port = 0;
    std::atomic<bool> m_stop{false};
    std::atomic<double> m_arrived{-1};
    std::atomic<double> m_answered{-1};
    std::thread m_thread;
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
    CRelay relay;
    std::map<std::string, std::string> environment = DevService::HostEnvironment();
    environment["FOLDVEN_API_HOST"] = relay.Host();
    CTestProcess browser;
    const double start = Now();
    if (!browser.Start(folder + "FoldVenBrowser.exe", {"qmtzvbka"}, folder, environment))
        return false;
    HWND main = nullptr;
    while (Now() - start < kGiveUpSeconds) {
        if (!main)
            main = MainWindowOf(browser.Pid());
        if (main && relay.FirstAnswered() > 0 && TopBandPainted(main)) {
            run.processStart = relay.FirstArrived() - start;
            run.loginRequest = relay.FirstAnswered() - relay.FirstArrived();
            run.setUp = Now() - relay.FirstAnswered();
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
