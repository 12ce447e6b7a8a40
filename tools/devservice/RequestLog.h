#pragma once

#include <mutex>
#include <string>
#include <vector>

// The requests received, in order, each as its head (request line and headers) and its body. Thread-safe.
class CRequestLog {
public:
    void Add(const std::string& head, const std::string& body);
    void Clear();
    // Each entry between "----- request N -----" and "----- end N -----" lines.
    std::string Text() const;
    size_t Count() const;

private:
    mutable std::mutex m_mutex;
    std::vector<std::string> m_entries;
};
