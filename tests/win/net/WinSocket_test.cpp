#include <windows.h>
#include <winsock2.h>

#include <gtest/gtest.h>

#include <atomic>
#include <string>
#include <thread>

#include "net/HttpClient.h"
#include "platform/UiHooks.h"

namespace {

struct WinsockSession {
    WinsockSession() {
        WSADATA data;
        ::WSAStartup(MAKEWORD(2, 2), &data);
    }
    ~WinsockSession() { ::WSACleanup(); }
} g_winsock;

// A Winsock server on 127.0.0.1 and a free port, serving one connection on a thread: it reads the request
// and answers `reply`, or with an empty reply holds the connection open until it is stopped.
class WinServer {
public:
    explicit WinServer(std::string reply) : m_reply(std::move(reply)) {
        m_listen = ::socket(AF_INET, SOCK_STREAM, IPPROTO_TCP);
        sockaddr_in address{};
        address.sin_family = AF_INET;
        address.sin_addr.s_addr = ::inet_addr("127.0.0.1");
        ::bind(m_listen, reinterpret_cast<sockaddr*>(&address), sizeof(address));
        ::listen(m_listen, 4);
        int length = sizeof(address);
        ::getsockname(m_listen, reinterpret_cast<sockaddr*>(&address), &length);
        m_port = ntohs(address.sin_port);
        m_thread = std::thread([this] { Serve(); });
    }
    ~WinServer() {
        m_stop = true;
        m_thread.join();
        ::closesocket(m_listen);
    }
    std::string Host() const { return "127.0.0.1:" + std::to_string(m_port); }
    std::string Request() const { return m_request; }

private:
    void Serve() {
        const SOCKET peer = ::accept(m_listen, nullptr, nullptr);
        if (peer == INVALID_SOCKET)
            return;
        char buffer[2048];
        while (m_request.find("\r\n\r\n") == std::string::npos) {
            const int n = ::recv(peer, buffer, sizeof(buffer), 0);
            if (n <= 0)
                break;
            m_request.append(buffer, n);
        }
        if (!m_reply.empty())
            ::send(peer, m_reply.data(), static_cast<int>(m_reply.size()), 0);
        while (m_reply.empty() && !m_stop)
            ::Sleep(5);
        ::closesocket(peer);
    }

    std::string m_reply;
    SOCKET m_listen = INVALID_SOCKET;
    unsigned m_port = 0;
    std::atomic<bool> m_stop{false};
    std::string m_request;
    std::thread m_thread;
};

TEST(WinSocket, ConnectsSendsAndReceives) {
    WinServer server("HTTP/1.1 200 OK\r\nContent-Length: 8\r\n\r\nS\t0\tabc\t");
    CHttpClient client(&SystemUiHooks());
    std::string reply;
    ASSERT_TRUE(client.Request(reply, server.Host(), 80, "GET //notice.aspx HTTP/1.0\r\n", "", false));
    EXPECT_EQ(reply, "S\t0\tabc\t");
    ::Sleep(50);
    EXPECT_EQ(server.Request().substr(0, 28), "GET //notice.aspx HTTP/1.0\r\n");
}

TEST(WinSocket, RefusedConnectFails) {
    unsigned port;
    {
        WinServer closing("HTTP/1.1 200 OK\r\n\r\n");
        CHttpClient client;
        std::string reply;
        client.Request(reply, closing.Host(), 80, "GET / HTTP/1.0\r\n", "", false);
        port = std::stoul(closing.Host().substr(10));
    }
    CHttpClient client;
    std::string reply;
    EXPECT_FALSE(
        client.Request(reply, "127.0.0.1:" + std::to_string(port), 80, "GET / HTTP/1.0\r\n", "", false));
    EXPECT_EQ(client.GetError(), 1);
}

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

    WinServer server("");
    CHttpClient client(&SystemUiHooks(), 400);
    std::string reply;
    EXPECT_FALSE(client.Request(reply, server.Host(), 80, "GET / HTTP/1.0\r\n", "", false));
    EXPECT_EQ(client.GetError(), 5);
    EXPECT_EQ(client.GetErrorText(),
              "서버에서 응답이 없습니다.\n 확인후 다시 시도하여 주십시오.(RECV TIME-OUT)");
    EXPECT_GT(g_paints.load(), before);
    ::DestroyWindow(window);
}

}  // namespace
