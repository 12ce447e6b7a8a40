#include "FoldVenBrowser/catalogue/NameCompare.h"

#include <cstddef>

namespace {

bool IsLeadByte(unsigned char c) {
    return c >= 0x81 && c <= 0xFE;
}

}  // namespace

void AppendSortKey(std::string& out, const std::string& name) {
    const std::size_t at = out.size();
    out.append(name);
    // A byte folds when it is an upper-case letter and not the trail byte of a double-byte character.
    bool trail = false;
    for (char* p = &out[at]; p != out.data() + out.size(); ++p) {
        const auto c = static_cast<unsigned char>(*p);
        const bool upper = static_cast<unsigned char>(c - 'A') < 26;
        *p = static_cast<char>(c + ((upper && !trail) ? 32 : 0));
        trail = !trail && IsLeadByte(c);
    }
}
