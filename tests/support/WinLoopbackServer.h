#pragma once

#include <windows.h>
#include <winsock2.h>

#include <atomic>
#include <functional>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

// A Winsock server on 127.0.0.1 and a free port that serves connections one after another on a thread:
// it reads each request through its blank line, records it, and writes what `answer` returns for it; an
// empty answer holds the connection open, unanswered, until the server stops.
class WinLoopbackServer {
public:
    using Answer = std::function<std::string(const std::string& request)>;

    explicit WinLoopbackServer(Answer answer) : m_answer(std::move(answer)) {
        WSADATA data;
        ::WSAStartup(MAKEWORD(2, 2), &data);
        m_listen = ::socket(AF_INET, SOCK_STREAM, IPPROTO_TCP);
        sockaddr_in address{};
        address.sin_family = AF_INET;
        address.sin_addr.s_addr = ::inet_addr("127.0.0.1");
        ::bind(m_listen, reinterpret_cast<sockaddr*>(&address), sizeof(address));
        ::listen(m_listen, 8);
        int length = sizeof(address);
        ::getsockname(m_listen, reinterpret_cast<sockaddr*>(&address), &length);
        m_port = ntohs(address.sin_port);
        m_thread = std::thread([this] { Run(); });
    }

    ~WinLoopbackServer() {
        Stop();
        ::WSACleanup();
    }

    void Stop() {
        m_stop = true;
        if (m_thread.joinable())
            m_thread.join();
        if (m_listen != INVALID_SOCKET)
            ::closesocket(m_listen);
        m_listen = INVALID_SOCKET;
    }

    unsigned Port() const { return m_port; }
    std::string Host() const { return "127.0.0.1:" + std::to_string(m_port); }
    std::vector<std::string> Requests() {
        std::lock_guard<std::mutex> lock(m_mutex);
        return m_requests;
    }

private:
    void Run() {
        while (!m_stop) {
            fd_set set;
            FD_ZERO(&set);
            FD_SET(m_listen, &set);
            timeval slice{0, 10000};
            if (::select(0, &set, nullptr, nullptr, &slice) <= 0)
                continue;
            const SOCKET peer = ::accept(m_listen, nullptr, nullptr);
            if (peer == INVALID_SOCKET)
                continue;
            Serve(peer);
            ::closesocket(peer);
        }
    }

    void Serve(SOCKET peer) {
        std::string request;
        char buffer[2048];
        while (request.find("\r\n\r\n") == std::string::npos) {
            const int n = ::recv(peer, buffer, sizeof(buffer), 0);
            if (n <= 0)
                break;
            request.append(buffer, n);
        }
        {
            std::lock_guard<std::mutex> lock(m_mutex);
            m_requests.push_back(request);
        }
        const std::string reply = m_answer(request);
        if (!reply.empty())
            ::send(peer, reply.data(), static_cast<int>(reply.size()), 0);
        while (reply.empty() && !m_stop)
            ::Sleep(5);
    }

    Answer m_answer;
    SOCKET m_listen = INVALID_SOCKET;
    unsigned m_port = 0;
    std::atomic<bool> m_stop{false};
    std::mutex m_mutex;
    std::vector<std::string> m_requests;
    std::thread m_thread;
};

// An HTTP reply with a Content-Length, as the service sends it.
inline std::string HttpReply(const std::string& body) {
    return "HTTP/1.1 200 OK\r\nContent-Length: " + std::to_string(body.size()) + "\r\n\r\n" + body;
}
