// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <array>
#include <cstdint>

// How much the board holds. The dial's gauges and steps are in dial.h.
namespace rakamlik {

// The digits 0 to 9: one keypad button and one memo button each.
inline constexpr int digitCount = 10;
// The digits of a guess, and of the secret.
inline constexpr int guessLength = 4;
// The guesses the ledger keeps, newest first.
inline constexpr int ledgerRows = 10;

// A guess or the secret, a digit a place, the leftmost first.
using Digits = std::array<std::int16_t, guessLength>;

} // namespace rakamlik
