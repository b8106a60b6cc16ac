#pragma once

#include <array>
#include <optional>
#include <string_view>

namespace rakamlik {

// The titles of the four rating columns, one under each gauge of the dial (UTF-8).
inline constexpr std::array<std::string_view, 4> ratingTitles{"Şanslı", "Üstün", "Normal",
                                                              "Anormal"};

// A won game's rating: the column (an index into ratingTitles) and the text shown above its title.
struct Rating {
    int column;
    std::string_view text;
};

// The rating for a game won with tryCount guesses; none after more than 28.
std::optional<Rating> rating(int tryCount) noexcept;

} // namespace rakamlik
