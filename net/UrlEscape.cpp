#include "net/UrlEscape.h"

#include <cstring>

std::string UrlEscape(const std::string& text) {
    static const char kReserved[] = "\"<>%\\^[]`+$,@:;/!#?=&";
    static const char kHex[] = "0123456789ABCDEF";
    std::string out;
    out.reserve(text.size());
    for (const char c : text) {
        const unsigned char byte = static_cast<unsigned char>(c);
        if (byte < 33 || byte > 122 || std::strchr(kReserved, c) != nullptr) {
            out += '%';
            out += kHex[byte >> 4];
            out += kHex[byte & 15];
        } else {
            out += c;
        }
    }
    return out;
}
