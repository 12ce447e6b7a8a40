#include "win/SystemSessions.h"

#include <ole2.h>
#include <winsock2.h>

COleSession::~COleSession() {
    if (m_started)
        ::OleUninitialize();
}

bool COleSession::Start() {
    m_started = SUCCEEDED(::OleInitialize(nullptr));
    return m_started;
}

CWinsockSession::~CWinsockSession() {
    if (m_started)
        ::WSACleanup();
}

bool CWinsockSession::Start() {
    WSADATA data;
    m_started = ::WSAStartup(MAKEWORD(2, 2), &data) == 0;
    return m_started;
}
