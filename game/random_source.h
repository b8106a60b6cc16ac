// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>
#include <random>

namespace rakamlik {

// The program's one random generator, behind an interface so that tests can script the draws.
class RandomSource {
public:
    virtual ~RandomSource() = default;

    virtual void seed(std::uint64_t seed) = 0;
    // A uniformly distributed value in [0, 1).
    virtual float next() = 0;
};

// A Mersenne Twister whose values are built from 24 random bits, exactly a float's significand,
// so next() can never round up to 1.0 (std::generate_canonical<float> can).
class StandardRandom final : public RandomSource {
public:
    StandardRandom() = default;
    explicit StandardRandom(std::uint64_t seed);

    void seed(std::uint64_t seed) override;
    float next() override;

private:
    std::mt19937 generator_;
};

// A seed taken from the system clock, different from one run to the next.
std::uint64_t clockSeed();

} // namespace rakamlik
