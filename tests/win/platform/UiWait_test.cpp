#include "platform/UiWait.h"

#include <gtest/gtest.h>
#include <windows.h>

#include <atomic>
#include <thread>
#include <vector>

#include "platform/Sleeper.h"

namespace {

std::vector<UINT> g_seen;

LRESULT CALLBACK RecordingProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_PAINT || message == WM_TIMER || message == WM_COMMAND || message == WM_LBUTTONDOWN ||
        message == WM_KEYDOWN || message == WM_APP) {
        g_seen.push_back(message);
    }
    if (message == WM_PAINT) {
        PAINTSTRUCT paint;
        ::BeginPaint(hwnd, &paint);
        ::EndPaint(hwnd, &paint);
        return 0;
    }
    return ::DefWindowProcA(hwnd, message, wParam, lParam);
}

class UiWaitTest : public ::testing::Test {
protected:
    void SetUp() override {
        WNDCLASSA wc{};
        wc.lpfnWndProc = RecordingProc;
        wc.hInstance = ::GetModuleHandleA(nullptr);
        wc.lpszClassName = "UiWaitTestWindow";
        ::RegisterClassA(&wc);
        window = ::CreateWindowA("UiWaitTestWindow", "wait", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 10, 10, 200,
                                 100, nullptr, nullptr, wc.hInstance, nullptr);
        ASSERT_NE(window, nullptr);
        Drain();
        g_seen.clear();
    }
    void TearDown() override {
        ::DestroyWindow(window);
        Drain();
    }
    static void Drain() {
        MSG msg;
        while (::PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE))
            ::DispatchMessageA(&msg);
    }
    static int Count(UINT message) {
        int n = 0;
        for (UINT seen : g_seen)
            n += seen == message ? 1 : 0;
        return n;
    }
    // What the window was sent from another thread while this one waited: answered within the wait.
    static bool AnsweredFromAnotherThread(HWND target) {
        std::atomic<bool> answered{false};
        std::thread probe([&] {
            DWORD_PTR result = 0;
            answered = ::SendMessageTimeoutA(target, WM_NULL, 0, 0, SMTO_ABORTIFHUNG, 1000, &result) != 0;
        });
        SystemSleeper().Sleep(300);
        probe.join();
        return answered;
    }

    HWND window = nullptr;
};

TEST_F(UiWaitTest, PaintsRunsTimersAndAnswersButStartsNothingFromInput) {
    ::InvalidateRect(window, nullptr, TRUE);
    ::SetTimer(window, 1, 40, nullptr);
    ::PostMessageA(window, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(5, 5));
    ::PostMessageA(window, WM_KEYDOWN, VK_RETURN, 1);
    ::PostMessageA(window, WM_COMMAND, IDOK, 0);
    ::PostMessageA(window, WM_APP, 0, 0);
    EXPECT_TRUE(AnsweredFromAnotherThread(window));
    ::KillTimer(window, 1);
    EXPECT_GE(Count(WM_PAINT), 1);
    EXPECT_GE(Count(WM_TIMER), 2);
    EXPECT_EQ(Count(WM_COMMAND) + Count(WM_APP) + Count(WM_LBUTTONDOWN) + Count(WM_KEYDOWN), 0);

    // After the wait the held-back command and message run in their order; the input is gone.
    Drain();
    EXPECT_EQ(Count(WM_COMMAND), 1);
    EXPECT_EQ(Count(WM_APP), 1);
    EXPECT_EQ(Count(WM_LBUTTONDOWN) + Count(WM_KEYDOWN), 0);
}

TEST_F(UiWaitTest, CommandsWaitForTheOutermostRequestAndQuitSurvives) {
    {
        UiWait::CBusyScope request;
        ::PostMessageA(window, WM_COMMAND, IDCANCEL, 0);
        ::PostQuitMessage(3);
        SystemSleeper().Sleep(50);  // a pause between attempts
        UiWait::PumpOnce();         // a socket wait of the next attempt
        EXPECT_EQ(Count(WM_COMMAND), 0);
    }
    MSG msg;
    bool quit = false;
    while (::PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
        if (msg.message == WM_QUIT)
            quit = msg.wParam == 3;
        else
            ::DispatchMessageA(&msg);
    }
    EXPECT_EQ(Count(WM_COMMAND), 1);
    EXPECT_TRUE(quit);
}

}  // namespace
