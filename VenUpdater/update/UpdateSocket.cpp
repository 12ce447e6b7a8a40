#include "VenUpdater/update/UpdateSocket.h"

bool CUpdateSocket::Connect(const std::string& host, unsigned port) {
    m_socket.ArmWatchdog();
    const bool ok = m_socket.Connect(host, port);
    m_socket.DisarmWatchdog();
    return ok;
}

int CUpdateSocket::Send(const char* data, int length) {
    m_socket.ArmWatchdog();
    const int sent = m_socket.Send(data, length);
    m_socket.DisarmWatchdog();
    return sent;
}

int CUpdateSocket::Receive(char* buffer, int size) {
    if (m_socket.RequestLimitPassed())
        return -1;
    m_socket.ArmWatchdog();
    const int received = m_socket.Receive(buffer, size);
    m_socket.DisarmWatchdog();
    return received;
}
