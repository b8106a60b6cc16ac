// SPDX-License-Identifier: GPL-3.0-or-later
#include "game/dial.h"

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
    return std::to_string(stepsPerGauge) + " adımdan " + std::to_string(face);
}

} // namespace rakamlik
