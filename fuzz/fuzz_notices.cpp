#include <cstddef>
#include <cstdint>
#include <string>

#include "FoldVenBrowser/app/Notices.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const NoticeLines lines = ParseNoticeReply(std::string(reinterpret_cast<const char*>(data), size));
    // Every piece of the result comes from the reply.
    const std::size_t total = lines.firstIndex.size() + lines.firstTitle.size() + lines.secondIndex.size() +
                              lines.secondTitle.size();
    if (total > 2 * size)
        __builtin_trap();
    LoginPages::Notice("host", lines.firstIndex);
    return 0;
}
