#pragma once

// OLE and Windows Sockets for the life of a program: started once in the start-up order, ended when the
// application object goes away.
class COleSession {
public:
    COleSession() = default;
    ~COleSession();
    COleSession(const COleSession&) = delete;
    COleSession& operator=(const COleSession&) = delete;
    bool Start();

private:
    bool m_started = false;
};

class CWinsockSession {
public:
    CWinsockSession() = default;
    ~CWinsockSession();
    CWinsockSession(const CWinsockSession&) = delete;
    CWinsockSession& operator=(const CWinsockSession&) = delete;
    bool Start();

private:
    bool m_started = false;
};
