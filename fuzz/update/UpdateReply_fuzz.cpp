#include <cstddef>
#include <cstdint>
#include <string>

#include "VenUpdater/update/UpdateReplyFramer.h"

// The raw HTTP reply of the update-list request, fed in pieces whose sizes come from the first byte.
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size == 0)
        return 0;
    const std::size_t piece = 1 + data[0];
    CUpdateReplyFramer framer;
    for (std::size_t at = 1; at < size; at += piece) {
        const std::size_t n = size - at < piece ? size - at : piece;
        if (framer.Append(reinterpret_cast<const char*>(data) + at, n))
            break;
    }
    framer.Body();
    framer.Truncated();
    return 0;
}
