// SPDX-License-Identifier: GPL-3.0-or-later
#include "game/scoring.h"

namespace rakamlik {

Score score(const Digits& guess, const Digits& secret) noexcept {
    Score result;
    const auto [s0, s1, s2, s3] = secret;
    for (std::size_t i = 0; i < guess.size(); ++i) {
        const std::int16_t digit = guess[i];
        if (digit == secret[i]) {
            ++result.exact;
        } else if (digit == s0 || digit == s1 || digit == s2 || digit == s3) {
            // secret[i] differs from the digit, so the match is at another place.
            ++result.near;
        }
    }
    return result;
}

std::string markerName(Score s) {
    if (s.exact == 0 && s.near == 0) {
        return "bulunan rakam yok";
    }
    std::string name;
    if (s.exact > 0) {
        name = std::to_string(s.exact) + " mavi";
    }
    if (s.near > 0) {
        name += (name.empty() ? "" : ", ") + std::to_string(s.near) + " kırmızı";
    }
    // A Turkish noun stays singular after a number.
    return name + " işaret";
}

} // namespace rakamlik
