// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "game/board_size.h"

#include <array>
#include <cstdint>
#include <string>

namespace rakamlik {

// The secret as the message label shows it: each digit behind a blank sign place, " 5 0 8 2".
std::string revealText(const Digits& secret);

} // namespace rakamlik
