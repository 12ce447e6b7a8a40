#pragma once

#include <chrono>

// The time limit of one blocking network step. Armed before the step, disarmed after it; a blocked call
// asks it whether the limit has passed.
class CWatchdog {
public:
    static constexpr unsigned kDefaultPeriodMs = 60000;

    explicit CWatchdog(unsigned periodMs = kDefaultPeriodMs) : m_periodMs(periodMs) {}

    void Arm();
    void Disarm() { m_armed = false; }
    bool HasExpired() const;

private:
    unsigned m_periodMs;
    bool m_armed = false;
    std::chrono::steady_clock::time_point m_deadline{};
};
