#include "tools/devservice/RequestTrace.h"

namespace {

double Seconds(std::chrono::system_clock::time_point time) {
    return std::chrono::duration<double>(time.time_since_epoch()).count();
}

}  // namespace

CRequestTrace::~CRequestTrace() {
    if (m_file != nullptr) {
        std::fclose(m_file);
    }
}

bool CRequestTrace::Open(const std::string& path) {
    m_file = std::fopen(path.c_str(), "a");
    return m_file != nullptr;
}

void CRequestTrace::Add(std::chrono::system_clock::time_point received, const std::string& head) {
    const auto sent = std::chrono::system_clock::now();
    std::lock_guard<std::mutex> lock(m_mutex);
    if (m_file == nullptr) {
        return;
    }
    const std::string line = head.substr(0, head.find_first_of("\r\n"));
    std::fprintf(m_file, "%.6f %.6f %s\n", Seconds(received), Seconds(sent), line.c_str());
    std::fflush(m_file);
}
