#pragma once

#include <atomic>
#include <condition_variable>
#include <mutex>
#include <set>
#include <string>

#include "tools/devservice/DevService.h"

// Listens on 127.0.0.1 and serves each connection on a thread of its own, so a stalled or slow
// connection never holds up the others.
class CServer {
public:
    explicit CServer(CDevService& service) : m_service(service) {}
    ~CServer();
    CServer(const CServer&) = delete;
    CServer& operator=(const CServer&) = delete;

    // Port 0 chooses a free port; Port() tells which.
    bool Listen(int port, std::string& error);
    int Port() const { return m_port; }
    // Accepts until RequestStop, then ends the open connections and waits for their threads.
    void Run();
    // Safe to call from a signal handler and from other threads.
    void RequestStop();
    bool Stopping() const { return m_stopping.load(); }

private:
    void Serve(int fd);

    CDevService& m_service;
    int m_listenFd = -1;
    int m_wakePipe[2] = {-1, -1};
    int m_port = 0;
    std::atomic<bool> m_stopping{false};
    std::mutex m_mutex;
    std::condition_variable m_idle;
    std::set<int> m_open;
};
