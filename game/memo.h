// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "game/rgb.h"

#include <cstdint>
#include <string_view>

namespace rakamlik {

// A memo button's mark: the colour of its caption, and the colour's name for screen readers
// (UTF-8), since the mark shows only as a colour.
struct MemoMark {
    Rgb colour;
    std::string_view name;
    friend constexpr bool operator==(MemoMark, MemoMark) = default;
};

// Every memo button's mark at a new game, matching state 0.
inline constexpr MemoMark memoReset{Rgb{0, 0, 0}, "siyah"};

// What one click does to a memo button: the mark to show, then the state to keep.
struct MemoStep {
    MemoMark mark;
    std::int16_t next;
    friend constexpr bool operator==(MemoStep, MemoStep) = default;
};

// State 0 shows black, 1 cyan, 2 red; each click moves 0 -> 1 -> 2 -> 0.
MemoStep memoStep(std::int16_t state) noexcept;

} // namespace rakamlik
