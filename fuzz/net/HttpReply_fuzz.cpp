#include <cstddef>
#include <cstdint>
#include <string>

#include "net/HttpReplyFramer.h"

// A raw HTTP reply fed in pieces whose sizes come from the first byte; the second picks the limits.
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size < 2)
        return 0;
    const std::size_t piece = 1 + data[0];
    CHttpReplyFramer::Limits limits;
    limits.lengthlessRunsToClose = (data[1] & 1) != 0;
    limits.headerWithin = (data[1] & 2) != 0 ? 4096 : CHttpReplyFramer::kNoLimit;
    limits.maxResponse = (data[1] & 4) != 0 ? 8192 : CHttpReplyFramer::kNoLimit;
    CHttpReplyFramer framer(limits);
    for (std::size_t at = 2; at < size; at += piece) {
        const std::size_t n = size - at < piece ? size - at : piece;
        if (framer.Append(reinterpret_cast<const char*>(data) + at, n) || framer.GaveUp())
            break;
    }
    framer.Body();
    framer.Truncated();
    return 0;
}
