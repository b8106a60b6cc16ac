// SPDX-License-Identifier: GPL-3.0-or-later
#include "game/dial.h"

#include <array>

namespace rakamlik {

std::optional<DialStep> dialStep(int tryCount) noexcept {
    if (tryCount < 1 || tryCount > dialSteps) {
        return std::nullopt;
    }
    return DialStep{(tryCount - 1) / stepsPerGauge, (tryCount - 1) % stepsPerGauge + 1};
}

std::string gaugeName(int face) {
    if (face == 0) {
        return "boş";
    }
    if (face == stepsPerGauge) {
        return "dolu";
    }
    // The part taken, "7 adımdan üçü", in words: only ever heard, a number written with its
    // suffix ("3'ü") is read as two words.
    static_assert(stepsPerGauge == 7);
    constexpr std::array<const char*, stepsPerGauge> parts{"",      "biri", "ikisi", "üçü",
                                                           "dördü", "beşi", "altısı"};
    return std::to_string(stepsPerGauge) + " adımdan " + parts.at(static_cast<std::size_t>(face));
}

} // namespace rakamlik
