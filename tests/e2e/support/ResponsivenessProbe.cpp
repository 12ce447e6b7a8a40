#include "tests/e2e/support/ResponsivenessProbe.h"

#include "tests/e2e/support/WindowFinder.h"

CResponsivenessProbe::CResponsivenessProbe(DWORD pid, DWORD periodMs) : m_pid(pid), m_periodMs(periodMs) {
    m_thread = std::thread([this] { Run(); });
}

void CResponsivenessProbe::Stop() {
    m_stop = true;
    if (m_thread.joinable())
        m_thread.join();
}

void CResponsivenessProbe::Run() {
    while (!m_stop) {
        const ULONGLONG round = ::GetTickCount64();
        for (HWND window : WindowFinder::TopLevelWindowsOf(m_pid, false)) {
            const ULONGLONG start = ::GetTickCount64();
            DWORD_PTR result = 0;
            // A window that does not answer within 10 s is as hung as it gets for this measure.
            ::SendMessageTimeoutA(window, WM_NULL, 0, 0, SMTO_NORMAL, 10000, &result);
            const DWORD took = static_cast<DWORD>(::GetTickCount64() - start);
            ++m_probed;
            if (took > m_longest)
                m_longest = took;
        }
        const DWORD spent = static_cast<DWORD>(::GetTickCount64() - round);
        if (spent < m_periodMs)
            ::Sleep(m_periodMs - spent);
    }
}
