// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "game/random_source.h"

#include <stdexcept>
#include <string_view>
#include <vector>

namespace rakamlik::testing {

// A random source whose draws the test writes; it counts its seedings and the draws taken. Past
// the written ones it yields every digit in turn, so an unscripted new game still finds four
// different digits, and a game that never stops drawing fails instead of hanging.
class ScriptedRandom final : public RandomSource {
public:
    // A draw that gives this digit: within a quarter of it once scaled by 9, and below 1.
    static float drawFor(int digit) { return static_cast<float>(digit) / 9.25F; }

    void seed(std::uint64_t /*seed*/) override { ++seeds; }
    float next() override {
        if (taken >= draws.size() + 1000) {
            throw std::runtime_error("the game draws without end");
        }
        return taken < draws.size() ? draws[taken++] : drawFor(static_cast<int>(taken++ % 10));
    }
    // The draws that make each digit of `digits` ("5082").
    void draw(std::string_view digits) {
        for (const char c : digits) {
            draws.push_back(drawFor(c - '0'));
        }
    }

    std::vector<float> draws;
    std::size_t taken = 0;
    int seeds = 0;
};

} // namespace rakamlik::testing
