#include "FoldVenBrowser/app/PageRefreshGate.h"

void CPageRefreshGate::OnLoadStarted(std::uint64_t nowMs) {
    m_loading = true;
    m_loadStart = nowMs;
}

void CPageRefreshGate::OnLoadFinished(std::uint64_t nowMs) {
    m_loading = false;
    m_quietFrom = nowMs + kSettleMs;
}

bool CPageRefreshGate::OnPaint(std::uint64_t nowMs) {
    if (m_loading && nowMs - m_loadStart < kLoadLimitMs)
        return false;
    if (!m_loading && nowMs < m_quietFrom)
        return false;
    OnLoadStarted(nowMs);
    return true;
}
