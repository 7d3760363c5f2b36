#pragma once

#include <array>
#include <cstdint>

namespace tallyworth {

// The generator behind every sheet: xoshiro128** (Blackman and Vigna), its state filled
// from two outputs of splitmix64. Both are written out here, to the bit, so that a seed
// draws the same numbers with every compiler and standard library; a sheet code relies
// on that for as long as old codes must bring back their sheets.
class Xoshiro128 {
  public:
    explicit Xoshiro128(std::uint64_t seed);
    // Goes on from a given state, which must not be all zero.
    explicit Xoshiro128(const std::array<std::uint32_t, 4>& state) : state_(state) {}

    // The next 32-bit output.
    std::uint32_t Next();

  private:
    std::array<std::uint32_t, 4> state_{};
};

// One step of splitmix64: advances the counter and returns its mixed value.
std::uint64_t SplitMix64(std::uint64_t& counter);

}  // namespace tallyworth
