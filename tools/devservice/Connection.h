#pragma once

#include <atomic>
#include <string>

#include "tools/devservice/DevService.h"

// One accepted connection: reads one request and answers it with the selected faults applied. The
// socket stays open for its owner to close.
class CConnection {
public:
    static constexpr size_t kMaxHead = 64 * 1024;
    static constexpr size_t kMaxBody = 8 * 1024 * 1024;
    static constexpr int kIdleTimeoutMs = 30000;

    CConnection(int fd, CDevService& service, const std::atomic<bool>& stopping)
        : m_fd(fd), m_service(service), m_stopping(stopping) {}

    void Run();

private:
    enum class Wait { Ready, Closed, TimedOut };

    bool ReadRequest(std::string& head, std::string& body, int& errorStatus);
    void Deliver(const CHttpResponse& response, const CDelivery& delivery, bool headOnly);
    Wait WaitReadable(int timeoutMs);
    bool SendAll(const char* data, size_t size);
    bool SendRange(const std::string& text, const CFileBody* file, size_t from, size_t to);
    bool Pause(int ms);  // false when the server stops meanwhile
    void StallUntilClosed();
    void Finish();

    int m_fd;
    CDevService& m_service;
    const std::atomic<bool>& m_stopping;
};
