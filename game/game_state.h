// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "game/board_size.h"

#include <array>
#include <cstdint>

namespace rakamlik {

// The game's own counters and digits, as its procedures keep them. Every field is a 16-bit
// signed integer and starts at 0. `Game` owns the one instance, beside what the board shows.
struct GameState {
    Digits secretDigits{};                             // the leftmost digit first
    std::int16_t lastDigit = 0;                        // digit of the keypad button pressed last
    Digits guessDigits{};                              // the guess, in the order typed
    std::int16_t entryCount = 0;                       // digits typed of the guess in progress
    std::int16_t nearCount = 0;                        // last score: digits present elsewhere
    std::int16_t exactCount = 0;                       // last score: digits in place
    std::int16_t tryCount = 0;                         // guesses completed in this game
    std::array<std::int16_t, digitCount> memoStates{}; // colour state of the memo button of digit k

    friend bool operator==(const GameState&, const GameState&) = default;
};

} // namespace rakamlik
