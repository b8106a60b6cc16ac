// SPDX-License-Identifier: GPL-3.0-or-later
#include "game/secret.h"

#include <algorithm>
#include <cassert>
#include <cmath>
#include <span>

namespace rakamlik {

std::int16_t drawDigit(RandomSource& random) {
    const float draw = random.next();
    // A source's draws lie in [0, 1); StandardRandom's are tested to.
    assert(draw >= 0.0F && draw < 1.0F);
    // A float times 9 is exact in double precision. Ties round to even; the only draw that makes
    // one is 0.5, whose 4.5 gives 4.
    return static_cast<std::int16_t>(std::nearbyint(static_cast<double>(draw) * 9.0));
}

void drawSecret(RandomSource& random, Digits& secret) {
    for (std::size_t place = 0; place < secret.size(); ++place) {
        const auto earlier = std::span{secret}.first(place);
        do {
            secret[place] = drawDigit(random);
        } while (std::ranges::find(earlier, secret[place]) != earlier.end());
    }
}

} // namespace rakamlik
