// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "game/board_size.h"

#include "game/random_source.h"

#include <array>
#include <cstdint>

namespace rakamlik {

// One digit from one draw: the draw times 9, rounded to the nearest whole number. 0 and 9 come out
// half as often as 1 to 8 because only half an interval rounds to each of them.
std::int16_t drawDigit(RandomSource& random);

// Four different digits. Each place takes a digit, drawn again as long as it equals an earlier one.
void drawSecret(RandomSource& random, Digits& secret);

} // namespace rakamlik
