#pragma once

#include <string>

// The socket of the update-list request: it reaches the API host directly or through the proxy the
// system's Internet settings name. Each blocking step has its own time limit.
class IUpdateConnection {
public:
    virtual ~IUpdateConnection() = default;
    virtual bool Create() = 0;
    virtual bool Connect(const std::string& host, unsigned port) = 0;
    // Sends all bytes; returns `length`, or -1.
    virtual int Send(const char* data, int length) = 0;
    // Returns the bytes received, 0 when the peer closed, or -1.
    virtual int Receive(char* buffer, int size) = 0;
    virtual void Close() = 0;
};
