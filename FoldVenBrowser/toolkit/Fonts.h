#pragma once

#include <windows.h>

// The two fonts the skinned windows share. `height` as for CreateFont (negative = character height).
// The caller deletes the font.
namespace Fonts {

HFONT CreateGulim(int height, bool bold);
HFONT CreateDotumChe(int height, bool bold);

}  // namespace Fonts
