// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <optional>
#include <string_view>

namespace rakamlik {

// A won game's rating: the column (0 to 3, under the gauge of its guesses: "Şanslı", "Üstün",
// "Normal", "Anormal") and the text shown above its title.
struct Rating {
    int column;
    std::string_view text;
    friend constexpr bool operator==(Rating, Rating) = default;
};

// The rating for a game won with tryCount guesses; none after more than 28.
std::optional<Rating> rating(int tryCount) noexcept;

} // namespace rakamlik
