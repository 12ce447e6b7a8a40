#include <gtest/gtest.h>

#include <atomic>
#include <string>

#include "net/HttpClient.h"
#include "platform/UiHooks.h"
#include "tests/support/LoopbackServer.h"

namespace {

// Counts the paints of a visible window, to see that a blocked request keeps painting going.
std::atomic<int> g_paints{0};
LRESULT CALLBACK CountingProc(HWND hwnd, UINT message, WPARAM w, LPARAM l) {
    if (message == WM_PAINT) {
        PAINTSTRUCT ps;
        ::BeginPaint(hwnd, &ps);
        ::EndPaint(hwnd, &ps);
        ++g_paints;
        return 0;
    }
    return ::DefWindowProcA(hwnd, message, w, l);
}

TEST(WinSocket, StalledReceiveIsCancelledByTheWatchdogWhilePaintingGoesOn) {
    WNDCLASSA wc{};
    wc.lpfnWndProc = CountingProc;
    wc.hInstance = ::GetModuleHandleA(nullptr);
    wc.lpszClassName = "FvPaintCounter";
    ::RegisterClassA(&wc);
    HWND window = ::CreateWindowA("FvPaintCounter", "", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 0, 0, 200, 100,
                                  nullptr, nullptr, wc.hInstance, nullptr);
    ASSERT_NE(window, nullptr);
    ::UpdateWindow(window);
    const int before = g_paints;
    ::InvalidateRect(window, nullptr, TRUE);

    LoopbackServer server([](const std::string&) { return std::string(); });
    CHttpClient client(&SystemUiHooks(), 400);
    std::string reply;
    EXPECT_FALSE(client.Request(reply, server.HostSpec(), 80, "GET / HTTP/1.0\r\n", "", false));
    EXPECT_EQ(client.GetError(), 5);
    EXPECT_EQ(client.GetErrorText(),
              "서버에서 응답이 없습니다.\n 확인후 다시 시도하여 주십시오.(RECV TIME-OUT)");
    EXPECT_GT(g_paints.load(), before);
    ::DestroyWindow(window);
}

}  // namespace
