#include "net/ProxySocket.h"

#include <cstring>

#include "net/NameLookup.h"

namespace {

std::uint16_t ToNetworkOrder(unsigned port) {
    const unsigned char bytes[2] = {static_cast<unsigned char>(port >> 8), static_cast<unsigned char>(port)};
    std::uint16_t value;
    std::memcpy(&value, bytes, sizeof(value));
    return value;
}

}  // namespace

bool CProxySocket::Create() {
    m_socket = CreatePlatformSocket();
    m_socket->SetBlockingHook(this);
    if (m_socket->Create())
        return true;
    m_nLastError = m_socket->GetLastError();
    m_socket.reset();
    return false;
}

void CProxySocket::Close() {
    if (!m_socket)
        return;
    m_nLastError = m_socket->GetLastError();
    m_socket.reset();
}

void CProxySocket::SetProxy(int kind, const std::string& host, unsigned port) {
    m_nProxyKind = kind;
    if (kind == kDirect)
        return;
    m_strProxyHost = host;
    m_nProxyPort = port;
}

bool CProxySocket::ConnectByName(const std::string& host, unsigned port) {
    if (!m_socket)
        return false;
    std::uint32_t address = 0;
    if (!Resolve(host, port == 0 || port > 65535, address, kSocketErrorHostNotFound))
        return false;
    return m_socket->Connect(address, ToNetworkOrder(port));
}

bool CProxySocket::Connect(const std::string& host, unsigned port) {
    if (!m_socket)
        return false;
    if (m_nProxyKind == kDirect)
        return ConnectByName(host, port);
    std::uint32_t address = 0;
    if (!Resolve(host, port > 65535, address, kSocketErrorInvalid))
        return false;
    return ConnectAddress(address, ToNetworkOrder(port));
}

bool CProxySocket::Resolve(const std::string& host, bool badPort, std::uint32_t& address, int notFoundError) {
    const LookupResult result = badPort ? LookupResult::kNotFound : LookUpIPv4(host, address, *this);
    if (result == LookupResult::kFound)
        return true;
    m_socket->SetLastError(result == LookupResult::kCancelled ? kSocketErrorCancelled : notFoundError);
    return false;
}

bool CProxySocket::ConnectAddress(std::uint32_t address, std::uint16_t port) {
    if (!m_socket)
        return false;
    if (m_nProxyKind == kDirect)
        return m_socket->Connect(address, port);
    if (!ConnectByName(m_strProxyHost, m_nProxyPort))
        return false;
    m_targetPort = port;
    m_targetAddress = address;
    if (m_nProxyKind != kSocks4)
        return true;

    char packet[9] = {4, 1};
    std::memcpy(packet + 2, &m_targetPort, 2);
    std::memcpy(packet + 4, &m_targetAddress, 4);
    packet[8] = 0;
    if (m_socket->Send(packet, sizeof(packet)) != static_cast<int>(sizeof(packet)))
        return false;
    // The whole 8-byte answer must come in one receive, as the proxy's handshake has always been read.
    if (m_socket->Receive(packet, 8) != 8)
        return false;
    return packet[1] == 90;
}

int CProxySocket::Send(const char* data, int length) {
    if (!m_socket)
        return -1;
    return m_socket->Send(data, length);
}

int CProxySocket::Receive(char* buffer, int size) {
    if (!m_socket)
        return -1;
    return m_socket->Receive(buffer, size);
}

int CProxySocket::GetLastError() const {
    return m_socket ? m_socket->GetLastError() : m_nLastError;
}
