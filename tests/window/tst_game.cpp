#include "assets/pictures.h"
#include "game/scoring.h"
#include "window_fixture.h"

#include <QRegularExpression>

#include <algorithm>
#include <array>

using namespace rakamlik;
using rakamlik::testing::WindowFixture;

namespace {

// Everything the player can see, one line per property, so two moments
// can be compared and a difference reads plainly.
QStringList snapshot(const Form1& w) {
    QStringList lines;
    const auto picture = [&](int n) {
        const Picture& p = w.image(n)->picture();
        return p.isEmpty() ? QStringLiteral("empty") : QString::number(p.pixmap.cacheKey());
    };
    for (int n = 1; n <= 14; ++n) {
        if (n != 5) {
            lines << QStringLiteral("Label%1 %2 %3")
                         .arg(n)
                         .arg(w.label(n)->text())
                         .arg(w.label(n)->isVisible() ? "shown" : "hidden");
        }
    }
    for (int i = 0; i < 40; ++i) {
        lines << QStringLiteral("Label5(%1) %2").arg(i).arg(w.ledgerCell(i)->text());
    }
    for (int n : {1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 33, 34, 35, 36}) {
        lines << QStringLiteral("Image%1 %2").arg(n).arg(picture(n));
    }
    for (int n = 1; n <= 22; ++n) {
        QPushButton* b = w.command(n);
        lines << QStringLiteral("SSCommand%1 %2 %3")
                     .arg(n)
                     .arg(b->isEnabled() ? "enabled" : "disabled")
                     .arg(b->palette().color(QPalette::Active, QPalette::ButtonText).name());
    }
    return lines;
}

bool shows(const Form1& w, int box, int templateImage) {
    return w.image(box)->picture().pixmap.cacheKey() ==
           w.templatePicture(templateImage).pixmap.cacheKey();
}

QList<int> gaugeFaces(const Form1& w) {
    QList<int> faces;
    for (int gauge = 33; gauge <= 36; ++gauge) {
        int face = -1;
        for (int t : {19, 26, 27, 28, 29, 30, 31, 32}) {
            if (shows(w, gauge, t)) {
                face = t;
            }
        }
        faces << face;
    }
    return faces;
}

QString ledgerRow(const Form1& w, int row) {
    QString digits;
    for (int c = 0; c < 4; ++c) {
        digits += w.ledgerCell(4 * row + c)->text();
    }
    return digits;
}

// The keypad and "Bak" are locked and unlocked together.
bool keypadEnabled(const Form1& w, bool enabled) {
    constexpr std::array group{1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 12};
    return std::ranges::all_of(group, [&](int n) { return w.command(n)->isEnabled() == enabled; });
}

QColor memoColour(const Form1& w, int digit) {
    return w.command(13 + digit)->palette().color(QPalette::Active, QPalette::ButtonText);
}

// Guesses of four different digits that score nothing against 5082.
const QString miss = QStringLiteral("1346");

} // namespace

class TstGame : public QObject {
    Q_OBJECT

private slots:
    void init() { QTest::failOnWarning(QRegularExpression(QStringLiteral(".*"))); }

    // Each guess lands in the top row with the marker of its score.
    void scoringShowsItsMarker_data() {
        QTest::addColumn<QString>("guess");
        QTest::addColumn<int>("exact");
        QTest::addColumn<int>("near");
        QTest::addColumn<int>("marker");
        QTest::addColumn<int>("width");
        QTest::newRow("nothing: no marker") << "1346" << 0 << 0 << 21 << 0;
        QTest::newRow("all four elsewhere") << "2805" << 0 << 4 << 20 << 95;
        QTest::newRow("one in place, two elsewhere") << "5803" << 1 << 2 << 16 << 71;
        QTest::newRow("two and two") << "5028" << 2 << 2 << 18 << 95;
        QTest::newRow("one elsewhere, with 0") << "7310" << 0 << 1 << 22 << 23;
        QTest::newRow("three in place") << "5089" << 3 << 0 << 13 << 71;
        QTest::newRow("win") << "5082" << 4 << 0 << 14 << 95;
    }
    void scoringShowsItsMarker() {
        QFETCH(QString, guess);
        QFETCH(int, exact);
        QFETCH(int, near);
        QFETCH(int, marker);
        QFETCH(int, width);
        WindowFixture f;
        f.newGame(u"5082");
        f.type(guess);
        QCOMPARE(f.window->state().exactCount, exact);
        QCOMPARE(f.window->state().nearCount, near);
        QVERIFY(shows(*f.window, 1, marker));
        QCOMPARE(f.window->image(1)->picture().isEmpty(), width == 0);
        if (width > 0) {
            QCOMPARE(f.window->image(1)->size(), QSize(width, 19));
        }
        QCOMPARE(ledgerRow(*f.window, 0), guess);
    }

