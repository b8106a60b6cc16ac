// SPDX-License-Identifier: GPL-3.0-or-later
#include "game/rating.h"

#include "game/dial.h"

#include <array>

namespace rakamlik {

namespace {

// One column per gauge, one text per step of that gauge. The first two columns fall from %100 by
// 15 points a guess, the last rises to %100, and the third uses words of degree.
constexpr std::array<std::array<std::string_view, stepsPerGauge>, gaugeCount> ratingTexts{{
    {"%100", "%85", "%70", "%55", "%40", "%25", "%10"},
    {"%100", "%85", "%70", "%55", "%40", "%25", "%10"},
    {"Çok süper", "Süper", "Çok çok", "Çok", "Oldukça", "Biraz", "Az"},
    {"%10", "%25", "%40", "%55", "%70", "%85", "%100"},
}};

} // namespace

std::optional<Rating> rating(int tryCount) noexcept {
    const std::optional<DialStep> step = dialStep(tryCount);
    if (!step) {
        return std::nullopt;
    }
    const auto column = static_cast<std::size_t>(step->gauge);
    const auto place = static_cast<std::size_t>(step->face - 1);
    return Rating{step->gauge, ratingTexts[column][place]};
}

} // namespace rakamlik
