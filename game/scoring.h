// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "game/board_size.h"

#include <array>
#include <cstdint>
#include <string>

namespace rakamlik {

// How a guess fares against the secret: digits in their place, and digits found at another place.
struct Score {
    std::int16_t exact = 0;
    std::int16_t near = 0;
    friend constexpr bool operator==(Score, Score) = default;
};

Score score(const Digits& guess, const Digits& secret) noexcept;

// What a screen reader says for a scored guess's marker, in Turkish (UTF-8): its counts of blue
// and red marks, "2 mavi, 1 kırmızı işaret", or that none of its digits is in the secret.
std::string markerName(Score s);

} // namespace rakamlik
