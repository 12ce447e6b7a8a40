#pragma once

#include <chrono>
#include <cstdio>
#include <mutex>
#include <string>

// With --trace FILE: one line per request, "RECEIVED SENT REQUEST-LINE", the times in seconds since the
// epoch when its head had arrived and when its reply had gone out. The start-up benchmark lines these
// up with the times at which it sees the programs' windows. Thread-safe.
class CRequestTrace {
public:
    ~CRequestTrace();

    bool Open(const std::string& path);
    void Add(std::chrono::system_clock::time_point received, const std::string& head);

private:
    std::mutex m_mutex;
    std::FILE* m_file = nullptr;
};
