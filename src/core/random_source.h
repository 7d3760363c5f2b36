#pragma once

#include "core/worksheet_state.h"
#include "core/xoshiro128.h"

#include <cstdint>
#include <optional>

namespace tallyworth {

// Uniform single-precision fractions u with 0 <= u < 1. Tests feed exact fractions.
class RandomSource {
  public:
    virtual ~RandomSource() = default;
    virtual float NextFraction() = 0;
    // Called at the start of every composition, with the rules it draws under and the
    // sheet's page options: a source that takes fresh seeds takes one the sheet's code can
    // carry (CutSeedForCode).
    virtual void Reseed(const ProblemRules& rules, const PageOptions& page) = 0;
    // The seed the fractions since the last reseed are drawn from, so that a sheet code
    // can bring the composition back; nothing for a source that draws from no such seed.
    [[nodiscard]] virtual std::optional<std::uint64_t> StreamSeed() const { return std::nullopt; }
};

// A whole number in 0..total - 1 (total >= 1), each equally likely to within 2^-48: two
// 24-bit fractions joined, as one alone would favour some numbers of a large total.
[[nodiscard]] std::uint64_t RandomBelow(RandomSource& source, std::uint64_t total);

// The fractions of one seed: the top 24 bits of each Xoshiro128 output times 2^-24,
// exact in a float and never 1. Every reseed starts the same stream again, so each
// composition from this source gives the same sheet.
class SeededRandomSource final : public RandomSource {
  public:
    explicit SeededRandomSource(std::uint64_t seed);
    float NextFraction() override;
    void Reseed(const ProblemRules& rules, const PageOptions& page) override;
    [[nodiscard]] std::optional<std::uint64_t> StreamSeed() const override { return seed_; }
    [[nodiscard]] std::uint64_t Seed() const { return seed_; }

  private:
    std::uint64_t seed_;
    Xoshiro128 generator_;
};

// The program's source: every reseed takes a new seed from the clock, as wide as the code
// of a sheet under the reseed's rules and page options carries, and then draws exactly as
// SeededRandomSource does from that seed.
class ClockSeededRandomSource final : public RandomSource {
  public:
    float NextFraction() override;
    void Reseed(const ProblemRules& rules, const PageOptions& page) override;
    // The seed of the last reseed, so of the last composition; 0 before the first.
    [[nodiscard]] std::uint64_t LastSeed() const { return stream_.Seed(); }
    // LastSeed once the source has been reseeded, nothing before.
    [[nodiscard]] std::optional<std::uint64_t> StreamSeed() const override;

  private:
    std::uint64_t reseeds_ = 0;
    SeededRandomSource stream_{0};
};

// A fresh seed from the clock, as ClockSeededRandomSource takes one, cut to the bits the code
// of a sheet under these rules and page options carries; without them, as wide as any code
// carries. Every front end that starts a sheet from the clock takes its seed here.
[[nodiscard]] std::uint64_t ClockSeed(const ProblemRules& rules = {}, const PageOptions& page = {});

}  // namespace tallyworth
