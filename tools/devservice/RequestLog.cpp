#include "tools/devservice/RequestLog.h"

void CRequestLog::Add(const std::string& head, const std::string& body) {
    std::lock_guard<std::mutex> lock(m_mutex);
    m_entries.push_back(head + body);
}

void CRequestLog::Clear() {
    std::lock_guard<std::mutex> lock(m_mutex);
    m_entries.clear();
}

std::string CRequestLog::Text() const {
    std::lock_guard<std::mutex> lock(m_mutex);
    std::string text;
    for (size_t i = 0; i < m_entries.size(); ++i) {
        std::string n = std::to_string(i + 1);
        text += "----- request " + n + " -----\n" + m_entries[i] + "\n----- end " + n + " -----\n";
    }
    return text;
}

size_t CRequestLog::Count() const {
    std::lock_guard<std::mutex> lock(m_mutex);
    return m_entries.size();
}
