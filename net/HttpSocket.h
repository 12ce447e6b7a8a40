#pragma once

#include <string>

#include "net/ProxySocket.h"
#include "net/Watchdog.h"

class IUiHooks;

// The engine's socket: applies the process-wide proxy settings on every connect, keeps the windows
// alive while a call blocks, and cancels a call whose step, or whose whole request, outlives its limit.
class CHttpSocket : public CProxySocket {
public:
    explicit CHttpSocket(IUiHooks* ui = nullptr, unsigned watchdogMs = CWatchdog::kDefaultPeriodMs);

    bool Connect(const std::string& host, unsigned port) override;

    bool IsTimedOut() const { return m_bTimedOut; }
    void ArmWatchdog();
    void DisarmWatchdog() { m_watchdog.Disarm(); }
    // The limit of the whole request (name lookup, connect, send and every receive), armed once.
    void ArmRequestLimit() { m_requestLimit.Arm(); }
    void DisarmRequestLimit() { m_requestLimit.Disarm(); }
    // True, and the socket counts as timed out, once the whole request's limit has passed.
    bool RequestLimitPassed();

    // One blocking step under the step's limit. A receive also fails at once, timed out, when the whole
    // request's limit has passed, so a reply that keeps coming, slowly or without end, cannot outlast it.
    bool TimedConnect(const std::string& host, unsigned port);
    int TimedSend(const char* data, int length);
    int TimedReceive(char* buffer, int size);

protected:
    bool OnMessagePending() override;

private:
    IUiHooks* m_pUi;
    CWatchdog m_watchdog;
    CWatchdog m_requestLimit;
    bool m_bTimedOut = false;
};
