#include "core/sheet_code.h"

#include "core/sheet_code_packing.h"

#include <algorithm>

namespace tallyworth {

namespace {

// A bijection of the values below 2^bits that keeps 0 at 0: xor-shifts and odd
// multipliers can each be undone within any width.
std::uint64_t Scramble(std::uint64_t value, int bits) {
    const std::uint64_t mask = LowBitsMask(bits);
    const auto half = static_cast<unsigned>(std::max(bits / 2, 1));
    value &= mask;
    value = ((value ^ (value >> half)) * 0xD6E8FEB86659FD93ULL) & mask;
    value = ((value ^ (value >> half)) * 0x9E3779B97F4A7C15ULL) & mask;
    return value ^ (value >> half);
}

}  // namespace

std::uint64_t SheetSeed(std::uint64_t firstSeed, int sheetIndex, int version) {
    // Sheet k's seed is the first one with a scrambled k mixed in: the scramble is one to
    // one and leaves 0 alone, so sheet 0 keeps the first seed and no two sheets share one.
    const int bits = SheetSeedBits(version);
    return firstSeed ^ Scramble(static_cast<std::uint64_t>(sheetIndex), bits);
}

SheetCode SheetOfSet(const SheetCode& first, int sheetIndex) {
    SheetCode sheet = first;
    sheet.seed = SheetSeed(first.seed, sheetIndex, first.version);
    return sheet;
}

}  // namespace tallyworth
