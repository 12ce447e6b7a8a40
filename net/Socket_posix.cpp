#include <arpa/inet.h>
#include <fcntl.h>
#include <netdb.h>
#include <netinet/in.h>
#include <poll.h>
#include <sys/socket.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>

#include "net/Socket.h"

namespace {

// Non-blocking descriptor; every call that would block waits in poll slices between questions to the hook.
class CPosixSocket : public ISocket {
public:
    ~CPosixSocket() override { Close(); }

    bool Create() override {
        Close();
        m_fd = ::socket(AF_INET, SOCK_STREAM, 0);
        if (m_fd < 0)
            return Fail(errno);
        const int flags = ::fcntl(m_fd, F_GETFL, 0);
        if (flags < 0 || ::fcntl(m_fd, F_SETFL, flags | O_NONBLOCK) < 0) {
            const int error = errno;
            Close();
            return Fail(error);
        }
        return true;
    }

    bool Connect(std::uint32_t address, std::uint16_t port) override {
        if (m_fd < 0)
            return Fail(EBADF);
        sockaddr_in to{};
        to.sin_family = AF_INET;
        to.sin_port = port;
        to.sin_addr.s_addr = address;
        if (::connect(m_fd, reinterpret_cast<sockaddr*>(&to), sizeof(to)) == 0)
            return true;
        if (errno != EINPROGRESS)
            return Fail(errno);
        if (!Wait(POLLOUT))
            return false;
        int error = 0;
        socklen_t length = sizeof(error);
        if (::getsockopt(m_fd, SOL_SOCKET, SO_ERROR, &error, &length) < 0)
            return Fail(errno);
        return error == 0 || Fail(error);
    }

    int Send(const char* data, int length) override {
        if (m_fd < 0)
            return Fail(EBADF), -1;
        int sent = 0;
        while (sent < length) {
            const ssize_t n =
                ::send(m_fd, data + sent, static_cast<std::size_t>(length - sent), MSG_NOSIGNAL);
            if (n >= 0) {
                sent += static_cast<int>(n);
            } else if (errno == EAGAIN || errno == EWOULDBLOCK || errno == EINTR) {
                if (!Wait(POLLOUT))
                    return -1;
            } else {
                return Fail(errno), -1;
            }
        }
        return sent;
    }

    int Receive(char* buffer, int size) override {
        if (m_fd < 0)
            return Fail(EBADF), -1;
        for (;;) {
            const ssize_t n = ::recv(m_fd, buffer, static_cast<std::size_t>(size), 0);
            if (n >= 0)
                return static_cast<int>(n);
            if (errno != EAGAIN && errno != EWOULDBLOCK && errno != EINTR)
                return Fail(errno), -1;
            if (!Wait(POLLIN))
                return -1;
        }
    }

    void Close() override {
        if (m_fd >= 0)
            ::close(m_fd);
        m_fd = -1;
    }

    int GetLastError() const override { return m_error; }
    void SetLastError(int error) override { m_error = error; }

private:
    bool Fail(int error) {
        m_error = error;
        return false;
    }

    bool Wait(short events) {
        for (;;) {
            pollfd p{m_fd, events, 0};
            const int r = ::poll(&p, 1, kWaitSliceMs);
            if (r > 0)
                return true;
            if (r < 0 && errno != EINTR)
                return Fail(errno);
            if (m_pHook && !m_pHook->OnMessagePending())
                return Fail(kSocketErrorCancelled);
        }
    }

    int m_fd = -1;
    int m_error = 0;
};

}  // namespace

std::unique_ptr<ISocket> CreatePlatformSocket() {
    return std::make_unique<CPosixSocket>();
}

bool ResolveIPv4(const std::string& host, std::uint32_t& address) {
    if (host.empty())
        return false;
    const in_addr_t dotted = ::inet_addr(host.c_str());
    if (dotted != INADDR_NONE) {
        address = dotted;
        return true;
    }
    addrinfo hints{};
    hints.ai_family = AF_INET;
    hints.ai_socktype = SOCK_STREAM;
    addrinfo* found = nullptr;
    if (::getaddrinfo(host.c_str(), nullptr, &hints, &found) != 0 || !found)
        return false;
    address = reinterpret_cast<sockaddr_in*>(found->ai_addr)->sin_addr.s_addr;
    ::freeaddrinfo(found);
    return true;
}

std::string SocketErrorText(int error) {
    if (error == kSocketErrorCancelled)
        error = EINTR;
    if (error == kSocketErrorInvalid)
        error = EINVAL;
    if (error == kSocketErrorHostNotFound)
        return "Host not found";
    return std::strerror(error);
}
