// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <optional>
#include <string>

namespace rakamlik {

// Four gauges of seven steps each count the guesses of a game, up to 28.
inline constexpr int gaugeCount = 4;
inline constexpr int stepsPerGauge = 7;
inline constexpr int dialSteps = gaugeCount * stepsPerGauge;

// The face one guess puts on the dial: gauge 0 to 3, from the left, and face 1 to 7, the steps
// after the rest face 0.
struct DialStep {
    int gauge;
    int face;
    friend constexpr bool operator==(DialStep, DialStep) = default;
};

// The step for the tryCount-th guess; from the 29th guess on the dial no longer moves.
std::optional<DialStep> dialStep(int tryCount) noexcept;

// What a screen reader hears of a gauge showing `face` (UTF-8): "boş" at rest, "dolu" when full,
// and between them the steps run, "7 adımdan üçü".
std::string gaugeName(int face);

} // namespace rakamlik
