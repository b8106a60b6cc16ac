// SPDX-License-Identifier: GPL-3.0-or-later
#include "game/random_source.h"

#include <chrono>

namespace rakamlik {

namespace {

constexpr float unitStep = 0x1.0p-24F;

void seedGenerator(std::mt19937& generator, std::uint64_t seed) {
    // Both halves of the seed count, not just the 32 bits the generator takes directly.
    std::seed_seq sequence{static_cast<std::uint32_t>(seed),
                           static_cast<std::uint32_t>(seed >> 32U)};
    generator.seed(sequence);
}

} // namespace

StandardRandom::StandardRandom(std::uint64_t seed) {
    seedGenerator(generator_, seed);
}

void StandardRandom::seed(std::uint64_t seed) {
    seedGenerator(generator_, seed);
}

float StandardRandom::next() {
    // The top 24 bits of a draw times 2^-24 is exact in a float; the largest value is 1 - 2^-24.
    return static_cast<float>(generator_() >> 8U) * unitStep;
}

std::uint64_t clockSeed() {
    return static_cast<std::uint64_t>(std::chrono::system_clock::now().time_since_epoch().count());
}

} // namespace rakamlik
