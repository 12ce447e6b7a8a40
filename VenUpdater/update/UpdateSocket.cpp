#include "VenUpdater/update/UpdateSocket.h"

bool CUpdateSocket::Connect(const std::string& host, unsigned port) {
    return m_socket.TimedConnect(host, port);
}

int CUpdateSocket::Send(const char* data, int length) {
    return m_socket.TimedSend(data, length);
}

int CUpdateSocket::Receive(char* buffer, int size) {
    return m_socket.TimedReceive(buffer, size);
}
