#include "FoldVenBrowser/catalogue/NameCompare.h"

#include <cstddef>

namespace {

bool IsLeadByte(unsigned char c) {
    return c >= 0x81 && c <= 0xFE;
}

unsigned char FoldAscii(unsigned char c) {
    return (c >= 'A' && c <= 'Z') ? static_cast<unsigned char>(c + 32) : c;
}

}  // namespace

int CompareNoCase(const std::string& a, const std::string& b) {
    std::size_t i = 0;
    std::size_t j = 0;
    while (i < a.size() && j < b.size()) {
        const auto ca = static_cast<unsigned char>(a[i]);
        const auto cb = static_cast<unsigned char>(b[j]);
        const bool doubleA = IsLeadByte(ca) && i + 1 < a.size();
        const bool doubleB = IsLeadByte(cb) && j + 1 < b.size();
        if (doubleA && doubleB) {
            const auto ta = static_cast<unsigned char>(a[i + 1]);
            const auto tb = static_cast<unsigned char>(b[j + 1]);
            if (ca != cb)
                return ca < cb ? -1 : 1;
            if (ta != tb)
                return ta < tb ? -1 : 1;
            i += 2;
            j += 2;
            continue;
        }
        const unsigned char fa = doubleA ? ca : FoldAscii(ca);
        const unsigned char fb = doubleB ? cb : FoldAscii(cb);
        if (fa != fb)
            return fa < fb ? -1 : 1;
        // Same first byte, one a whole character and the other a lead byte cut off at the end.
        if (doubleA != doubleB)
            return doubleA ? 1 : -1;
        ++i;
        ++j;
    }
    if (i < a.size())
        return 1;
    if (j < b.size())
        return -1;
    return 0;
}

void AppendSortKey(std::string& out, const std::string& name) {
    std::size_t at = out.size();
    out.resize(at + name.size());
    for (std::size_t i = 0; i < name.size(); ++i) {
        const auto c = static_cast<unsigned char>(name[i]);
        if (IsLeadByte(c) && i + 1 < name.size()) {
            out[at++] = name[i];
            out[at++] = name[++i];
        } else {
            out[at++] = static_cast<char>(FoldAscii(c));
        }
    }
}
