// The rules of the game, without a window: scoring and markers, drawing the secret, the dial and
// the rating, the memo buttons, the revealed secret and the counters.

#include "board/memo.h"
#include "game/counter.h"
#include "game/reveal.h"
#include "game/scoring.h"
#include "game/secret.h"
#include "ledger/dial.h"
#include "ledger/rating.h"

#include <QTest>

#include <bit>
#include <cmath>
#include <limits>
#include <vector>

using Digits = std::array<std::int16_t, 4>;

namespace {

Digits digits(int number) {
    return {static_cast<std::int16_t>(number / 1000), static_cast<std::int16_t>(number / 100 % 10),
            static_cast<std::int16_t>(number / 10 % 10), static_cast<std::int16_t>(number % 10)};
}

// Returns the given values in order, then 0/9, 1/9, 2/9, ... so that a redraw loop asking for
// too many still ends, and the count of draws shows it.
class ScriptedRandom final : public rakamlik::RandomSource {
public:
    explicit ScriptedRandom(std::vector<float> values) : values(std::move(values)) {}
    void seed(std::uint64_t /*seed*/) override {}
    float next() override {
        const std::size_t call = calls++;
        return call < values.size() ? values[call] : static_cast<float>(call % 10) / 9.0F;
    }
    std::vector<float> values;
    std::size_t calls = 0;
};

} // namespace

class TestRules : public QObject {
    Q_OBJECT

private slots:
    // Every guess against every secret of four different digits, scored a second way: digits in
    // common (one popcount of digit sets) less digits in place (another, of digit-place sets).
    void scoringAgreesOnAllPairs() {
        std::vector<std::tuple<int, unsigned, std::uint64_t>> codes;
        for (int n = 0; n < 10000; ++n) {
            unsigned held = 0;
            std::uint64_t placed = 0;
            for (std::size_t i = 0; i < 4; ++i) {
                const auto d = std::size_t(digits(n)[i]);
                held |= 1U << d;
                placed |= std::uint64_t{1} << (10 * i + d);
            }
            if (std::popcount(held) == 4) {
                codes.emplace_back(n, held, placed);
            }
        }
        QCOMPARE(codes.size(), std::size_t{5040});
        std::array<std::array<long long, 6>, 6> tally{}; // by exact, then near
        for (const auto& [secret, secretHeld, secretPlaced] : codes) {
            for (const auto& [guess, held, placed] : codes) {
                const rakamlik::Score got = rakamlik::score(digits(guess), digits(secret));
                const int exact = std::popcount(placed & secretPlaced);
                const int near = std::popcount(held & secretHeld) - exact;
                if (got.exact != exact || got.near != near) {
                    QFAIL(qPrintable(QStringLiteral("guess %1 against secret %2")
                                         .arg(guess, 4, 10, QChar(u'0'))
                                         .arg(secret, 4, 10, QChar(u'0'))));
                }
                ++tally.at(std::size_t(exact)).at(std::size_t(near));
            }
        }
        // Exactly fourteen scores occur, and those and no others have a marker, out of range
        // scores included.
        int occurring = 0;
        for (int exact = -1; exact <= 5; ++exact) {
            for (int near = -1; near <= 5; ++near) {
                const bool occurs = exact >= 0 && near >= 0 &&
                                    tally.at(std::size_t(exact)).at(std::size_t(near)) > 0;
                occurring += occurs ? 1 : 0;
                const rakamlik::Score s{std::int16_t(exact), std::int16_t(near)};
                QVERIFY2(rakamlik::markerImage(s).has_value() == occurs,
                         qPrintable(QStringLiteral("%1 exact, %2 near").arg(exact).arg(near)));
            }
        }
        QCOMPARE(occurring, 14);
    }

