#include "core/xoshiro128.h"

namespace tallyworth {

namespace {

constexpr std::uint32_t RotateLeft(std::uint32_t bits, unsigned by) {
    return (bits << by) | (bits >> (32U - by));
}

}  // namespace

std::uint64_t SplitMix64(std::uint64_t& counter) {
    counter += 0x9E3779B97F4A7C15ULL;
    std::uint64_t bits = counter;
    bits = (bits ^ (bits >> 30U)) * 0xBF58476D1CE4E5B9ULL;
    bits = (bits ^ (bits >> 27U)) * 0x94D049BB133111EBULL;
    return bits ^ (bits >> 31U);
}

// The two splitmix64 outputs come from different counters through a bijection, so they
// differ and the state is never all zero, the one state xoshiro cannot leave.
Xoshiro128::Xoshiro128(std::uint64_t seed) {
    std::uint64_t counter = seed;
    const std::uint64_t low = SplitMix64(counter);
    const std::uint64_t high = SplitMix64(counter);
    state_ = {static_cast<std::uint32_t>(low), static_cast<std::uint32_t>(low >> 32U),
              static_cast<std::uint32_t>(high), static_cast<std::uint32_t>(high >> 32U)};
}

std::uint32_t Xoshiro128::Next() {
    const std::uint32_t result = RotateLeft(state_[1] * 5U, 7U) * 9U;
    const std::uint32_t shifted = state_[1] << 9U;
    state_[2] ^= state_[0];
    state_[3] ^= state_[1];
    state_[1] ^= state_[2];
    state_[0] ^= state_[3];
    state_[2] ^= shifted;
    state_[3] = RotateLeft(state_[3], 11U);
    return result;
}

}  // namespace tallyworth
