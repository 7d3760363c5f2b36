#include "core/damm32.h"

namespace tallyworth {

namespace {

// GF(32) as polynomials over GF(2) modulo the primitive x^5 + x^2 + 1.
constexpr int kFieldPolynomial = 0b100101;
constexpr int kFieldTopBit = 0b10000;

constexpr int TimesTwo(int element) {
    const int shifted = element << 1;
    return (element & kFieldTopBit) != 0 ? shifted ^ kFieldPolynomial : shifted;
}

}  // namespace

// (c o x) o y = 4c + 2x + y and (c o y) o x = 4c + 2y + x agree only when 3(x + y) = 0,
// that is when x = y; likewise x o y = y o x only when x = y.
int Damm32Step(int interim, int symbol) {
    return TimesTwo(interim) ^ symbol;
}

int Damm32Interim(std::span<const int> symbols) {
    int interim = 0;
    for (const int symbol : symbols) {
        interim = Damm32Step(interim, symbol);
    }
    return interim;
}

int Damm32CheckSymbol(std::span<const int> symbols) {
    // 2i + c = 0 in a field of characteristic 2 means c = 2i.
    return TimesTwo(Damm32Interim(symbols));
}

}  // namespace tallyworth
