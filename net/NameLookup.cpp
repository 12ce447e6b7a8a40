#include "net/NameLookup.h"

#include <chrono>
#include <condition_variable>
#include <memory>
#include <mutex>
#include <thread>

namespace {

// What the resolver's thread hands back; shared, because a cancelled caller leaves before the thread.
struct LookupState {
    std::mutex mutex;
    std::condition_variable done;
    bool finished = false;
    bool found = false;
    std::uint32_t address = 0;
};

bool IsDotted(const std::string& host) {
    return !host.empty() && host.find_first_not_of("0123456789.") == std::string::npos;
}

}  // namespace

LookupResult LookUpIPv4(const std::string& host, std::uint32_t& address, IBlockingHook& hook) {
    if (host.empty() || IsDotted(host))
        return ResolveIPv4(host, address) ? LookupResult::kFound : LookupResult::kNotFound;
    auto state = std::make_shared<LookupState>();
    try {
        std::thread([state, host] {
            std::uint32_t found = 0;
            const bool ok = ResolveIPv4(host, found);
            std::lock_guard<std::mutex> lock(state->mutex);
            state->found = ok;
            state->address = found;
            state->finished = true;
            state->done.notify_all();
        }).detach();
    } catch (const std::system_error&) {
        return ResolveIPv4(host, address) ? LookupResult::kFound : LookupResult::kNotFound;
    }
    for (;;) {
        {
            std::unique_lock<std::mutex> lock(state->mutex);
            if (state->done.wait_for(lock, std::chrono::milliseconds(15), [&] { return state->finished; })) {
                address = state->address;
                return state->found ? LookupResult::kFound : LookupResult::kNotFound;
            }
        }
        if (!hook.OnMessagePending())
            return LookupResult::kCancelled;
    }
}
