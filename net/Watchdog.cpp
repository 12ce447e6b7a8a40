#include "net/Watchdog.h"

void CWatchdog::Arm() {
    m_armed = true;
    m_deadline = std::chrono::steady_clock::now() + std::chrono::milliseconds(m_periodMs);
}

bool CWatchdog::HasExpired() const {
    return m_armed && std::chrono::steady_clock::now() >= m_deadline;
}
