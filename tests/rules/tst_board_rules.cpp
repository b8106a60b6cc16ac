#include "board/memo.h"
#include "game/counter.h"
#include "game/reveal.h"

#include <QTest>

namespace rakamlik {
char* toString(const Rgb& c) {
    return QTest::toString(QStringLiteral("RGB(%1, %2, %3)").arg(c.r).arg(c.g).arg(c.b));
}
} // namespace rakamlik

namespace {
constexpr rakamlik::Rgb cyan{0, 255, 255};
constexpr rakamlik::Rgb red{255, 0, 0};
constexpr rakamlik::Rgb black{0, 0, 0};
} // namespace

class TestBoardRules : public QObject {
    Q_OBJECT

private slots:
    void memoCyclesCyanRedBlack();
    void strayMemoStateGoesBackToBlack_data();
    void strayMemoStateGoesBackToBlack();
    void revealText_data();
    void revealText();
    void counterStopsAtMaximum_data();
    void counterStopsAtMaximum();
};

void TestBoardRules::memoCyclesCyanRedBlack() {
    // After a new game every button is black in state 0; four clicks come back round to cyan.
    QCOMPARE(rakamlik::memoResetColour, black);
    const std::array<rakamlik::Rgb, 4> colours{cyan, red, black, cyan};
    const std::array<std::int16_t, 4> states{1, 2, 0, 1};
    std::int16_t state = 0;
    for (std::size_t click = 0; click < colours.size(); ++click) {
        const rakamlik::MemoStep step = rakamlik::memoStep(state);
        QCOMPARE(step.colour, colours.at(click));
        QCOMPARE(step.next, states.at(click));
        state = step.next;
    }
}

void TestBoardRules::strayMemoStateGoesBackToBlack_data() {
    QTest::addColumn<int>("state");

    QTest::newRow("negative") << -1;
    QTest::newRow("one past the cycle") << 3;
    QTest::newRow("largest") << 32767;
}

void TestBoardRules::strayMemoStateGoesBackToBlack() {
    QFETCH(int, state);

    const rakamlik::MemoStep step = rakamlik::memoStep(static_cast<std::int16_t>(state));
    QCOMPARE(step.colour, black);
    QCOMPARE(step.next, std::int16_t{0});
}

void TestBoardRules::revealText_data() {
    QTest::addColumn<int>("number");
    QTest::addColumn<QString>("text");

    QTest::newRow("5082") << 5082 << " 5 0 8 2";
    QTest::newRow("leading zero") << 123 << " 0 1 2 3";
    QTest::newRow("nine first") << 9876 << " 9 8 7 6";
}

void TestBoardRules::revealText() {
    QFETCH(int, number);
    QFETCH(QString, text);

    const std::array<std::int16_t, 4> secret{
        static_cast<std::int16_t>(number / 1000), static_cast<std::int16_t>(number / 100 % 10),
        static_cast<std::int16_t>(number / 10 % 10), static_cast<std::int16_t>(number % 10)};
    QCOMPARE(QString::fromStdString(rakamlik::revealText(secret)), text);
}

void TestBoardRules::counterStopsAtMaximum_data() {
    QTest::addColumn<int>("before");
    QTest::addColumn<int>("after");

    QTest::newRow("from zero") << 0 << 1;
    QTest::newRow("past the dial") << 28 << 29;
    QTest::newRow("reaching the maximum") << 32766 << 32767;
    QTest::newRow("at the maximum") << 32767 << 32767;
}

void TestBoardRules::counterStopsAtMaximum() {
    QFETCH(int, before);
    QFETCH(int, after);

    auto counter = static_cast<std::int16_t>(before);
    rakamlik::increment(counter);
    QCOMPARE(int{counter}, after);
}

QTEST_APPLESS_MAIN(TestBoardRules)
#include "tst_board_rules.moc"
