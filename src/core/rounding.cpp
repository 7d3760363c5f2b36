#include "core/rounding.h"

#include <cmath>

namespace tallyworth {

double RoundHalfToEven(double value) {
    // value - floor(value) is exact for every finite double, so the halfway test is too.
    const double below = std::floor(value);
    const double fraction = value - below;
    if (fraction < 0.5) {
        return below;
    }
    if (fraction > 0.5) {
        return below + 1.0;
    }
    return std::fmod(below, 2.0) == 0.0 ? below : below + 1.0;
}

}  // namespace tallyworth
