#pragma once

#include <cmath>
#include <cstdint>

namespace tallyworth {

// Nearest whole number, a half going to the even neighbour (0.5 -> 0, 1.5 -> 2,
// 2.5 -> 2, -2.5 -> -2). Independent of the floating-point rounding mode. Inline and
// free of library calls because every random draw rounds once.
inline double RoundHalfToEven(double value) {
    // Every double of magnitude 2^52 or more is whole; NaN and infinities pass through.
    constexpr double kAllWhole = 4503599627370496.0;  // 2^52
    const double magnitude = std::fabs(value);
    if (!(magnitude < kAllWhole)) {
        return value;
    }
    // Truncation ignores the rounding mode, and magnitude - whole is exact.
    auto whole = static_cast<std::int64_t>(magnitude);
    const double fraction = magnitude - static_cast<double>(whole);
    if (fraction > 0.5 || (fraction == 0.5 && (whole & 1) != 0)) {
        ++whole;
    }
    // Half to even is symmetric about zero.
    return std::copysign(static_cast<double>(whole), value);
}

}  // namespace tallyworth
