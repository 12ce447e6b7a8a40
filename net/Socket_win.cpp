#include <winsock2.h>
#include <ws2tcpip.h>

#include <cstring>

#include "net/Socket.h"

namespace {

// Non-blocking Winsock socket; a call that would block waits in select slices and consults the hook
// between them, which pumps the painting messages and cancels the call when the step's watchdog fires.
class CWinSocket : public ISocket {
public:
    ~CWinSocket() override { Close(); }

    bool Create() override {
        Close();
        m_socket = ::socket(AF_INET, SOCK_STREAM, IPPROTO_TCP);
        if (m_socket == INVALID_SOCKET)
            return Fail(::WSAGetLastError());
        u_long nonBlocking = 1;
        if (::ioctlsocket(m_socket, FIONBIO, &nonBlocking) != 0) {
            const int error = ::WSAGetLastError();
            Close();
            return Fail(error);
        }
        return true;
    }

    bool Connect(std::uint32_t address, std::uint16_t port) override {
        if (m_socket == INVALID_SOCKET)
            return Fail(WSAENOTSOCK);
        sockaddr_in to{};
        to.sin_family = AF_INET;
        to.sin_port = port;
        to.sin_addr.s_addr = address;
        if (::connect(m_socket, reinterpret_cast<sockaddr*>(&to), sizeof(to)) == 0)
            return true;
        const int error = ::WSAGetLastError();
        if (error != WSAEWOULDBLOCK)
            return Fail(error);
        for (;;) {
            fd_set writable, failed;
            FD_ZERO(&writable);
            FD_ZERO(&failed);
            FD_SET(m_socket, &writable);
            FD_SET(m_socket, &failed);
            timeval slice{0, kWaitSliceMs * 1000};
            const int r = ::select(0, nullptr, &writable, &failed, &slice);
            if (r == SOCKET_ERROR)
                return Fail(::WSAGetLastError());
            if (r > 0) {
                if (FD_ISSET(m_socket, &writable))
                    return true;
                int soError = 0;
                int length = sizeof(soError);
                ::getsockopt(m_socket, SOL_SOCKET, SO_ERROR, reinterpret_cast<char*>(&soError), &length);
                return Fail(soError ? soError : WSAECONNREFUSED);
            }
            if (!KeepWaiting())
                return false;
        }
    }

    int Send(const char* data, int length) override {
        if (m_socket == INVALID_SOCKET)
            return Fail(WSAENOTSOCK), -1;
        int sent = 0;
        while (sent < length) {
            const int n = ::send(m_socket, data + sent, length - sent, 0);
            if (n != SOCKET_ERROR) {
                sent += n;
                continue;
            }
            const int error = ::WSAGetLastError();
            if (error != WSAEWOULDBLOCK)
                return Fail(error), -1;
            if (!Wait(false))
                return -1;
        }
        return sent;
    }

    int Receive(char* buffer, int size) override {
        if (m_socket == INVALID_SOCKET)
            return Fail(WSAENOTSOCK), -1;
        for (;;) {
            const int n = ::recv(m_socket, buffer, size, 0);
            if (n != SOCKET_ERROR)
                return n;
            const int error = ::WSAGetLastError();
            if (error != WSAEWOULDBLOCK)
                return Fail(error), -1;
            if (!Wait(true))
                return -1;
        }
    }

    void Close() override {
        if (m_socket != INVALID_SOCKET)
            ::closesocket(m_socket);
        m_socket = INVALID_SOCKET;
    }

    int GetLastError() const override { return m_error; }
    void SetLastError(int error) override {
        m_error = error;
        ::WSASetLastError(error);
    }

private:
    bool Fail(int error) {
        SetLastError(error);
        return false;
    }

    bool KeepWaiting() {
        if (!m_pHook || m_pHook->OnMessagePending())
            return true;
        return Fail(kSocketErrorCancelled);
    }

    bool Wait(bool forReading) {
        for (;;) {
            fd_set set;
            FD_ZERO(&set);
            FD_SET(m_socket, &set);
            timeval slice{0, kWaitSliceMs * 1000};
            const int r = forReading ? ::select(0, &set, nullptr, nullptr, &slice)
                                     : ::select(0, nullptr, &set, nullptr, &slice);
            if (r == SOCKET_ERROR)
                return Fail(::WSAGetLastError());
            if (r > 0)
                return true;
            if (!KeepWaiting())
                return false;
        }
    }

    SOCKET m_socket = INVALID_SOCKET;
    int m_error = 0;
};

}  // namespace

std::unique_ptr<ISocket> CreatePlatformSocket() {
    return std::make_unique<CWinSocket>();
}

bool ResolveIPv4(const std::string& host, std::uint32_t& address) {
    if (host.empty())
        return false;
    const unsigned long dotted = ::inet_addr(host.c_str());
    if (dotted != INADDR_NONE) {
        address = dotted;
        return true;
    }
    const hostent* entry = ::gethostbyname(host.c_str());
    if (!entry || entry->h_addrtype != AF_INET || !entry->h_addr_list || !entry->h_addr_list[0])
        return false;
    std::memcpy(&address, entry->h_addr_list[0], sizeof(address));
    return true;
}

std::string SocketErrorText(int error) {
    char* text = nullptr;
    const DWORD length = ::FormatMessageA(
        FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS, nullptr,
        static_cast<DWORD>(error), MAKELANGID(LANG_NEUTRAL, SUBLANG_DEFAULT), reinterpret_cast<char*>(&text),
        0, nullptr);
    std::string result = length && text ? std::string(text, length) : std::string();
    if (text)
        ::LocalFree(text);
    return result;
}
