#pragma once

#include <cstdint>
#include <memory>
#include <string>

// Asked again and again while a socket call waits: it keeps the user interface painted and answers
// false to cancel the call, which then fails with kSocketErrorCancelled.
class IBlockingHook {
public:
    virtual ~IBlockingHook() = default;
    virtual bool OnMessagePending() = 0;
};

// Socket error numbers the core sets itself (the Winsock values).
constexpr int kSocketErrorCancelled = 10004;     // WSAEINTR
constexpr int kSocketErrorInvalid = 10022;       // WSAEINVAL
constexpr int kSocketErrorHostNotFound = 11001;  // WSAHOST_NOT_FOUND

// One blocking IPv4 TCP socket of the platform (Winsock in the programs, POSIX in native tests). Its
// calls wait in short slices and consult the blocking hook between them.
class ISocket {
public:
    virtual ~ISocket() = default;
    virtual bool Create() = 0;
    // Address and port in network byte order.
    virtual bool Connect(std::uint32_t address, std::uint16_t port) = 0;
    // Sends all `length` bytes; returns `length`, or -1.
    virtual int Send(const char* data, int length) = 0;
    // Returns the bytes received, 0 when the peer has closed, or -1.
    virtual int Receive(char* buffer, int size) = 0;
    virtual void Close() = 0;
    virtual int GetLastError() const = 0;
    virtual void SetLastError(int error) = 0;

    void SetBlockingHook(IBlockingHook* hook) { m_pHook = hook; }

protected:
    // Milliseconds between two questions to the hook while a call waits.
    static constexpr int kWaitSliceMs = 15;
    IBlockingHook* m_pHook = nullptr;
};

std::unique_ptr<ISocket> CreatePlatformSocket();

// A dotted address, else the first IPv4 address of the name (network byte order).
bool ResolveIPv4(const std::string& host, std::uint32_t& address);

// The platform's text for a socket error number.
std::string SocketErrorText(int error);
