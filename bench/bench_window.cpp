// SPDX-License-Identifier: GPL-3.0-or-later
// Timing goals live here, not in the tests: how long the window takes to come up in process, what
// the click handlers cost, and how long the whole window takes to render.
//   QT_QPA_PLATFORM=offscreen build/bench/bench_window      (bench/run prints them as a table)
//
// The handler benchmarks measure CPU without painting. They click through
// QAbstractButton::click(), which runs the connected handlers at once, without a mouse event and
// without running the event loop. What the handlers change on screen only marks regions dirty and
// posts one update request to the window, which Qt merges with any request already pending; the
// painting happens the next time the event loop runs, and it never runs inside a measurement.
// settle() runs it before each measurement, so the paints of setting up are not counted either,
// and every measured click starts from a window on screen, as the player's does.
#include "app/application.h"
#include "app/game_window.h"
#include "game/random_source.h"
#include "tests/window_fixture.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QPixmap>
#include <QTest>

#include <algorithm>
#include <array>
#include <cstddef>
#include <memory>
#include <vector>

using namespace rakamlik;

namespace {

using Keys = std::array<int, 4>;

// The secret of every scripted game, and guesses at it that never win, each with another score.
constexpr Keys secret{5, 0, 8, 2};
constexpr std::array<Keys, 5> misses{{
    {1, 2, 3, 4}, // 0 in place, 1 elsewhere
    {5, 6, 7, 8}, // 1, 1
    {5, 0, 2, 8}, // 2, 2
    {9, 0, 1, 2}, // 2, 0
    {8, 5, 2, 0}, // 0, 4
}};

// Runs the event loop until nothing is pending: the window repaints what the last clicks changed.
void settle() {
    QCoreApplication::sendPostedEvents();
    QCoreApplication::processEvents();
}

// The tests' shown window with its scripted random source and beep counter, clicked through
// click() rather than mouse events; the benchmark chooses the secret.
struct ClickedBoard : testing::WindowFixture {
    // "Yeni", drawing `digits` as the secret.
    void newGame(const Keys& digits = secret) const {
        for (int d : digits) {
            random->draws.push_back(testing::ScriptedRandom::drawFor(d));
        }
        newGameButton()->click();
    }

    void type(const Keys& digits) const {
        for (int d : digits) {
            keypad(d)->click();
        }
    }

    void memoClick(int digit) const { memo(digit)->click(); }
};

// Times `measured` alone, `samples` times, each after `prepare` and a settled window, and reports
// the median: for work that can't simply repeat, such as a winning guess, which locks the keypad
// until the next game.
template <typename Prepare, typename Measured>
void timeEach(int samples, Prepare prepare, Measured measured) {
    std::vector<qint64> nanoseconds;
    nanoseconds.reserve(static_cast<std::size_t>(samples));
    QElapsedTimer timer;
    for (int i = 0; i < samples; ++i) {
        prepare(i);
        settle();
        timer.start();
        measured(i);
        nanoseconds.push_back(timer.nsecsElapsed());
    }
    const auto middle = nanoseconds.begin() + static_cast<std::ptrdiff_t>(nanoseconds.size() / 2);
    std::ranges::nth_element(nanoseconds, middle);
    QTest::setBenchmarkResult(static_cast<qreal>(*middle), QTest::WalltimeNanoseconds);
}

} // namespace

class BenchWindow : public QObject {
    Q_OBJECT

private slots:
    // From nothing to a shown window with every control and picture, in a running program (the
    // fonts and pictures are cached after the first round; bench_race times a whole start-up).
    void startUp() {
        QBENCHMARK {
            GameWindow window(std::make_unique<StandardRandom>(), [] {});
            window.show();
            QVERIFY(QTest::qWaitForWindowExposed(&window));
        }
    }

