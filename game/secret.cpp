// SPDX-License-Identifier: GPL-3.0-or-later
#include "game/secret.h"

#include <algorithm>
#include <cmath>
#include <span>

namespace rakamlik {

std::int16_t drawDigit(RandomSource& random) {
    // A float times 9 is exact in double precision. Ties round to even; the only draw that makes
    // one is 0.5, whose 4.5 gives 4.
    const double product = static_cast<double>(random.next()) * 9.0;
    if (std::isnan(product)) {
        return 0;
    }
    // A faulty source outside [0, 1) still gives a digit.
    return static_cast<std::int16_t>(std::clamp(std::nearbyint(product), 0.0, 9.0));
}

void drawSecret(RandomSource& random, std::array<std::int16_t, 4>& secret) {
    for (std::size_t place = 0; place < secret.size(); ++place) {
        const auto earlier = std::span{secret}.first(place);
        do {
            secret[place] = drawDigit(random);
        } while (std::ranges::find(earlier, secret[place]) != earlier.end());
    }
}

} // namespace rakamlik
