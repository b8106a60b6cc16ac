#include "game/scoring.h"

namespace rakamlik {

Score score(const std::array<std::int16_t, 4>& guess,
            const std::array<std::int16_t, 4>& secret) noexcept {
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

std::optional<int> markerImage(Score s) noexcept {
    // Rows by digits in place, columns by digits elsewhere; 0 where no such score exists.
    constexpr std::array<std::array<int, 5>, 5> images{{
        {21, 22, 23, 24, 20},
        {11, 15, 16, 17, 0},
        {12, 25, 18, 0, 0},
        {13, 0, 0, 0, 0},
        {14, 0, 0, 0, 0},
    }};
    if (s.exact < 0 || s.exact > 4 || s.near < 0 || s.near > 4) {
        return std::nullopt;
    }
    const int image = images[static_cast<std::size_t>(s.exact)][static_cast<std::size_t>(s.near)];
    if (image == 0) {
        return std::nullopt;
    }
    return image;
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
