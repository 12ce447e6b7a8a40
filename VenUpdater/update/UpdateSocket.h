#pragma once

#include "VenUpdater/update/UpdateConnection.h"
#include "net/HttpSocket.h"

class IUiHooks;

// The list request's socket: the connection layer's socket, which goes through the proxy the Internet
// settings name, with a time limit on every step and the same limit on each attempt as a whole (from
// Create to Close), so that neither a silent nor a trickling server can hold the updater (and the
// browser's start) for long.
class CUpdateSocket : public IUpdateConnection {
public:
    explicit CUpdateSocket(IUiHooks* ui, unsigned stepLimitMs = CWatchdog::kDefaultPeriodMs)
        : m_socket(ui, stepLimitMs) {}

    bool Create() override {
        m_socket.ArmRequestLimit();
        return m_socket.Create();
    }
    bool Connect(const std::string& host, unsigned port) override;
    int Send(const char* data, int length) override;
    int Receive(char* buffer, int size) override;
    void Close() override {
        m_socket.DisarmRequestLimit();
        m_socket.Close();
    }

private:
    CHttpSocket m_socket;
};
