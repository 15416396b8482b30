// The dialogs are designed in twips; the screen has 15 twips to the pixel.
#pragma once

#include <cmath>

namespace lexora::dialogs {

inline constexpr int kTwipsPerPixel = 15;

inline int twips(int pixels) {
    return pixels * kTwipsPerPixel;
}
inline int pixels(int twips) {
    return static_cast<int>(std::lround(static_cast<double>(twips) / kTwipsPerPixel));
}

} // namespace lexora::dialogs
