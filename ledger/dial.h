#pragma once

#include <optional>

namespace rakamlik {

// Four gauges of seven steps each count the guesses of a game, up to 28.
inline constexpr int gaugeCount = 4;
inline constexpr int stepsPerGauge = 7;
inline constexpr int dialSteps = gaugeCount * stepsPerGauge;

// The face one guess puts on the dial: gauge 0 to 3 is Image33 to Image36, and face 1 to 7 is the
// template picture Image26 to Image32 (Image25 + face).
struct DialStep {
    int gauge;
    int face;
    friend constexpr bool operator==(DialStep, DialStep) = default;
};

// The step for the tryCount-th guess; from the 29th guess on the dial no longer moves.
std::optional<DialStep> dialStep(int tryCount) noexcept;

} // namespace rakamlik
