#pragma once

#include <windows.h>

#include <atomic>
#include <thread>

// Asks every top-level window of a program, every `periodMs`, to answer WM_NULL through
// SendMessageTimeout, as Windows does before it calls a window "not responding", and keeps the longest
// answer. Runs on a thread of its own from construction until Stop.
class CResponsivenessProbe {
public:
    CResponsivenessProbe(DWORD pid, DWORD periodMs);
    ~CResponsivenessProbe() { Stop(); }

    void Stop();
    // The longest time any window took to answer (a window that never answered counts until Stop).
    DWORD LongestMs() const { return m_longest; }
    int WindowsProbed() const { return m_probed; }

private:
    void Run();

    DWORD m_pid;
    DWORD m_periodMs;
    std::atomic<bool> m_stop{false};
    std::atomic<DWORD> m_longest{0};
    std::atomic<int> m_probed{0};
    std::thread m_thread;
};
