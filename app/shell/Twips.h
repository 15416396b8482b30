// Lengths of the windows' arrangements are designed in twips; the screen
// has 15 twips to the pixel.
#pragma once

namespace lexora::shell {

inline constexpr int kTwipsPerPixel = 15;

// Pixels for a length in twips, rounded to the nearest pixel.
constexpr int px(int twips) {
    return twips >= 0 ? (twips + kTwipsPerPixel / 2) / kTwipsPerPixel
                      : -((-twips + kTwipsPerPixel / 2) / kTwipsPerPixel);
}

} // namespace lexora::shell
