#include "game/random_source.h"
#include "game/secret.h"

#include <QTest>

#include <cmath>
#include <limits>
#include <utility>
#include <vector>

using Digits = std::array<std::int16_t, 4>;

namespace {

// Returns the given values in order; past their end it cycles through every digit, so a redraw
// loop that asks for too many still ends and the count of draws shows it.
class ScriptedRandom final : public rakamlik::RandomSource {
public:
    explicit ScriptedRandom(std::vector<float> values) : values_(std::move(values)) {}
    void seed(std::uint64_t /*seed*/) override {}
    float next() override {
        const std::size_t call = calls_++;
        return call < values_.size() ? values_[call] : static_cast<float>(call % 10) / 9.0F;
    }
    [[nodiscard]] std::size_t calls() const { return calls_; }

private:
    std::vector<float> values_;
    std::size_t calls_ = 0;
};

int digitFor(float value) {
    ScriptedRandom random({value});
    return rakamlik::drawDigit(random);
}

} // namespace

class TestSecret : public QObject {
    Q_OBJECT

private slots:
    void drawDigit_data();
    void drawDigit();
    void redrawsUntilDifferent_data();
    void redrawsUntilDifferent();
    void firstDigitWeights();
    void standardRandomStaysBelowOne();
    void seedsGiveDistinctRepeatableSequences();
};

void TestSecret::drawDigit_data() {
    QTest::addColumn<float>("value");
    QTest::addColumn<int>("digit");

    QTest::newRow("zero") << 0.0F << 0;
    QTest::newRow("largest float below one") << std::nextafter(1.0F, 0.0F) << 9;
    // The floats on either side of (k + 0.5) / 9. A float times 9 is exact in double precision,
    // so these comparisons put each float on its true side of the boundary.
    for (int k = 0; k < 9; ++k) {
        const double half = k + 0.5;
        auto below = static_cast<float>(half / 9.0);
        while (static_cast<double>(below) * 9.0 >= half) {
            below = std::nextafter(below, 0.0F);
        }
        float above = std::nextafter(below, 1.0F);
        if (static_cast<double>(above) * 9.0 == half) {
            QTest::addRow("exactly %d.5 / 9 goes to the even side", k) << above << k + k % 2;
            above = std::nextafter(above, 1.0F);
        }
        QTest::addRow("just below %d.5 / 9", k) << below << k;
        QTest::addRow("just above %d.5 / 9", k) << above << k + 1;
    }
    QTest::newRow("faulty source: one") << 1.0F << 9;
    QTest::newRow("faulty source: 2.5") << 2.5F << 9;
    QTest::newRow("faulty source: -1") << -1.0F << 0;
    QTest::newRow("faulty source: infinity") << std::numeric_limits<float>::infinity() << 9;
    QTest::newRow("faulty source: NaN") << std::numeric_limits<float>::quiet_NaN() << 0;
}

void TestSecret::drawDigit() {
    QFETCH(float, value);
    QFETCH(int, digit);

    QCOMPARE(digitFor(value), digit);
}

void TestSecret::redrawsUntilDifferent_data() {
    QTest::addColumn<QList<int>>("drawn");
    QTest::addColumn<QList<int>>("secret");

    QTest::newRow("four different digits take four draws")
        << QList{5, 0, 8, 2} << QList{5, 0, 8, 2};
    QTest::newRow("second redrawn while it equals the first")
        << QList{5, 5, 5, 0, 8, 2} << QList{5, 0, 8, 2};
    QTest::newRow("third redrawn past both earlier digits")
        << QList{5, 0, 5, 0, 0, 5, 8, 2} << QList{5, 0, 8, 2};
    QTest::newRow("fourth redrawn past each earlier digit")
        << QList{5, 0, 8, 8, 0, 5, 5, 2} << QList{5, 0, 8, 2};
    // The array already holds 1 2 3 4 from an earlier game: its stale places must not count.
    QTest::newRow("previous secret's digits are no obstacle")
        << QList{4, 3, 2, 1} << QList{4, 3, 2, 1};
}

void TestSecret::redrawsUntilDifferent() {
    QFETCH(QList<int>, drawn);
    QFETCH(QList<int>, secret);

    std::vector<float> values;
    for (const int d : drawn) {
        values.push_back(static_cast<float>(d) / 9.0F);
    }
    ScriptedRandom random(values);
    Digits got{1, 2, 3, 4};
    rakamlik::drawSecret(random, got);

    QCOMPARE(QList<int>(got.begin(), got.end()), secret);
    QCOMPARE(random.calls(), values.size());
}

void TestSecret::firstDigitWeights() {
    constexpr int games = 200000;
    rakamlik::StandardRandom random(20240611);
    std::array<int, 10> firsts{};
    int faulty = 0; // secrets with a digit out of range or a digit twice
    for (int game = 0; game < games; ++game) {
        Digits secret{};
        rakamlik::drawSecret(random, secret);
        unsigned seen = 0;
        for (const std::int16_t d : secret) {
            const unsigned bit = d >= 0 && d <= 9 ? 1U << static_cast<unsigned>(d) : 0U;
            faulty += (bit == 0 || (seen & bit) != 0) ? 1 : 0;
            seen |= bit;
        }
        ++firsts.at(static_cast<std::size_t>(secret[0]));
    }
    QCOMPARE(faulty, 0);

    for (std::size_t d = 0; d < firsts.size(); ++d) {
        const double p = (d == 0 || d == 9) ? 1.0 / 18.0 : 1.0 / 9.0;
        const double sigma = std::sqrt(games * p * (1.0 - p));
        QVERIFY2(
            std::abs(firsts.at(d) - games * p) < 5.0 * sigma,
            qPrintable(QStringLiteral("digit %1 came first %2 times").arg(d).arg(firsts.at(d))));
    }
}

void TestSecret::standardRandomStaysBelowOne() {
    rakamlik::StandardRandom random(7);
    float lowest = 1.0F;
    float highest = 0.0F;
    int offGrid = 0; // built from 24 random bits, every value is a whole multiple of 2^-24
    for (int i = 0; i < 1000000; ++i) {
        const float value = random.next();
        lowest = std::min(lowest, value);
        highest = std::max(highest, value);
        const float scaled = value * 16777216.0F;
        offGrid += scaled == std::floor(scaled) ? 0 : 1;
    }
    QCOMPARE(offGrid, 0);
    QVERIFY(lowest >= 0.0F && lowest < 1e-5F);
    QVERIFY(highest < 1.0F && highest > 1.0F - 1e-5F);
}

void TestSecret::seedsGiveDistinctRepeatableSequences() {
    const auto firstValues = [](rakamlik::RandomSource& random) {
        QList<float> values;
        for (int i = 0; i < 8; ++i) {
            values.append(random.next());
        }
        return values;
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

QTEST_APPLESS_MAIN(TestSecret)
#include "tst_secret.moc"
