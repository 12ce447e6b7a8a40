// Program files in the update folder are read as PE images; damaged ones must be refused safely.
#include <cstddef>
#include <cstdint>
#include <string>

#include "tools/devservice/PeVersion.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    std::string version;
    CPeVersion::ReadFileVersion(std::string(reinterpret_cast<const char*>(data), size), version);
    return 0;
}
