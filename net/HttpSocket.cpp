#include "net/HttpSocket.h"

#include "net/ProxySettings.h"
#include "platform/UiHooks.h"

CHttpSocket::CHttpSocket(IUiHooks* ui, unsigned watchdogMs)
    : m_pUi(ui), m_watchdog(watchdogMs), m_requestLimit(watchdogMs) {}

bool CHttpSocket::Connect(const std::string& host, unsigned port) {
    if (ProxySettings.enabled) {
        SetProxy(ProxySettings.kind, ProxySettings.host, static_cast<unsigned>(ProxySettings.port));
    }
    return CProxySocket::Connect(host, port);
}

void CHttpSocket::ArmWatchdog() {
    m_bTimedOut = false;
    m_watchdog.Arm();
}

bool CHttpSocket::RequestLimitPassed() {
    if (m_requestLimit.HasExpired())
        m_bTimedOut = true;
    return m_bTimedOut;
}

bool CHttpSocket::OnMessagePending() {
    if (m_watchdog.HasExpired() || m_requestLimit.HasExpired()) {
        m_bTimedOut = true;
        return false;
    }
    if (m_pUi)
        m_pUi->PumpMessages();
    return true;
}

bool CHttpSocket::TimedConnect(const std::string& host, unsigned port) {
    ArmWatchdog();
    const bool ok = Connect(host, port);
    DisarmWatchdog();
    return ok;
}

int CHttpSocket::TimedSend(const char* data, int length) {
    ArmWatchdog();
    const int sent = Send(data, length);
    DisarmWatchdog();
    return sent;
}

int CHttpSocket::TimedReceive(char* buffer, int size) {
    if (RequestLimitPassed())
        return -1;
    ArmWatchdog();
    const int received = Receive(buffer, size);
    DisarmWatchdog();
    return received;
}
