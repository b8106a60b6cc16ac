#pragma once

#include "game/rgb.h"

#include <cstdint>
#include <string_view>

namespace rakamlik {

// What one click does to a memo button: the caption colour to set, then the state to keep. The
// mark shows only as a colour, so screen readers hear the colour's name (UTF-8).
struct MemoStep {
    Rgb colour;
    std::int16_t next;
    std::string_view markName;
    friend constexpr bool operator==(MemoStep, MemoStep) = default;
};

// State 0 shows black, 1 cyan, 2 red; each click moves 0 -> 1 -> 2 -> 0.
MemoStep memoStep(std::int16_t state) noexcept;

// The caption colour of every memo button at a new game, matching state 0, and its name.
inline constexpr Rgb memoResetColour{0, 0, 0};
inline constexpr std::string_view memoResetName = "siyah";

} // namespace rakamlik
