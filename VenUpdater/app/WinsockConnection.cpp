#include "VenUpdater/app/WinsockConnection.h"

#include <ws2tcpip.h>

namespace {

constexpr unsigned kSliceMs = 20;

}  // namespace

bool CWinsockConnection::Create() {
    Close();
    m_socket = ::socket(AF_INET, SOCK_STREAM, IPPROTO_TCP);
    if (m_socket == INVALID_SOCKET)
        return false;
    u_long nonBlocking = 1;
    ::ioctlsocket(m_socket, FIONBIO, &nonBlocking);
    return true;
}

bool CWinsockConnection::Connect(const std::string& host, unsigned port) {
    if (m_socket == INVALID_SOCKET)
        return false;
    addrinfo hints{};
    hints.ai_family = AF_INET;
    hints.ai_socktype = SOCK_STREAM;
    addrinfo* found = nullptr;
    if (::getaddrinfo(host.c_str(), std::to_string(port).c_str(), &hints, &found) != 0 || !found)
        return false;
    const int result = ::connect(m_socket, found->ai_addr, static_cast<int>(found->ai_addrlen));
    ::freeaddrinfo(found);
    if (result == 0)
        return true;
    if (::WSAGetLastError() != WSAEWOULDBLOCK || !WaitFor(true))
        return false;
    int error = 0;
    int length = sizeof(error);
    ::getsockopt(m_socket, SOL_SOCKET, SO_ERROR, reinterpret_cast<char*>(&error), &length);
    return error == 0;
}

int CWinsockConnection::Send(const char* data, int length) {
    int sent = 0;
    while (m_socket != INVALID_SOCKET && sent < length) {
        const int n = ::send(m_socket, data + sent, length - sent, 0);
        if (n > 0) {
            sent += n;
        } else if (n < 0 && ::WSAGetLastError() == WSAEWOULDBLOCK) {
            if (!WaitFor(true))
                return -1;
        } else {
            return -1;
        }
    }
    return sent == length ? length : -1;
}

int CWinsockConnection::Receive(char* buffer, int size) {
    while (m_socket != INVALID_SOCKET) {
        const int n = ::recv(m_socket, buffer, size, 0);
        if (n >= 0)
            return n;
        if (::WSAGetLastError() != WSAEWOULDBLOCK || !WaitFor(false))
            return -1;
    }
    return -1;
}

void CWinsockConnection::Close() {
    if (m_socket != INVALID_SOCKET) {
        ::closesocket(m_socket);
        m_socket = INVALID_SOCKET;
    }
}

bool CWinsockConnection::WaitFor(bool write) {
    const DWORD start = ::GetTickCount();
    while (::GetTickCount() - start < kStepLimitMs) {
        fd_set set;
        FD_ZERO(&set);
        FD_SET(m_socket, &set);
        fd_set errors;
        FD_ZERO(&errors);
        FD_SET(m_socket, &errors);
        timeval slice{0, static_cast<long>(kSliceMs * 1000)};
        const int ready = ::select(0, write ? nullptr : &set, write ? &set : nullptr, &errors, &slice);
        if (ready < 0 || FD_ISSET(m_socket, &errors))
            return false;
        if (ready > 0)
            return true;
        m_ui.PumpMessages();
    }
    return false;
}