    // The template a score names shows exactly that score's marks.
    void everyScoreHasTheMatchingTemplate() {
        WindowFixture f;
        int pairs = 0;
        for (std::int16_t exact = 0; exact <= 4; ++exact) {
            for (std::int16_t near = 0; exact + near <= 4; ++near) {
                const auto image = markerImage({exact, near});
                if (!image) {
                    continue;
                }
                ++pairs;
                QCOMPARE(f.window->templatePicture(*image).pixmap.toImage(),
                         pictures::marker(exact, near).toImage());
            }
        }
        QCOMPARE(pairs, 14);
    }

    void firstGuessOfAGame() {
        WindowFixture f;
        f.newGame(u"5082");
        QCOMPARE(f.window->label(6)->text(), QStringLiteral("Başarılar"));
        f.type(u"1234");
        for (int n = 1; n <= 4; ++n) {
            QCOMPARE(f.window->label(n)->text(), QString::number(n));
        }
        QCOMPARE(ledgerRow(*f.window, 0), QStringLiteral("1234"));
        for (int row = 1; row < 10; ++row) {
            QVERIFY(ledgerRow(*f.window, row).isEmpty());
            QVERIFY(f.window->image(row + 1)->picture().isEmpty());
        }
        QVERIFY(shows(*f.window, 1, 22)); // the 2 is elsewhere
        QCOMPARE(gaugeFaces(*f.window), (QList<int>{26, 19, 19, 19}));
        QCOMPARE(f.window->state().tryCount, 1);
        QVERIFY(keypadEnabled(*f.window, true));
        // The complete guess stays until the first digit of the next one.
        f.type(u"7");
        QCOMPARE(f.window->label(1)->text(), QStringLiteral("7"));
        for (int n = 2; n <= 4; ++n) {
            QVERIFY(f.window->label(n)->text().isEmpty());
        }
    }

    // A digit pressed is locked until the guess is complete.
    void aDigitStandsOnceInAGuess() {
        WindowFixture f;
        f.newGame(u"5082");
        f.type(u"33");
        QCOMPARE(f.window->state().entryCount, 1);
        QVERIFY(f.window->label(2)->text().isEmpty());
        QVERIFY(!f.window->command(3)->isEnabled());
        f.type(u"0");
        QCOMPARE(f.window->label(2)->text(), QStringLiteral("0"));
        QCOMPARE(f.window->state().guessDigits[1], 0);
        f.type(u"12");
        QCOMPARE(f.window->state().entryCount, 0);
        QVERIFY(keypadEnabled(*f.window, true));
        f.type(u"3");
        QCOMPARE(f.window->label(1)->text(), QStringLiteral("3"));
    }

    void theLedgerKeepsTheLastTenGuesses() {
        WindowFixture f;
        f.newGame(u"5082");
        const QStringList guesses{"1234", "2345", "3456", "4567", "5678", "6789",
                                  "7890", "8901", "9012", "0123", "1357"};
        for (int g = 0; g < 10; ++g) {
            f.type(guesses[g]);
        }
        QCOMPARE(ledgerRow(*f.window, 9), guesses[0]);
        QCOMPARE(ledgerRow(*f.window, 0), guesses[9]);
        QVERIFY(shows(*f.window, 10, 22)); // 1234 has the 2 elsewhere
        f.type(guesses[10]);
        for (int row = 0; row < 10; ++row) {
            QCOMPARE(ledgerRow(*f.window, row), guesses[10 - row]);
        }
        QVERIFY(shows(*f.window, 10, 23)); // 2345 has the 2 and the 5 elsewhere
    }

    void aBlankMarkerStaysBlankAsItScrolls() {
        WindowFixture f;
        f.newGame(u"5082");
        f.type(miss);
        for (int row = 1; row <= 4; ++row) {
            f.type(u"5089");
            QVERIFY(f.window->image(row + 1)->picture().isEmpty());
            QVERIFY(shows(*f.window, row, 13));
            QCOMPARE(ledgerRow(*f.window, row), miss);
        }
    }

