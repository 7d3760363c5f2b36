#include "core/random_source.h"

#include <chrono>

namespace tallyworth {

namespace {

constexpr int kFractionBits = 24;  // a float holds exactly 24 significant bits
constexpr float kFractionScale = 1.0F / static_cast<float>(1U << kFractionBits);

}  // namespace

float ClockSeededRandomSource::NextFraction() {
    // The top 24 bits scaled by 2^-24 are exact in a float and at most 1 - 2^-24, so
    // 1.0 never comes out (a float distribution may round up to 1.0).
    const std::uint32_t bits = static_cast<std::uint32_t>(engine_()) >> (32 - kFractionBits);
    return static_cast<float>(bits) * kFractionScale;
}

void ClockSeededRandomSource::Reseed() {
    const auto ticks = static_cast<std::uint64_t>(
        std::chrono::high_resolution_clock::now().time_since_epoch().count());
    // The old engine's output joins the clock so that two reseeds within the same
    // clock tick still start different sequences.
    const auto previous = static_cast<std::uint32_t>(engine_());
    std::seed_seq seeds{static_cast<std::uint32_t>(ticks), static_cast<std::uint32_t>(ticks >> 32U),
                        previous};
    engine_.seed(seeds);
}

}  // namespace tallyworth
