// SPDX-License-Identifier: GPL-3.0-or-later
#include "game/memo.h"

namespace rakamlik {

MemoStep memoStep(std::int16_t state) noexcept {
    switch (state) {
    case 0:
        return {{Rgb{0, 255, 255}, "camgöbeği"}, 1};
    case 1:
        return {{Rgb{255, 0, 0}, "kırmızı"}, 2};
    default:
        // State 2, and any stray value, goes back to black.
        return {memoReset, 0};
    }
}

} // namespace rakamlik
