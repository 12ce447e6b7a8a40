#pragma once

#include <cstdint>
#include <memory>
#include <string>

#include "net/Socket.h"

// A blocking TCP socket that reaches its destination directly, through a SOCKS4 proxy (doing the
// handshake itself) or through an HTTP proxy (a plain connection to the proxy).
class CProxySocket : private IBlockingHook {
public:
    static constexpr int kDirect = 0;
    static constexpr int kSocks4 = 1;

    CProxySocket() = default;
    ~CProxySocket() override = default;
    CProxySocket(const CProxySocket&) = delete;
    CProxySocket& operator=(const CProxySocket&) = delete;

    bool Create();
    void Close();

    // Stores the kind; when it is not kDirect also the proxy's host and port.
    void SetProxy(int kind, const std::string& host, unsigned port);
    // Connects to the destination by name. Through a proxy the name is resolved here; a name that does
    // not resolve fails with kSocketErrorInvalid.
    virtual bool Connect(const std::string& host, unsigned port);
    // Connects to the destination by address (network byte order); the SOCKS4 handshake happens here.
    bool ConnectAddress(std::uint32_t address, std::uint16_t port);

    int Send(const char* data, int length);
    int Receive(char* buffer, int size);
    int GetLastError() const;

protected:
    // Called while a call waits; false cancels it.
    bool OnMessagePending() override { return true; }

private:
    bool ConnectByName(const std::string& host, unsigned port);
    // The name's address, looked up while the blocking hook keeps being asked; on failure the socket's
    // error is `notFoundError`, or kSocketErrorCancelled when the hook ended the wait.
    bool Resolve(const std::string& host, bool badPort, std::uint32_t& address, int notFoundError);

    std::unique_ptr<ISocket> m_socket;
    int m_nLastError = 0;
    std::uint16_t m_targetPort = 0;
    std::uint32_t m_targetAddress = 0;
    int m_nProxyKind = kDirect;
    std::string m_strProxyHost;
    unsigned m_nProxyPort = 0;
};
