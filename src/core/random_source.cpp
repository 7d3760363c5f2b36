#include "core/random_source.h"

#include "core/sheet_code.h"
#include "core/sheet_code_packing.h"

#include <algorithm>
#include <array>
#include <chrono>
#include <cstddef>
#include <mutex>

namespace tallyworth {

namespace {

constexpr int kFractionBits = 24;  // a float holds exactly 24 significant bits
constexpr float kFractionScale = 1.0F / static_cast<float>(1U << kFractionBits);

// A strong 64-bit mixer (the splitmix finaliser): every input bit reaches every
// output bit, so nearby clock readings give unrelated seeds.
std::uint64_t MixBits(std::uint64_t bits) {
    return SplitMix64(bits);
}

}  // namespace

SeededRandomSource::SeededRandomSource(std::uint64_t seed) : seed_(seed), generator_(seed) {}

float SeededRandomSource::NextFraction() {
    // The top 24 bits scaled by 2^-24 are exact in a float and at most 1 - 2^-24.
    const std::uint32_t bits = generator_.Next() >> (32 - kFractionBits);
    return static_cast<float>(bits) * kFractionScale;
}

void SeededRandomSource::Reseed(const ProblemRules& /*rules*/, const PageOptions& /*page*/) {
    generator_ = Xoshiro128(seed_);
}

float ClockSeededRandomSource::NextFraction() {
    return stream_.NextFraction();
}

std::optional<std::uint64_t> ClockSeededRandomSource::StreamSeed() const {
    return reseeds_ == 0 ? std::nullopt : std::optional(LastSeed());
}

void ClockSeededRandomSource::Reseed(const ProblemRules& rules, const PageOptions& page) {
    const auto ticks = static_cast<std::uint64_t>(
        std::chrono::high_resolution_clock::now().time_since_epoch().count());
    // The count of reseeds and the previous seed join the clock, so that two reseeds
    // within the same clock tick still start from different seeds; a collision left
    // after narrowing to the code's seed bits is stepped over.
    const std::uint64_t previous = stream_.Seed();
    ++reseeds_;
    std::uint64_t seed =
        CutSeedForCode(MixBits(ticks ^ (reseeds_ << 40U) ^ MixBits(previous)), rules, page);
    if (seed == previous) {
        seed = CutSeedForCode(seed + 1U, rules, page);
    }
    stream_ = SeededRandomSource(seed);
}

std::uint64_t RandomBelow(RandomSource& source, std::uint64_t total) {
    constexpr double kLowPartScale = 1.0 / 16777216.0;  // 2^-24
    const double high = source.NextFraction();
    const double low = source.NextFraction();
    const auto unit =
        static_cast<std::uint64_t>((high + low * kLowPartScale) * static_cast<double>(total));
    return std::min(unit, total - 1);
}

std::uint64_t ClockSeed(const ProblemRules& rules, const PageOptions& page) {
    ClockSeededRandomSource clock;
    clock.Reseed(rules, page);
    std::uint64_t seed = clock.LastSeed();
    // Sets asked for at once, as a server's are, start from different seeds even where the
    // shortest code keeps: a seed whose low bits were given out lately is stepped over.
    constexpr std::size_t kRecent = 64;
    const std::uint64_t shortest = LowBitsMask(SheetSeedBits(kPageSheetCodeVersion));
    static std::mutex guard;
    static std::array<std::uint64_t, kRecent> recent{};
    static std::size_t given = 0;
    const std::scoped_lock lock(guard);
    const auto end = recent.begin() + static_cast<std::ptrdiff_t>(std::min(given, kRecent));
    while (std::find(recent.begin(), end, seed & shortest) != end) {
        seed = CutSeedForCode(seed + 1U, rules, page);
    }
    recent[given++ % kRecent] = seed & shortest;
    return seed;
}

}  // namespace tallyworth
