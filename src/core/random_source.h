#pragma once

#include <cstdint>
#include <random>

namespace tallyworth {

// Uniform single-precision fractions u with 0 <= u < 1. Tests feed exact fractions.
class RandomSource {
  public:
    virtual ~RandomSource() = default;
    virtual float NextFraction() = 0;
    // Called at the start of every composition.
    virtual void Reseed() = 0;
};

// The program's source: reseeded from the clock at every composition; never yields 1.
class ClockSeededRandomSource final : public RandomSource {
  public:
    float NextFraction() override;
    void Reseed() override;

  private:
    std::mt19937 engine_{};
};

}  // namespace tallyworth
