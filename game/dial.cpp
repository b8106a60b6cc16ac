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
    // The part taken is marked, "7 adımdan 3'ü", with the possessive suffix the spoken number
    // takes: biri, ikisi, üçü, dördü, beşi, altısı.
    static_assert(stepsPerGauge == 7);
    constexpr std::array<const char*, stepsPerGauge> suffixes{"",   "'i", "'si", "'ü",
                                                              "'ü", "'i", "'sı"};
    return std::to_string(stepsPerGauge) + " adımdan " + std::to_string(face) +
           suffixes.at(static_cast<std::size_t>(face));
}

} // namespace rakamlik
