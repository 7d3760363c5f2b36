#include "core/random_source.h"

#include <chrono>

namespace tallyworth {

namespace {

constexpr int kFractionBits = 24;  // a float holds exactly 24 significant bits
constexpr float kFractionScale = 1.0F / static_cast<float>(1U << kFractionBits);

// A strong 64-bit mixer (the splitmix finaliser): every input bit reaches every
// output bit, so nearby clock readings give unrelated seeds.
std::uint32_t MixBits(std::uint64_t bits) {
    bits += 0x9E3779B97F4A7C15ULL;
    bits = (bits ^ (bits >> 30U)) * 0xBF58476D1CE4E5B9ULL;
    bits = (bits ^ (bits >> 27U)) * 0x94D049BB133111EBULL;
    return static_cast<std::uint32_t>((bits ^ (bits >> 31U)) >> 32U);
}

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
    // clock tick still start different sequences. One well-mixed word seeds the engine
    // far more cheaply than a seed sequence, and a reseed comes with every composition.
    const auto previous = static_cast<std::uint64_t>(engine_());
    engine_.seed(MixBits(ticks ^ (previous << 32U) ^ previous));
}

}  // namespace tallyworth
