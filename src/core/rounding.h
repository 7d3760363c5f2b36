#pragma once

namespace tallyworth {

// Nearest whole number, a half going to the even neighbour (0.5 -> 0, 1.5 -> 2,
// 2.5 -> 2, -2.5 -> -2). Independent of the floating-point rounding mode.
double RoundHalfToEven(double value);

}  // namespace tallyworth