    void theDialCountsGuesses_data() {
        QTest::addColumn<int>("guesses");
        QTest::addColumn<QList<int>>("faces");
        QTest::newRow("first") << 1 << QList<int>{26, 19, 19, 19};
        QTest::newRow("seventh fills the first gauge") << 7 << QList<int>{32, 19, 19, 19};
        QTest::newRow("eighth starts the second") << 8 << QList<int>{32, 26, 19, 19};
        QTest::newRow("28th fills the dial") << 28 << QList<int>{32, 32, 32, 32};
        QTest::newRow("29th changes nothing") << 29 << QList<int>{32, 32, 32, 32};
    }
    void theDialCountsGuesses() {
        QFETCH(int, guesses);
        QFETCH(QList<int>, faces);
        WindowFixture f;
        f.newGame(u"5082");
        for (int g = 0; g < guesses; ++g) {
            f.type(miss);
        }
        QCOMPARE(f.window->state().tryCount, guesses);
        QCOMPARE(gaugeFaces(*f.window), faces);
    }

    // A win beeps once, says "tebrikler", locks the keypad and "Bak", and
    // rates the game by its number of guesses, the winning one included.
    void aWinIsRated_data() {
        QTest::addColumn<int>("guesses");
        QTest::addColumn<int>("column"); // -1: no rating
        QTest::addColumn<QString>("value");
        QTest::newRow("1") << 1 << 0 << "%100";
        QTest::newRow("7") << 7 << 0 << "%10";
        QTest::newRow("8") << 8 << 1 << "%100";
        QTest::newRow("14") << 14 << 1 << "%10";
        QTest::newRow("15") << 15 << 2 << "Çok süper";
        QTest::newRow("21") << 21 << 2 << "Az";
        QTest::newRow("22") << 22 << 3 << "%10";
        QTest::newRow("28") << 28 << 3 << "%100";
        QTest::newRow("29, no rating") << 29 << -1 << "";
    }
    void aWinIsRated() {
        QFETCH(int, guesses);
        QFETCH(int, column);
        QFETCH(QString, value);
        WindowFixture f;
        f.newGame(u"5082");
        for (int g = 1; g < guesses; ++g) {
            f.type(miss);
        }
        QCOMPARE(f.beeps, 0);
        f.type(u"5082");
        QCOMPARE(f.beeps, 1);
        QCOMPARE(f.window->label(6)->text(), QStringLiteral("tebrikler"));
        QVERIFY(keypadEnabled(*f.window, false));
        for (int k = 0; k < 4; ++k) {
            QCOMPARE(f.window->label(7 + k)->isVisible(), k == column);
            QCOMPARE(f.window->label(11 + k)->text(), k == column ? value : QString());
        }
        QVERIFY(shows(*f.window, 1, 14));
        // The locked keypad takes no more guesses; the memo buttons still work.
        const QStringList before = snapshot(*f.window);
        f.type(u"1234");
        f.click(f.window->command(12));
        QCOMPARE(snapshot(*f.window), before);
        f.click(f.window->command(13));
        QCOMPARE(memoColour(*f.window, 0), QColor(0, 255, 255));
        QCOMPARE(f.beeps, 1);
    }

    void newGameMidGuess() {
        WindowFixture f;
        f.newGame(u"5082");
        f.type(u"123");
        f.newGame(u"9876");
        QCOMPARE(f.window->state().entryCount, 0);
        for (int n = 1; n <= 4; ++n) {
            QVERIFY(f.window->label(n)->text().isEmpty());
        }
        QVERIFY(keypadEnabled(*f.window, true));
        f.type(u"1");
        QCOMPARE(f.window->label(1)->text(), QStringLiteral("1"));
    }

    // After a won and rated game, "Yeni" leaves the board as at start-up
    // but for the unlocked buttons and the greeting.
    void newGameAfterAWin() {
        WindowFixture startUp;
        startUp.newGame(u"9876");
        const QStringList fresh = snapshot(*startUp.window);

        WindowFixture f;
        f.newGame(u"5082");
        for (int g = 0; g < 11; ++g) {
            f.type(u"5089");
        }
        f.click(f.window->command(15));
        f.type(u"5082");
        f.newGame(u"9876");
        QCOMPARE(snapshot(*f.window), fresh);
        QCOMPARE(f.window->state().tryCount, 0);
        QCOMPARE(f.window->state().secretDigits, (std::array<std::int16_t, 4>{9, 8, 7, 6}));
        QCOMPARE(f.window->state().memoStates, (std::array<std::int16_t, 10>{}));
        QCOMPARE(f.random->seeds, 1); // a new game never reseeds
    }

