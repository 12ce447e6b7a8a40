#include <cstddef>
#include <cstdint>
#include <string>

#include "net/ReplyReaders.h"
#include "net/UrlEscape.h"

// Every reader on arbitrary text, in an order chosen by the input, until the text is used up.
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size == 0)
        return 0;
    std::string text(reinterpret_cast<const char*>(data) + 1, size - 1);
    UrlEscape(text);
    unsigned order = data[0];
    for (int i = 0; i < 64 && !text.empty(); ++i, order = order * 5 + 1) {
        const std::size_t before = text.size();
        switch (order % 5) {
            case 0:
                NextField(text);
                break;
            case 1:
                NextChar(text);
                break;
            case 2:
                NextInt(text);
                break;
            case 3:
                NextInt64(text);
                break;
            default:
                NextLine(text);
                break;
        }
        if (text.size() >= before)
            __builtin_trap();  // every reader consumes something
    }
    return 0;
}
