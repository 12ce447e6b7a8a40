#pragma once

#include <cstdint>

// The pace of one download's read loop, set by the clock so that it suits any line. A read returns only
// when its buffer is full or the transfer ends, and each read costs a fixed amount besides its bytes
// (under Wine two round trips to the wineserver per socket read). So reads grow while they fill at
// once, which lets a fast line move in large reads, and shrink when they keep the loop waiting, which
// lets the progress bar still move every so often on a slow line. The bar belongs to another thread:
// its position is posted at most every kProgressIntervalMs.
class CDownloadPacer {
public:
    static constexpr std::uint32_t kMinRead = 16 * 1024;
    static constexpr std::uint32_t kFirstRead = 64 * 1024;
    static constexpr std::uint32_t kMaxRead = 1024 * 1024;
    static constexpr std::uint64_t kFastReadMs = 20;
    static constexpr std::uint64_t kSlowReadMs = 100;
    static constexpr std::uint64_t kProgressIntervalMs = 50;

    std::uint32_t ReadSize() const { return m_readSize; }
    // After a read that returned `bytes` in `ms` milliseconds.
    void ReadTook(std::uint32_t bytes, std::uint64_t ms);
    // Whether the bar should be set to `position` at `nowMs`: a new position, and the first, the last
    // (`final`) or one at least kProgressIntervalMs after the one posted before.
    bool ShouldPostProgress(int position, std::uint64_t nowMs, bool final);

private:
    std::uint32_t m_readSize = kFirstRead;
    int m_postedPosition = -1;
    std::uint64_t m_postedAt = 0;
};
