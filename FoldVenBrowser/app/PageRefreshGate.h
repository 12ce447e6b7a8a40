#pragma once

#include <cstdint>

// When a paint of the web page panel reloads its page. Uncovering the panel reloads it, but the paints a
// reload itself brings about (the control swaps its document window, which uncovers the panel behind
// it for a moment) must not reload it again, or the page would reload for ever.
class CPageRefreshGate {
public:
    static constexpr std::uint64_t kSettleMs = 500;       // after a load ends
    static constexpr std::uint64_t kLoadLimitMs = 10000;  // a load that never reports its end

    // A load the panel started itself (its first navigation).
    void OnLoadStarted(std::uint64_t nowMs);
    void OnLoadFinished(std::uint64_t nowMs);
    // A paint of the panel: true when it is to reload the page (which counts as a load started).
    bool OnPaint(std::uint64_t nowMs);

private:
    bool m_loading = false;
    std::uint64_t m_loadStart = 0;
    std::uint64_t m_quietFrom = 0;
};
