// SPDX-License-Identifier: GPL-3.0-or-later
#include "game/memo.h"

#include <array>
#include <cassert>
#include <cstddef>

namespace rakamlik {

MemoStep memoStep(std::int16_t state) noexcept {
    static constexpr std::array<MemoStep, 3> steps{{
        {{Rgb{0, 255, 255}, "camgöbeği"}, 1},
        {{Rgb{255, 0, 0}, "kırmızı"}, 2},
        {memoReset, 0},
    }};
    // Only memoStep() makes a state, so any other is a fault of the game's; the index is checked
    // in every build as well.
    assert(state >= 0 && state < static_cast<std::int16_t>(steps.size()));
    return steps[static_cast<std::size_t>(state)];
}

} // namespace rakamlik
