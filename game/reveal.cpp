// SPDX-License-Identifier: GPL-3.0-or-later
#include "game/reveal.h"

namespace rakamlik {

std::string revealText(const Digits& secret) {
    std::string text;
    for (const std::int16_t digit : secret) {
        if (digit >= 0) {
            text += ' ';
        }
        text += std::to_string(digit);
    }
    return text;
}

} // namespace rakamlik
