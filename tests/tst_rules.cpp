// SPDX-License-Identifier: GPL-3.0-or-later
// The small rules that a played game reaches only in part: scoring every pair, the spoken marker
// of each score, and drawing the secret at its edges.

#include "game/scoring.h"
#include "game/secret.h"
#include "scripted_random.h"

#include <QTest>

#include <bit>
#include <cmath>
#include <limits>

using namespace rakamlik;
using Digits = std::array<std::int16_t, 4>;

namespace {

Digits digits(int n) {
    return {std::int16_t(n / 1000), std::int16_t(n / 100 % 10), std::int16_t(n / 10 % 10),
            std::int16_t(n % 10)};
}

} // namespace

class TstRules : public QObject {
    Q_OBJECT

private slots:
    // Every guess against every secret of four different digits, scored a second way: digits in
    // common (a popcount of digit sets) less digits in place (a popcount of digit-place sets).
    void scoringAgreesOnAllPairs() {
        std::vector<std::tuple<int, unsigned, std::uint64_t>> codes; // number, digits, places
        for (int n = 0; n < 10000; ++n) {
            unsigned held = 0;
            std::uint64_t placed = 0;
            for (std::size_t i = 0; i < 4; ++i) {
                held |= 1U << unsigned(digits(n)[i]);
                placed |= std::uint64_t{1} << (10 * i + std::size_t(digits(n)[i]));
            }
            if (std::popcount(held) == 4) {
                codes.emplace_back(n, held, placed);
            }
        }
        QCOMPARE(codes.size(), std::size_t{5040});
        for (const auto& [secret, secretHeld, secretPlaced] : codes) {
            for (const auto& [guess, held, placed] : codes) {
                const int exact = std::popcount(placed & secretPlaced);
                const Score expected{std::int16_t(exact),
                                     std::int16_t(std::popcount(held & secretHeld) - exact)};
                if (score(digits(guess), digits(secret)) != expected) {
                    QFAIL(qPrintable(QStringLiteral("guess %1 against secret %2")
                                         .arg(guess, 4, 10, QChar(u'0'))
                                         .arg(secret, 4, 10, QChar(u'0'))));
                }
            }
        }
    }

    // What a screen reader says for a score's marker: its blue marks, its red ones, or nothing.
    void markerNames() {
        const std::pair<Score, const char*> names[] = {{{0, 0}, "bulunan rakam yok"},
                                                       {{0, 3}, "3 kırmızı işaret"},
                                                       {{2, 0}, "2 mavi işaret"},
                                                       {{1, 2}, "1 mavi, 2 kırmızı işaret"}};
        for (const auto& [s, name] : names) {
            QCOMPARE(QString::fromStdString(markerName(s)), QString::fromUtf8(name));
        }
    }

    // A draw times 9, rounded to the nearest digit: the floats on either side of each (k + 0.5)
    // / 9 (a float times 9 is exact in double precision, so each lies on its true side), the
    // largest float below one, and a faulty source.
    void drawDigit() {
        std::vector<std::pair<float, int>> draws = {{std::nextafter(1.0F, 0.0F), 9},
                                                    {1.0F, 9},
                                                    {2.5F, 9},
                                                    {-1.0F, 0},
                                                    {std::numeric_limits<float>::quiet_NaN(), 0}};
        for (int k = 0; k < 9; ++k) {
            auto below = static_cast<float>((k + 0.5) / 9.0);
            while (double(below) * 9.0 >= k + 0.5) {
                below = std::nextafter(below, 0.0F);
            }
            float above = std::nextafter(below, 1.0F);
            if (double(above) * 9.0 == k + 0.5) { // only 0.5 itself: 4.5 goes to the even 4
                draws.emplace_back(above, k + k % 2);
                above = std::nextafter(above, 1.0F);
            }
            draws.emplace_back(below, k);
            draws.emplace_back(above, k + 1);
        }
        for (const auto& [value, digit] : draws) {
            testing::ScriptedRandom random;
            random.draws = {value};
            QVERIFY2(rakamlik::drawDigit(random) == digit, qPrintable(QString::number(value, 'a')));
        }
    }

    // The generator stays in [0, 1) yet reaches both ends; each seed, both of its 32-bit halves
    // counting, starts a sequence of its own, the same from seed() as from the constructor.
    void standardRandom() {
        StandardRandom random(7);
        float lowest = 1.0F;
        float highest = 0.0F;
        for (int i = 0; i < 1000000; ++i) {
            lowest = std::min(lowest, random.next());
            highest = std::max(highest, random.next());
        }
        QVERIFY(lowest >= 0.0F && lowest < 1e-5F && highest < 1.0F && highest > 1.0F - 1e-5F);
        const auto first = [](RandomSource&& r) { return QList<float>{r.next(), r.next()}; };
        QVERIFY(first(StandardRandom(1)) != first(StandardRandom(2)) &&
                first(StandardRandom(1)) != first(StandardRandom(1 + (std::uint64_t{1} << 32U))));
        StandardRandom reseeded(2);
        reseeded.seed(1);
        QCOMPARE(first(std::move(reseeded)), first(StandardRandom(1)));
    }
};

QTEST_APPLESS_MAIN(TstRules)
#include "tst_rules.moc"
