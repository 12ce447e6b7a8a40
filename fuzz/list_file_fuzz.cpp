#include <cstddef>
#include <cstdint>
#include <string>

#include "tools/downloader/ListFileReader.h"

// The stand-in downloader follows a list file as it grows: the bytes arrive in two parts, then the file is
// read whole again, and every record's text is split into items.
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string bytes(reinterpret_cast<const char*>(data), size);
    CListFileReader reader;
    for (const std::string& part : {bytes.substr(0, size / 2), bytes, bytes}) {
        for (const std::string& text : reader.Take(part))
            SplitDownloadItems(text);
    }
    return 0;
}
