// SPDX-License-Identifier: GPL-3.0-or-later
#include "game/dial.h"

namespace rakamlik {

std::optional<DialStep> dialStep(int tryCount) noexcept {
    if (tryCount < 1 || tryCount > dialSteps) {
        return std::nullopt;
    }
    return DialStep{(tryCount - 1) / stepsPerGauge, (tryCount - 1) % stepsPerGauge + 1};
}

} // namespace rakamlik
