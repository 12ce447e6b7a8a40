#include "VenUpdater/update/DownloadPacer.h"

void CDownloadPacer::ReadTook(std::uint32_t bytes, std::uint64_t ms) {
    if (bytes == m_readSize && ms < kFastReadMs && m_readSize < kMaxRead)
        m_readSize *= 2;
    else if (ms > kSlowReadMs && m_readSize > kMinRead)
        m_readSize /= 2;
}

bool CDownloadPacer::ShouldPostProgress(int position, std::uint64_t nowMs, bool final) {
    if (position == m_postedPosition)
        return false;
    if (!final && m_postedPosition >= 0 && nowMs - m_postedAt < kProgressIntervalMs)
        return false;
    m_postedPosition = position;
    m_postedAt = nowMs;
    return true;
}