    void twoNewGamesInARow() {
        WindowFixture f;
        f.newGame(u"5082");
        f.newGame(u"1234");
        QCOMPARE(f.window->state().secretDigits, (std::array<std::int16_t, 4>{1, 2, 3, 4}));
        QCOMPARE(f.window->state().tryCount, 0);
        QCOMPARE(f.window->label(6)->text(), QStringLiteral("Başarılar"));
    }

    // A draw that repeats an earlier digit is drawn again.
    void theSecretNeverRepeatsADigit() {
        WindowFixture f;
        f.random->script = {5.0F / 9, 5.0F / 9, 0.0F, 0.0F, 5.0F / 9, 8.0F / 9, 8.0F / 9, 2.0F / 9};
        f.click(f.window->command(11));
        QCOMPARE(f.window->state().secretDigits, (std::array<std::int16_t, 4>{5, 0, 8, 2}));
        QVERIFY(f.random->script.empty());
    }

    // "Bak" shows the secret and nothing else changes; the game goes on.
    void bakRevealsTheSecret() {
        WindowFixture f;
        f.newGame(u"5082");
        f.type(u"12");
        QStringList expected = snapshot(*f.window);
        const GameState state = f.window->state();
        f.click(f.window->command(12));
        QCOMPARE(f.window->label(6)->text(), QStringLiteral(" 5 0 8 2"));
        expected.replace(expected.indexOf(QRegularExpression("^Label6 .*")),
                         QStringLiteral("Label6  5 0 8 2 shown"));
        QCOMPARE(snapshot(*f.window), expected);
        QCOMPARE(f.window->state(), state);
        f.type(u"34");
        f.newGame(u"5082");
        QCOMPARE(f.window->label(6)->text(), QStringLiteral("Başarılar"));
    }

    void memoButtonsCycleTheirColours() {
        WindowFixture f;
        f.newGame(u"5082");
        f.type(u"12");
        // Screen readers hear the mark by name.
        const QList<std::pair<QColor, QString>> cycle{{QColor(0, 255, 255), "camgöbeği"},
                                                      {QColor(255, 0, 0), "kırmızı"},
                                                      {QColor(0, 0, 0), "siyah"},
                                                      {QColor(0, 255, 255), "camgöbeği"}};
        for (const auto& [colour, name] : cycle) {
            f.click(f.window->command(20)); // the memo button of 7
            QCOMPARE(memoColour(*f.window, 7), colour);
            QCOMPARE(f.window->command(20)->accessibleDescription(), name);
        }
        QCOMPARE(f.window->state().memoStates[7], 1);
        for (int digit = 0; digit <= 9; ++digit) {
            if (digit != 7) {
                QCOMPARE(memoColour(*f.window, digit), QColor(0, 0, 0));
            }
        }
        QCOMPARE(f.window->label(1)->text() + f.window->label(2)->text(), QStringLiteral("12"));
        QCOMPARE(f.window->state().entryCount, 2);
        // A new game resets every mark: the next click shows cyan again.
        f.newGame(u"5082");
        QCOMPARE(memoColour(*f.window, 7), QColor(0, 0, 0));
        f.click(f.window->command(20));
        QCOMPARE(memoColour(*f.window, 7), QColor(0, 255, 255));
    }

    // A game can go past the largest count a 16-bit counter holds: the
    // count stops there and the game goes on.
    void aVeryLongGameGoesOn() {
        WindowFixture f;
        f.newGame(u"5082");
        f.type(miss);
        f.window->stateForTesting().tryCount = 32766;
        const QList<int> faces = gaugeFaces(*f.window);
        for (int g = 0; g < 3; ++g) {
            f.type(miss);
            QCOMPARE(f.window->state().tryCount, 32767);
        }
        QCOMPARE(gaugeFaces(*f.window), faces);
        f.type(u"5082");
        QCOMPARE(f.beeps, 1);
        QCOMPARE(f.window->label(6)->text(), QStringLiteral("tebrikler"));
        QVERIFY(keypadEnabled(*f.window, false));
        for (int n = 7; n <= 10; ++n) {
            QVERIFY(!f.window->label(n)->isVisible());
        }
    }
};

RAKAMLIK_TEST_MAIN(TstGame)

#include "tst_game.moc"