    // One guess against 5082 for each of the fourteen scores, with the image of its marker and
    // what a screen reader says for it.
    void againstSecret5082_data() {
        QTest::addColumn<int>("guess");
        QTest::addColumn<int>("exact");
        QTest::addColumn<int>("near");
        QTest::addColumn<int>("image");
        QTest::addColumn<QString>("name");
        const struct {
            int guess, exact, near, image;
            const char* name;
        } rows[] = {
            {1346, 0, 0, 21, "bulunan rakam yok"},
            {1534, 0, 1, 22, "1 kırmızı işaret"},
            {1503, 0, 2, 23, "2 kırmızı işaret"},
            {2503, 0, 3, 24, "3 kırmızı işaret"},
            {2805, 0, 4, 20, "4 kırmızı işaret"},
            {5134, 1, 0, 11, "1 mavi işaret"},
            {5234, 1, 1, 15, "1 mavi, 1 kırmızı işaret"},
            {5803, 1, 2, 16, "1 mavi, 2 kırmızı işaret"},
            {5208, 1, 3, 17, "1 mavi, 3 kırmızı işaret"},
            {5013, 2, 0, 12, "2 mavi işaret"},
            {5023, 2, 1, 25, "2 mavi, 1 kırmızı işaret"},
            {5028, 2, 2, 18, "2 mavi, 2 kırmızı işaret"},
            {5081, 3, 0, 13, "3 mavi işaret"},
            {5082, 4, 0, 14, "4 mavi işaret"},
        };
        for (const auto& r : rows) {
            QTest::addRow("%04d", r.guess)
                << r.guess << r.exact << r.near << r.image << QString::fromUtf8(r.name);
        }
    }
    void againstSecret5082() {
        QFETCH(int, guess);
        QFETCH(int, exact);
        QFETCH(int, near);
        QFETCH(int, image);
        QFETCH(QString, name);
        const rakamlik::Score got = rakamlik::score(digits(guess), digits(5082));
        QCOMPARE(std::pair(int{got.exact}, int{got.near}), std::pair(exact, near));
        QCOMPARE(rakamlik::markerImage(got).value_or(-1), image);
        QCOMPARE(QString::fromStdString(rakamlik::markerName(got)), name);
    }

    void drawDigit_data() {
        QTest::addColumn<float>("value");
        QTest::addColumn<int>("digit");
        QTest::newRow("largest float below one") << std::nextafter(1.0F, 0.0F) << 9;
        // The floats on either side of (k + 0.5) / 9. A float times 9 is exact in double
        // precision, so these comparisons put each float on its true side of the boundary.
        for (int k = 0; k < 9; ++k) {
            const double half = k + 0.5;
            auto below = static_cast<float>(half / 9.0);
            while (double(below) * 9.0 >= half) {
                below = std::nextafter(below, 0.0F);
            }
            float above = std::nextafter(below, 1.0F);
            if (double(above) * 9.0 == half) { // only 0.5 itself: 4.5 goes to the even 4
                QTest::addRow("exactly %d.5 / 9", k) << above << k + k % 2;
                above = std::nextafter(above, 1.0F);
            }
            QTest::addRow("just below %d.5 / 9", k) << below << k;
            QTest::addRow("just above %d.5 / 9", k) << above << k + 1;
        }
        QTest::newRow("faulty source: 1") << 1.0F << 9;
        QTest::newRow("faulty source: 2.5") << 2.5F << 9;
        QTest::newRow("faulty source: -1") << -1.0F << 0;
        QTest::newRow("faulty source: NaN") << std::numeric_limits<float>::quiet_NaN() << 0;
    }
    void drawDigit() {
        QFETCH(float, value);
        QFETCH(int, digit);
        ScriptedRandom random({value});
        QCOMPARE(int{rakamlik::drawDigit(random)}, digit);
    }

    // The secret array still holds 1 2 3 4 from an earlier game; only the places drawn so far
    // may force a redraw, and every draw is used.
    void drawSecretRedraws_data() {
        QTest::addColumn<QList<int>>("drawn");
        QTest::addColumn<QList<int>>("secret");
        QTest::newRow("old digits are no obstacle") << QList{4, 3, 2, 1} << QList{4, 3, 2, 1};
        QTest::newRow("second place") << QList{5, 5, 5, 0, 8, 2} << QList{5, 0, 8, 2};
        QTest::newRow("third place") << QList{5, 0, 5, 0, 0, 5, 8, 2} << QList{5, 0, 8, 2};
        QTest::newRow("fourth place") << QList{5, 0, 8, 8, 0, 5, 5, 2} << QList{5, 0, 8, 2};
    }
    void drawSecretRedraws() {
        QFETCH(QList<int>, drawn);
        QFETCH(QList<int>, secret);
        ScriptedRandom random({});
        for (const int d : drawn) {
            random.values.push_back(float(d) / 9.0F);
        }
        Digits got{1, 2, 3, 4};
        rakamlik::drawSecret(random, got);
        QCOMPARE(QList<int>(got.begin(), got.end()), secret);
        QCOMPARE(random.calls, random.values.size());
    }

    // 0 and 9 come first half as often as the other digits, and no secret repeats a digit.
    void firstDigitWeights() {
        constexpr int games = 200000;
        rakamlik::StandardRandom random(20240611);
        std::array<int, 10> firsts{};
        for (int game = 0; game < games; ++game) {
            Digits secret{};
            rakamlik::drawSecret(random, secret);
            unsigned seen = 0;
            for (const std::int16_t d : secret) {
                QVERIFY(d >= 0 && d <= 9 && (seen & (1U << unsigned(d))) == 0);
                seen |= 1U << unsigned(d);
            }
            ++firsts.at(std::size_t(secret[0]));
        }
        for (std::size_t d = 0; d < firsts.size(); ++d) {
            const double p = (d == 0 || d == 9) ? 1.0 / 18.0 : 1.0 / 9.0;
            QVERIFY2(std::abs(firsts.at(d) - games * p) < 5.0 * std::sqrt(games * p * (1.0 - p)),
                     qPrintable(QStringLiteral("%1 came first %2 times").arg(d).arg(firsts.at(d))));
        }
    }

