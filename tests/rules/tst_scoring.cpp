#include "game/scoring.h"

#include <QTest>

#include <bit>
#include <vector>

using Digits = std::array<std::int16_t, 4>;

namespace rakamlik {
char* toString(const Score& s) {
    return QTest::toString(QStringLiteral("(%1 exact, %2 near)").arg(s.exact).arg(s.near));
}
} // namespace rakamlik

namespace {

Digits digits(int number) {
    return {static_cast<std::int16_t>(number / 1000), static_cast<std::int16_t>(number / 100 % 10),
            static_cast<std::int16_t>(number / 10 % 10), static_cast<std::int16_t>(number % 10)};
}

// A code of four different digits with two bit sets: the digits it holds, and each digit at its
// place. Digits in common are then one popcount, and digits in place another.
struct Code {
    int number;
    Digits digits;
    unsigned held;
    std::uint64_t placed;
};

} // namespace

class TestScoring : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void agreesWithCommonDigitsLessExact();
    void scoreFrequencyAndMarker_data();
    void scoreFrequencyAndMarker();
    void guessesAgainstSecret5082_data();
    void guessesAgainstSecret5082();

private:
    std::array<std::array<long long, 5>, 5> tally_{}; // by exact, then near
    long long disagreements_ = 0;
    QString firstDisagreement_;
};

// Scores every guess against every secret of four different digits once, for the tests below.
void TestScoring::initTestCase() {
    std::vector<Code> codes;
    for (int n = 0; n < 10000; ++n) {
        Code code{n, digits(n), 0, 0};
        for (std::size_t i = 0; i < 4; ++i) {
            const auto d = static_cast<unsigned>(code.digits.at(i));
            code.held |= 1U << d;
            code.placed |= std::uint64_t{1} << (10 * i + d);
        }
        if (std::popcount(code.held) == 4) {
            codes.push_back(code);
        }
    }
    QCOMPARE(codes.size(), std::size_t{5040});

    for (const Code& secret : codes) {
        for (const Code& guess : codes) {
            const rakamlik::Score got = rakamlik::score(guess.digits, secret.digits);
            const int exact = std::popcount(guess.placed & secret.placed);
            const int near = std::popcount(guess.held & secret.held) - exact;
            if (got.exact != exact || got.near != near) {
                if (disagreements_++ == 0) {
                    firstDisagreement_ = QStringLiteral("guess %1, secret %2")
                                             .arg(guess.number, 4, 10, QChar(u'0'))
                                             .arg(secret.number, 4, 10, QChar(u'0'));
                }
            } else {
                ++tally_[static_cast<std::size_t>(exact)][static_cast<std::size_t>(near)];
            }
        }
    }
}

void TestScoring::agreesWithCommonDigitsLessExact() {
    QVERIFY2(disagreements_ == 0, qPrintable(firstDisagreement_));
}

// The fourteen possible scores account for all 5040 guesses against each secret, so no other
// score ever occurs.
void TestScoring::scoreFrequencyAndMarker_data() {
    QTest::addColumn<int>("exact");
    QTest::addColumn<int>("near");
    QTest::addColumn<int>("guessesPerSecret");
    QTest::addColumn<int>("image"); // -1: no picture

    QTest::newRow("nothing shared: empty marker") << 0 << 0 << 360 << 21;
    QTest::newRow("one elsewhere") << 0 << 1 << 1440 << 22;
    QTest::newRow("two elsewhere") << 0 << 2 << 1260 << 23;
    QTest::newRow("three elsewhere") << 0 << 3 << 264 << 24;
    QTest::newRow("all four elsewhere") << 0 << 4 << 9 << 20;
    QTest::newRow("one in place") << 1 << 0 << 480 << 11;
    QTest::newRow("one in place, one elsewhere") << 1 << 1 << 720 << 15;
    QTest::newRow("one in place, two elsewhere") << 1 << 2 << 216 << 16;
    QTest::newRow("one in place, three elsewhere") << 1 << 3 << 8 << 17;
    QTest::newRow("two in place") << 2 << 0 << 180 << 12;
    QTest::newRow("two in place, one elsewhere") << 2 << 1 << 72 << 25;
    QTest::newRow("two in place, two elsewhere") << 2 << 2 << 6 << 18;
    QTest::newRow("three in place") << 3 << 0 << 24 << 13;
    QTest::newRow("all four in place") << 4 << 0 << 1 << 14;
    QTest::newRow("impossible: three in place, one elsewhere") << 3 << 1 << 0 << -1;
    QTest::newRow("impossible: two in place, three elsewhere") << 2 << 3 << 0 << -1;
    QTest::newRow("impossible: one in place, four elsewhere") << 1 << 4 << 0 << -1;
    QTest::newRow("out of range: five elsewhere") << 0 << 5 << 0 << -1;
    QTest::newRow("out of range: negative in place") << -1 << 0 << 0 << -1;
}

void TestScoring::scoreFrequencyAndMarker() {
    QFETCH(int, exact);
    QFETCH(int, near);
    QFETCH(int, guessesPerSecret);
    QFETCH(int, image);

    const bool inTally = exact >= 0 && exact <= 4 && near >= 0 && near <= 4;
    const long long tallied =
        inTally ? tally_[static_cast<std::size_t>(exact)][static_cast<std::size_t>(near)] : 0;
    QCOMPARE(tallied, 5040LL * guessesPerSecret);
    const rakamlik::Score s{static_cast<std::int16_t>(exact), static_cast<std::int16_t>(near)};
    QCOMPARE(rakamlik::markerImage(s).value_or(-1), image);
}

void TestScoring::guessesAgainstSecret5082_data() {
    QTest::addColumn<int>("guess");
    QTest::addColumn<int>("exact");
    QTest::addColumn<int>("near");
    QTest::addColumn<int>("image");

    QTest::newRow("no digit shared") << 1346 << 0 << 0 << 21;
    QTest::newRow("all digits swapped round") << 2805 << 0 << 4 << 20;
    QTest::newRow("first in place, middle two swapped") << 5803 << 1 << 2 << 16;
    QTest::newRow("last two swapped") << 5028 << 2 << 2 << 18;
    QTest::newRow("the secret itself") << 5082 << 4 << 0 << 14;
}

void TestScoring::guessesAgainstSecret5082() {
    QFETCH(int, guess);
    QFETCH(int, exact);
    QFETCH(int, near);
    QFETCH(int, image);

    const rakamlik::Score got = rakamlik::score(digits(guess), digits(5082));
    QCOMPARE(got,
             (rakamlik::Score{static_cast<std::int16_t>(exact), static_cast<std::int16_t>(near)}));
    QCOMPARE(rakamlik::markerImage(got).value_or(-1), image);
}

QTEST_APPLESS_MAIN(TestScoring)
#include "tst_scoring.moc"
