// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>
#include <limits>

namespace rakamlik {

// Adds one to a game counter. A counter at the largest 16-bit value stays there instead of
// wrapping round: a game may run past 32767 guesses and simply goes on.
constexpr void increment(std::int16_t& counter) noexcept {
    if (counter < std::numeric_limits<std::int16_t>::max()) {
        ++counter;
    }
}

} // namespace rakamlik