    // The generator stays in [0, 1) yet reaches both ends, and seed() sets a sequence of its own
    // for each seed, both 32-bit halves counting, the same as the constructor.
    void standardRandom() {
        rakamlik::StandardRandom random(7);
        float lowest = 1.0F;
        float highest = 0.0F;
        for (int i = 0; i < 1000000; ++i) {
            const float value = random.next();
            lowest = std::min(lowest, value);
            highest = std::max(highest, value);
        }
        QVERIFY(lowest >= 0.0F && lowest < 1e-5F);
        QVERIFY(highest < 1.0F && highest > 1.0F - 1e-5F);

        const auto firstValues = [](rakamlik::RandomSource& r) {
            return QList<float>{r.next(), r.next(), r.next(), r.next()};
        };
        rakamlik::StandardRandom one(1);
        rakamlik::StandardRandom two(2);
        rakamlik::StandardRandom highBits(1 + (std::uint64_t{1} << 32U));
        const QList<float> fromOne = firstValues(one);
        QVERIFY(fromOne != firstValues(two));
        QVERIFY(fromOne != firstValues(highBits));
        two.seed(1);
        QCOMPARE(firstValues(two), fromOne);
    }

    // Seven steps a gauge and a column of ratings under each, tried at the edges of the columns;
    // a game without a guess or past 28 moves the dial no more and has no rating.
    void dialAndRating_data() {
        QTest::addColumn<int>("tryCount");
        QTest::addColumn<int>("gauge"); // -1: none
        QTest::addColumn<int>("face");
        QTest::addColumn<QString>("text");
        const std::tuple<int, int, int, const char*> rows[] = {
            {0, -1, 0, ""},     {1, 0, 1, "%100"},       {7, 0, 7, "%10"}, {8, 1, 1, "%100"},
            {14, 1, 7, "%10"},  {15, 2, 1, "Çok süper"}, {21, 2, 7, "Az"}, {22, 3, 1, "%10"},
            {28, 3, 7, "%100"}, {29, -1, 0, ""},
        };
        for (const auto& [tryCount, gauge, face, text] : rows) {
            QTest::addRow("guess %d", tryCount)
                << tryCount << gauge << face << QString::fromUtf8(text);
        }
    }
    void dialAndRating() {
        QFETCH(int, tryCount);
        QFETCH(int, gauge);
        QFETCH(int, face);
        QFETCH(QString, text);
        const auto step = rakamlik::dialStep(tryCount).value_or(rakamlik::DialStep{-1, 0});
        QCOMPARE(std::pair(step.gauge, step.face), std::pair(gauge, face));
        const auto rated = rakamlik::rating(tryCount).value_or(rakamlik::Rating{-1, ""});
        QCOMPARE(rated.column, gauge);
        QCOMPARE(QString::fromUtf8(rated.text.data(), qsizetype(rated.text.size())), text);
    }

    // Black after a new game, then cyan, red, black and round again.
    void memoCycle() {
        const auto rgb = [](rakamlik::Rgb c) { return std::tuple(int{c.r}, int{c.g}, int{c.b}); };
        QCOMPARE(rgb(rakamlik::memoResetColour), std::tuple(0, 0, 0));
        const rakamlik::Rgb colours[] = {{0, 255, 255}, {255, 0, 0}, {0, 0, 0}, {0, 255, 255}};
        std::int16_t state = 0;
        for (const rakamlik::Rgb& colour : colours) {
            const rakamlik::MemoStep step = rakamlik::memoStep(state);
            QCOMPARE(rgb(step.colour), rgb(colour));
            QCOMPARE(step.next, std::int16_t((state + 1) % 3));
            state = step.next;
        }
    }

    void revealText() {
        QCOMPARE(QString::fromStdString(rakamlik::revealText(digits(5082))),
                 QStringLiteral(" 5 0 8 2"));
    }

    void counterStopsAtMaximum() {
        for (const int before : {0, 32766, 32767}) {
            auto counter = static_cast<std::int16_t>(before);
            rakamlik::increment(counter);
            QCOMPARE(int{counter}, std::min(before + 1, 32767));
        }
    }
};

QTEST_APPLESS_MAIN(TestRules)
#include "tst_rules.moc"
