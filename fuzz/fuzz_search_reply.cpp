#include <cstddef>
#include <cstdint>
#include <string>

#include "FoldVenBrowser/service/SearchRequest.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string reply(reinterpret_cast<const char*>(data), size);
    std::size_t bytes = 0;
    const auto count = [&](const CRemoteItem& item) {
        // cate2 of a top-level line is the constant "root", not text of the reply.
        const std::size_t cate2 = item.parentId != 0 ? item.cate2.size() : 0;
        bytes += item.name.size() + item.path.size() + item.cate1.size() + cate2 + item.type.size();
    };
    CSearchRequest::ParseReply(reply, true, count);
    CSearchRequest::ParseReply(reply, false, count);
    if (bytes > size)
        __builtin_trap();  // fields come from the reply and never overlap
    return 0;
}
