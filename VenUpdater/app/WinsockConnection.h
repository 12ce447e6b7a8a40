#pragma once

#include <winsock2.h>

#include "VenUpdater/update/UpdateConnection.h"
#include "platform/UiHooks.h"

// The list request's socket on Winsock: every blocking step waits in short slices, keeps the window
// painted between them and gives up after its own time limit, so a silent server cannot hold the
// updater (and with it the browser's start) forever.
class CWinsockConnection : public IUpdateConnection {
public:
    static constexpr unsigned kStepLimitMs = 60000;

    explicit CWinsockConnection(IUiHooks& ui) : m_ui(ui) {}
    ~CWinsockConnection() override { Close(); }

    bool Create() override;
    bool Connect(const std::string& host, unsigned port) override;
    int Send(const char* data, int length) override;
    int Receive(char* buffer, int size) override;
    void Close() override;

private:
    // Waits until the socket is readable or writable; false on time-out or error.
    bool WaitFor(bool write);

    IUiHooks& m_ui;
    SOCKET m_socket = INVALID_SOCKET;
};
