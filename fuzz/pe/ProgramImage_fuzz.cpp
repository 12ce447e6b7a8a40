// Downloaded programs are checked as PE images before they replace installed ones; any bytes the
// service sends must be judged without reading outside them.
#include <cstddef>
#include <cstdint>
#include <string>

#include "pe/ProgramImage.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    IsCompleteProgramImage(std::string(reinterpret_cast<const char*>(data), size));
    return 0;
}
