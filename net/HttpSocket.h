#pragma once

#include <string>

#include "net/ProxySocket.h"
#include "net/Watchdog.h"

class IUiHooks;

// The engine's socket: applies the process-wide proxy settings on every connect, keeps the windows
// painted while a call blocks, and cancels a call whose step outlives the watchdog.
class CHttpSocket : public CProxySocket {
public:
    explicit CHttpSocket(IUiHooks* ui = nullptr, unsigned watchdogMs = CWatchdog::kDefaultPeriodMs);

    bool Connect(const std::string& host, unsigned port) override;

    bool IsTimedOut() const { return m_bTimedOut; }
    void ArmWatchdog();
    void DisarmWatchdog() { m_watchdog.Disarm(); }

protected:
    bool OnMessagePending() override;

private:
    IUiHooks* m_pUi;
    CWatchdog m_watchdog;
    bool m_bTimedOut = false;
};