    // One complete guess that doesn't win: four digits, the dial, the ledger's scroll, the score
    // and its marker. The guesses take turns, so every scroll moves other text. After 28 guesses
    // the dial would stop moving, so the count goes back to the start of the dial; that costs
    // one comparison.
    void oneGuess() {
        ClickedBoard board; // fails the benchmark unless the window is on screen
        board.newGame();
        settle();
        std::size_t turn = 0;
        QBENCHMARK {
            board.type(misses.at(turn++ % misses.size()));
            if (board.window->game().state().tryCount == dialSteps) {
                board.window->gameForTesting().stateForTesting().tryCount = 0;
            }
        }
        QVERIFY(board.window->game().state().exactCount < guessLength);
        QCOMPARE(board.beeps, 0);
    }

    // The same guesses, each timed alone after the window has painted the one before, as the
    // player's are. In the loop above a widget still dirty from the last round skips some of
    // the bookkeeping of update(); here none does.
    void oneGuessAfterPaint() {
        ClickedBoard board; // fails the benchmark unless the window is on screen
        board.newGame();
        timeEach(
            1000,
            [&](int /*i*/) {
                if (board.window->game().state().tryCount == dialSteps) {
                    board.window->gameForTesting().stateForTesting().tryCount = 0;
                }
            },
            [&](int i) { board.type(misses.at(static_cast<std::size_t>(i) % misses.size())); });
        QVERIFY(board.window->game().state().exactCount < guessLength);
        QCOMPARE(board.beeps, 0);
    }

    // The guess that finds the secret: the same work, then the beep, "tebrikler", the lock and
    // the rating. Each game first gets 0 to 9 misses, so the rating lands in different places.
    void winningGuess() {
        ClickedBoard board; // fails the benchmark unless the window is on screen
        timeEach(
            200,
            [&](int i) {
                board.newGame();
                for (int n = 0; n < i % 10; ++n) {
                    board.type(misses.at(static_cast<std::size_t>(n) % misses.size()));
                }
            },
            [&](int /*i*/) { board.type(secret); });
        QCOMPARE(board.window->game().state().exactCount, guessLength);
        QCOMPARE(board.beeps, 200);
    }

    // "Yeni" after a game worth clearing: a full ledger, a won game's rating and lock, marked memo
    // buttons.
    void newGame() {
        ClickedBoard board; // fails the benchmark unless the window is on screen
        timeEach(
            200,
            [&](int /*i*/) {
                board.newGame();
                for (std::size_t n = 0; n < 9; ++n) {
                    board.type(misses.at(n % misses.size()));
                }
                board.type(secret);
                for (int digit : {1, 4, 4, 7}) {
                    board.memoClick(digit);
                }
                // The next game's secret, drawn by the measured click.
                for (int d : secret) {
                    board.random->draws.push_back(testing::ScriptedRandom::drawFor(d));
                }
            },
            [&](int /*i*/) { board.newGameButton()->click(); });
        QCOMPARE(board.window->game().state().tryCount, 0);
    }

    // "Bak" after a guess: the secret into the message box, over "Başarılar".
    void reveal() {
        ClickedBoard board; // fails the benchmark unless the window is on screen
        timeEach(
            500,
            [&](int i) {
                board.newGame();
                board.type(misses.at(static_cast<std::size_t>(i) % misses.size()));
            },
            [&](int /*i*/) { board.revealButton()->click(); });
        QCOMPARE(board.message()->text(), QStringLiteral(" 5 0 8 2"));
    }

    // A memo button's next colour; the buttons take turns.
    void memoClick() {
        ClickedBoard board; // fails the benchmark unless the window is on screen
        board.newGame();
        settle();
        int turn = 0;
        QBENCHMARK {
            board.memoClick(turn++ % 10);
        }
    }

    // The whole window rendered into a pixmap, in the middle of a game: every control painted
    // once, the paint that start-up and every click end in.
    void grab() {
        ClickedBoard board; // fails the benchmark unless the window is on screen
        board.newGame();
        for (const Keys& guess : misses) {
            board.type(guess);
        }
        board.memoClick(3);
        settle();
        QPixmap shot;
        QBENCHMARK {
            shot = board.window->grab();
        }
        QCOMPARE(shot.deviceIndependentSize().toSize(), board.window->size());
    }
};

int main(int argc, char* argv[]) {
    Application app(argc, argv);
    BenchWindow bench;
    return QTest::qExec(&bench, argc, argv);
}

#include "bench_window.moc"
