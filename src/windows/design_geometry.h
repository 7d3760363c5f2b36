#pragma once

#include <QRect>

namespace tallyworth {

// The windows' design is measured in twips, 15 to a pixel at the design's 96 dots per inch.
inline constexpr int kTwipsPerPixel = 15;

// A place of the design, given in twips, in pixels.
[[nodiscard]] constexpr QRect Twips(int left, int top, int width, int height) {
    return {left / kTwipsPerPixel, top / kTwipsPerPixel, width / kTwipsPerPixel,
            height / kTwipsPerPixel};
}

}  // namespace tallyworth
