#pragma once

#ifdef _WIN32
#include <windows.h>
#include <winsock2.h>
#else
#include <arpa/inet.h>
#include <netinet/in.h>
#include <poll.h>
#include <sys/socket.h>
#include <unistd.h>
#endif

#include <algorithm>
#include <atomic>
#include <chrono>
#include <functional>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

// The few socket calls that differ between Winsock and POSIX.
namespace LoopbackSocket {
#ifdef _WIN32
using Handle = SOCKET;
using Length = int;
constexpr int kSendFlags = 0;
inline void Close(Handle s) {
    ::closesocket(s);
}
inline bool Readable(Handle s, int ms) {
    fd_set set;
    FD_ZERO(&set);
    FD_SET(s, &set);
    timeval wait{ms / 1000, (ms % 1000) * 1000};
    return ::select(0, &set, nullptr, nullptr, &wait) > 0;
}
#else
using Handle = int;
using Length = socklen_t;
constexpr int kSendFlags = MSG_NOSIGNAL;
inline void Close(Handle s) {
    ::close(s);
}
inline bool Readable(Handle s, int ms) {
    pollfd p{s, POLLIN, 0};
    return ::poll(&p, 1, ms) > 0;
}
#endif
}  // namespace LoopbackSocket

// One accepted connection of a LoopbackServer, as its handler sees it.
class LoopbackConnection {
public:
    using Recorder = std::function<void(const std::string&)>;
    LoopbackConnection(LoopbackSocket::Handle fd, const std::atomic<bool>& stopping, Recorder record)
        : m_fd(fd), m_stopping(stopping), m_record(std::move(record)) {}

    // Reads bytes until `count` have arrived, the peer closes or two seconds pass.
    std::string ReadBytes(std::size_t count) {
        std::string data;
        while (data.size() < count && LoopbackSocket::Readable(m_fd, 2000)) {
            char buffer[4096];
            const int n = static_cast<int>(
                ::recv(m_fd, buffer, static_cast<int>(std::min(sizeof(buffer), count - data.size())), 0));
            if (n <= 0)
                break;
            data.append(buffer, static_cast<std::size_t>(n));
        }
        return data;
    }

    // Reads one HTTP request, the header through its blank line and a body of its Content-Length, and
    // records it with the server.
    std::string ReadRequest() {
        std::string data;
        std::size_t need = std::string::npos;
        while (data.size() < need && LoopbackSocket::Readable(m_fd, 2000)) {
            char buffer[4096];
            const int n = static_cast<int>(::recv(m_fd, buffer, sizeof(buffer), 0));
            if (n <= 0)
                break;
            data.append(buffer, static_cast<std::size_t>(n));
            const std::size_t end = data.find("\r\n\r\n");
            if (need == std::string::npos && end != std::string::npos) {
                const std::size_t length = data.find("Content-Length: ");
                need = end + 4 + (length < end ? std::stoul(data.substr(length + 16)) : 0);
            }
        }
        m_record(data);
        return data;
    }

    void Write(const std::string& data) {
        ::send(m_fd, data.data(), static_cast<int>(data.size()), LoopbackSocket::kSendFlags);
    }

    void Pause(int ms) { std::this_thread::sleep_for(std::chrono::milliseconds(ms)); }

    // Holds the connection open without answering until the server stops.
    void Stall() {
        while (!m_stopping)
            Pause(5);
    }

private:
    LoopbackSocket::Handle m_fd;
    const std::atomic<bool>& m_stopping;
    Recorder m_record;
};

// A TCP server on 127.0.0.1 and a free port that serves each connection, one after another, with the
// test's handler on a thread of its own, and records the requests it was sent.
class LoopbackServer {
public:
    using Handler = std::function<void(LoopbackConnection&)>;
    using ReplyFor = std::function<std::string(const std::string& request)>;

    explicit LoopbackServer(Handler handler) : m_handler(std::move(handler)) {
#ifdef _WIN32
        WSADATA data;
        ::WSAStartup(MAKEWORD(2, 2), &data);
#endif
        m_listen = ::socket(AF_INET, SOCK_STREAM, 0);
        const int on = 1;
        ::setsockopt(m_listen, SOL_SOCKET, SO_REUSEADDR, reinterpret_cast<const char*>(&on), sizeof(on));
        sockaddr_in address{};
        address.sin_family = AF_INET;
        address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
        ::bind(m_listen, reinterpret_cast<sockaddr*>(&address), sizeof(address));
        ::listen(m_listen, 16);
        LoopbackSocket::Length length = sizeof(address);
        ::getsockname(m_listen, reinterpret_cast<sockaddr*>(&address), &length);
        m_port = ntohs(address.sin_port);
        m_thread = std::thread([this] { Run(); });
    }
    // Answers each request with what `replyFor` gives for it; an empty answer holds the connection open,
    // unanswered, until the server stops.
    explicit LoopbackServer(ReplyFor replyFor)
        : LoopbackServer(Handler([replyFor](LoopbackConnection& c) {
              const std::string reply = replyFor(c.ReadRequest());
              if (reply.empty())
                  c.Stall();
              else
                  c.Write(reply);
          })) {}

    // Answers every request with `reply` in one write.
    static Handler Answer(const std::string& reply) {
        return [reply](LoopbackConnection& c) {
            c.ReadRequest();
            c.Write(reply);
        };
    }

    ~LoopbackServer() {
        Stop();
#ifdef _WIN32
        ::WSACleanup();
#endif
    }

    void Stop() {
        m_stopping = true;
        if (m_thread.joinable())
            m_thread.join();
        if (m_listening) {
            LoopbackSocket::Close(m_listen);
            m_listening = false;
        }
    }

    unsigned Port() const {
        return m_port;
    }
    std::string HostSpec() const {
        return "127.0.0.1:" + std::to_string(m_port);
    }
    int Connections() const {
        return m_connections;
    }

    std::vector<std::string> Requests() {
        std::lock_guard<std::mutex> lock(m_mutex);
        return m_requests;
    }

private:
    void Run() {
        while (!m_stopping) {
            if (!LoopbackSocket::Readable(m_listen, 10))
                continue;
            const LoopbackSocket::Handle fd = ::accept(m_listen, nullptr, nullptr);
            if (fd == static_cast<LoopbackSocket::Handle>(-1))
                continue;
            ++m_connections;
            LoopbackConnection connection(fd, m_stopping, [this](const std::string& request) {
                std::lock_guard<std::mutex> lock(m_mutex);
                m_requests.push_back(request);
            });
            m_handler(connection);
            LoopbackSocket::Close(fd);
        }
    }

    Handler m_handler;
    LoopbackSocket::Handle m_listen;
    bool m_listening = true;
    unsigned m_port = 0;
    std::atomic<bool> m_stopping{false};
    std::atomic<int> m_connections{0};
    std::mutex m_mutex;
    std::vector<std::string> m_requests;
    std::thread m_thread;
};

// An HTTP reply with a Content-Length, as the service sends it.
inline std::string HttpReply(const std::string& body) {
    return "HTTP/1.1 200 OK\r\nContent-Length: " + std::to_string(body.size()) + "\r\n\r\n" + body;
}
