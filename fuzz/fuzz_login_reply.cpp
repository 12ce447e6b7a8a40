#include <cstddef>
#include <cstdint>
#include <string>

#include "FoldVenBrowser/app/SessionInfo.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    CSessionInfo session;
    session.ParseLoginReply(std::string(reinterpret_cast<const char*>(data), size));
    return 0;
}
