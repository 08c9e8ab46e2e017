#pragma once

namespace zrk {

// Positions and sizes are worked out in twips (1,440 to the inch) by plain functions and turned
// into pixels only where widgets are placed: 15 twips a pixel at 96 dots per inch.
inline constexpr int kTwipsPerInch = 1440;

inline constexpr int twipsToPixels(int twips, int dpi) {
    return twips * (dpi > 0 ? dpi : 96) / kTwipsPerInch;
}

} // namespace zrk
