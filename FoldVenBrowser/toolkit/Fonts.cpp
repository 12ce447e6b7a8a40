#include "FoldVenBrowser/toolkit/Fonts.h"

namespace Fonts {

namespace {

HFONT Create(int height, bool bold, const char* face) {
    return ::CreateFontA(height, 0, 0, 0, bold ? FW_BOLD : FW_NORMAL, FALSE, FALSE, FALSE, DEFAULT_CHARSET,
                         OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY,
                         DEFAULT_PITCH | FF_DONTCARE, face);
}

}  // namespace

HFONT CreateGulim(int height, bool bold) {
    return Create(height, bold, "굴림");
}

HFONT CreateDotumChe(int height, bool bold) {
    return Create(height, bold, "돋움체");
}

}  // namespace Fonts
