// SPDX-License-Identifier: GPL-3.0-or-later
// The rules and the game without a window. The small rules that a played game reaches only in
// part: drawing the secret at its edges, the generator. The game played by hand against a
// known secret, and against a reference written here a second way, over a long run of seeded
// random keys, compared after every key:
//   RAKAMLIK_SEED=n RAKAMLIK_COMMANDS=n tst_game playsAsTheReferenceSays
// replays a run up to a given key.

#include "game/dial.h"
#include "game/game.h"
#include "game/scoring.h"
#include "game/secret.h"
#include "named_lines.h"
#include "scripted_random.h"

#include <QFileInfo>
#include <QStringList>
#include <QTest>

#include <algorithm>
#include <cmath>
#include <numeric>
#include <random>
#include <set>

using namespace rakamlik;
using namespace Qt::Literals::StringLiterals;

namespace {

// Everything a board shows, with the beeps heard: the game's, or a reference's.
struct View {
    GameState state;
    std::array<std::string, 4> guess{};
    std::string message = "Q X T";
    std::array<Game::Row, 10> ledger{};
    std::array<int, 4> gauges{};
    std::optional<Rating> rating{};
    std::array<bool, 10> keypad{};
    bool reveal = false;
    bool memo = false;
    std::array<MemoMark, 10> marks{memoReset, memoReset, memoReset, memoReset, memoReset,
                                   memoReset, memoReset, memoReset, memoReset, memoReset};
    int beeps = 0;
    bool operator==(const View&) const = default;
};

View viewOf(const Game& g, int beeps) {
    View v{.state = g.state(),
           .guess = g.guess(),
           .message = g.message(),
           .ledger = g.ledger(),
           .gauges = g.gauges(),
           .rating = g.rating(),
           .reveal = g.revealOpen(),
           .memo = g.memoOpen(),
           .beeps = beeps};
    for (int d = 0; d <= 9; ++d) {
        v.keypad.at(std::size_t(d)) = g.keypadOpen(d);
        v.marks.at(std::size_t(d)) = g.memoMark(d);
    }
    return v;
}

// A view as "name=value" lines that read plainly in a failure. "open" lists the keypad's digits
// that take a press, then B for "Bak" and M for the memo buttons; "memo" has a letter per memo
// button (s, c or k: black, cyan or red); a ledger row reads "digits:exact/near".
QStringList summary(const View& v) {
    const auto four = [](const std::array<std::string, 4>& d) {
        return QString::fromUtf8(d[0] + d[1] + d[2] + d[3]);
    };
    const auto digits = [](const auto& numbers) {
        return std::accumulate(numbers.begin(), numbers.end(), QString(),
                               [](const QString& t, auto n) { return t + QString::number(n); });
    };
    QStringList l;
    QString open;
    QString memo;
    for (std::size_t d = 0; d < 10; ++d) {
        open += v.keypad[d] ? QString::number(d) : QString();
        memo += QString::fromUtf8(v.marks[d].name.substr(0, 1));
        const std::optional<Score>& score = v.ledger[d].score;
        l << QStringLiteral("row%1=%2").arg(d).arg(four(v.ledger[d].digits)) +
                 (score ? QStringLiteral(":%1/%2").arg(score->exact).arg(score->near) : "");
    }
    const GameState& s = v.state;
    l << "message=" + QString::fromUtf8(v.message) << "guess=" + four(v.guess)
      << "open=" + open + (v.reveal ? "B" : "") + (v.memo ? "M" : "") << "memo=" + memo
      << "memoStates=" + digits(s.memoStates) << "gauges=" + digits(v.gauges)
      << "secret=" + digits(s.secretDigits) << "typed=" + digits(s.guessDigits)
      << "rating=" + (v.rating ? QString::number(v.rating->column) + u' ' +
                                     QString::fromUtf8(v.rating->text)
                               : QStringLiteral("none"));
    l << u"beeps=%1"_s.arg(v.beeps) << u"tries=%1"_s.arg(s.tryCount)
      << u"entry=%1"_s.arg(s.entryCount) << u"last=%1"_s.arg(s.lastDigit)
      << u"exact=%1"_s.arg(s.exactCount) << u"near=%1"_s.arg(s.nearCount);
    return l;
}

// Presses a key on a board: a digit on the keypad, 'a' to 'j' the memo buttons of 0 to 9, 'B' is
// "Bak" and 'N' is "Yeni".
template <class Board> void press(Board& b, char key) {
    key == 'N'   ? b.newGame()
    : key == 'B' ? b.reveal()
    : key >= 'a' ? b.memo(key - 'a')
                 : b.digit(key - '0');
}

// A game with a scripted random source (owned by the game) and a beep counter.
struct Played {
    testing::ScriptedRandom* random = new testing::ScriptedRandom;
    int beeps = 0;
    Game game{std::unique_ptr<RandomSource>(random), [this] { ++beeps; }};
};

// The rules as the player sees them, kept as sets and counts, writing what the board shows into
// a view; it reads the game's draws itself.
struct Model {
    explicit Model(const testing::ScriptedRandom& script) : draws(script.draws) {}
    const std::vector<float>& draws;
    std::size_t taken = 0;
    View v;
    GameState& s = v.state;
    std::string wonText;

    void newGame() {
        s.tryCount = s.entryCount = 0;
        s.memoStates = {};
        v = {.state = s, .message = "Başarılar", .reveal = true, .memo = true, .beeps = v.beeps};
        v.keypad.fill(true);
        std::set<int> secret;
        for (auto& place : s.secretDigits) {
            do { // draw * 9 to the nearest digit, a tie (only 4.5) to the even one
                place = std::int16_t(std::nearbyint(double(draws.at(taken++)) * 9.0));
            } while (!secret.insert(place).second);
        }
    }
    void digit(int d) {
        if (!std::exchange(v.keypad.at(std::size_t(d)), false)) {
            return;
        }
        if (s.entryCount == 0) {
            v.guess = {};
        }
        s.lastDigit = s.guessDigits.at(std::size_t(s.entryCount)) = std::int16_t(d);
        v.guess.at(std::size_t(s.entryCount++)) = std::to_string(d);
        if (s.entryCount < 4) {
            return;
        }
        s.entryCount = 0;
        v.keypad.fill(true);
        const int before = s.tryCount++;
        const int column = before / 7;
        const int step = before % 7;
        if (before < 28) {
            v.gauges.at(std::size_t(column)) = step + 1;
        }
        // Neither side repeats a digit, so those in common are eight less the size of the union.
        std::set<int> both(s.guessDigits.begin(), s.guessDigits.end());
        both.insert(s.secretDigits.begin(), s.secretDigits.end());
        s.exactCount = std::int16_t(std::inner_product(s.guessDigits.begin(), s.guessDigits.end(),
                                                       s.secretDigits.begin(), 0, std::plus<>(),
                                                       std::equal_to<>()));
        s.nearCount = std::int16_t(8 - int(both.size()) - s.exactCount);
        std::shift_right(v.ledger.begin(), v.ledger.end(), 1);
        v.ledger[0] = {v.guess, Score{s.exactCount, s.nearCount}};
        if (s.exactCount == 4) {
            ++v.beeps;
            v.message = "tebrikler";
            v.keypad = {};
            v.reveal = false;
            static constexpr const char* words[] = {"Çok süper", "Süper", "Çok çok", "Çok",
                                                    "Oldukça",   "Biraz", "Az"};
            // "Şanslı" and "Üstün" fall from %100 by 15 a step, "Anormal" rises from %10.
            const int percent = column == 3 ? 10 + 15 * step : 100 - 15 * step;
            wonText = column == 2 ? words[step] : "%" + std::to_string(percent);
            v.rating = before < 28 ? std::optional(Rating{column, wonText}) : std::nullopt;
        }
    }
    void reveal() {
        if (v.reveal) {
            v.message = std::accumulate(s.secretDigits.begin(), s.secretDigits.end(), std::string(),
                                        [](auto t, int d) { return t + " " + std::to_string(d); });
        }
    }
    void memo(int d) {
        static constexpr MemoMark marks[] = {
            {{0, 0, 0}, "siyah"}, {{0, 255, 255}, "camgöbeği"}, {{255, 0, 0}, "kırmızı"}};
        if (v.memo) {
            auto& state = s.memoStates.at(std::size_t(d));
            state = std::int16_t((state + 1) % 3);
            v.marks.at(std::size_t(d)) = marks[state];
        }
    }
};

// A new game's draws: a few random ones (so digits drawn again), then every digit once.
void addDraws(std::vector<float>& draws, std::mt19937_64& rng) {
    for (auto n = rng() % 9; n > 0; --n) {
        draws.push_back(float(rng() >> 40) * 0x1p-24F);
    }
    std::array digits{0, 1, 2, 3, 4, 5, 6, 7, 8, 9};
    std::shuffle(digits.begin(), digits.end(), rng);
    std::transform(digits.begin(), digits.end(), std::back_inserter(draws),
                   testing::ScriptedRandom::drawFor);
}

// Mostly digits, typing the secret once the game has had its planned guesses; some memo and
// "Bak" presses; a locked board for a while at first; a new game soon after a win. Keys as
// press() takes them.
char choose(std::mt19937_64& rng, const Model& model, int planned) {
    const auto roll = rng() % 1000;
    const int next = model.s.secretDigits.at(std::size_t(model.s.entryCount));
    const bool aim =
        roll >= 130 && model.s.tryCount + 1 >= planned && model.v.keypad.at(std::size_t(next));
    const int d = aim ? next : int(rng() % 10);
    const unsigned newGame = !model.v.memo ? 10 : !model.v.reveal ? 250 : 2;
    return roll < 90              ? char('a' + d)
           : roll < 130           ? 'B'
           : roll < 130 + newGame ? 'N'
                                  : char('0' + d);
}

} // namespace

class TstGame : public QObject {
    Q_OBJECT

private slots:
    // A draw times 9, rounded to the nearest digit: a float either side of each (k + 0.5) / 9
    // (the nearest float to it may lie on either side, the next one out does not), the only tie
    // (0.5, whose 4.5 goes to the even digit), and the largest float below one.
    void drawDigit_data() {
        QTest::addColumn<float>("draw");
        QTest::addColumn<int>("digit");
        QTest::newRow("0") << 0.0F << 0;
        QTest::newRow("the tie") << 0.5F << 4;
        QTest::newRow("below one") << std::nextafter(1.0F, 0.0F) << 9;
        for (int k = 0; k < 9; ++k) {
            const auto edge = static_cast<float>((k + 0.5) / 9.0);
            QTest::addRow("below %d.5", k) << std::nextafter(edge, 0.0F) << k;
            QTest::addRow("above %d.5", k) << std::nextafter(edge, 1.0F) << k + 1;
        }
    }
    void drawDigit() {
        QFETCH(float, draw);
        QFETCH(int, digit);
        testing::ScriptedRandom random;
        random.draws = {draw};
        QCOMPARE(rakamlik::drawDigit(random), digit);
    }

    // The generator stays in [0, 1) yet comes near both ends; each seed, both of its 32-bit
    // halves counting, starts a sequence of its own, the same from seed() as from the constructor.
    void standardRandom() {
        const auto drawn = [](RandomSource&& r, int n = 2) {
            QList<float> draws(n);
            std::ranges::generate(draws, [&] { return r.next(); });
            return draws;
        };
        const auto [lowest, highest] = std::ranges::minmax(drawn(StandardRandom(7), 2000000));
        QCOMPARE_GE(lowest, 0.0F);
        QCOMPARE_LT(lowest, 1e-5F);
        QCOMPARE_LT(highest, 1.0F);
        QCOMPARE_GT(highest, 1.0F - 1e-5F);
        QCOMPARE_NE(drawn(StandardRandom(1)), drawn(StandardRandom(2)));
        QCOMPARE_NE(drawn(StandardRandom(1)), drawn(StandardRandom(1 + (std::uint64_t{1} << 32U))));
        StandardRandom reseeded(2);
        reseeded.seed(1);
        QCOMPARE(drawn(std::move(reseeded)), drawn(StandardRandom(1)));
    }

    // What a screen reader hears of a gauge: at rest, each step with the suffix its number takes,
    // and full.
    void gaugeName_data() {
        QTest::addColumn<int>("face");
        QTest::addColumn<QString>("name");
        const char* names[] = {"boş",
                               "7 adımdan biri",
                               "7 adımdan ikisi",
                               "7 adımdan üçü",
                               "7 adımdan dördü",
                               "7 adımdan beşi",
                               "7 adımdan altısı",
                               "dolu"};
        for (int face = 0; face <= stepsPerGauge; ++face) {
            QTest::addRow("face %d", face) << face << QString::fromUtf8(names[face]);
        }
    }
    void gaugeName() {
        QFETCH(int, face);
        QFETCH(QString, name);
        QCOMPARE(QString::fromStdString(rakamlik::gaugeName(face)), name);
    }

    // Keys played from start-up against the secret 5082 (then 9876), and lines of what the board
    // then shows (see summary()), worked out by hand. L makes the game one of 32,766 guesses.
    void playedByHand_data() {
        QTest::addColumn<QString>("keys");
        QTest::addColumn<QString>("shows");
        QTest::newRow("only Yeni at start-up")
            << "1234Bd"
            << "message=Q X T|open=|memo=ssssssssss|tries=0|entry=0|last=0|exact=0|near=0"
               "|secret=0000|typed=0000|memoStates=0000000000";
        QTest::newRow("a guess is scored and stays until the next")
            << "N30547"
            << "row0=3054:1/1|guess=7|exact=1|near=1|tries=1|gauges=1000|entry=1";
        QTest::newRow("the last ten, newest first")
            << "N12342345345645675678678978908901901201235081"
            << "row0=5081:3/0|row1=0123:0/2|row2=9012:2/0|row5=6789:1/0|row6=5678:1/1"
               "|row9=2345:0/2|tries=11|gauges=7400|open=0123456789BM";
        const std::tuple<int, const char*, const char*> wins[] = {
            {1, "1000", "0 %100"},       {7, "7000", "0 %10"}, {8, "7100", "1 %100"},
            {15, "7710", "2 Çok süper"}, {21, "7770", "2 Az"}, {22, "7771", "3 %10"},
            {28, "7777", "3 %100"},      {29, "7777", "none"}};
        for (const auto& [guesses, gauges, rating] : wins) {
            QTest::addRow("won with guess %d", guesses)
                << u'N' + QStringLiteral("1346").repeated(guesses - 1) + QStringLiteral("5082")
                << QStringLiteral("tries=%1|gauges=%2|rating=%3|row0=5082:4/0|beeps=1|open=M"
                                  "|message=tebrikler")
                       .arg(guesses)
                       .arg(QLatin1String(gauges), QString::fromUtf8(rating));
        }
        // The count stops at the largest a 16-bit counter holds; the dial stays, a win has no
        // rating.
        QTest::newRow("the counter at its limit")
            << "NL134613465082"
            << "tries=32767|gauges=0000|rating=none|beeps=1|message=tebrikler";
        QTest::newRow("locked after a win but for the memo")
            << "N50821234Ba"
            << "message=tebrikler|guess=5082|entry=0|memo=csssssssss";
        QTest::newRow("a typed digit is locked; Bak")
            << "N122B"
            << "message= 5 0 8 2|guess=12|entry=2|open=03456789BM|secret=5082";
        QTest::newRow("memo: black, cyan, red, black") << "Nhhiiij"
                                                       << "memo=sssssssksc|memoStates=0000000201";
        QTest::newRow("Yeni mid-guess") << "Ne123N"
                                        << "guess=|entry=0|open=0123456789BM|memo=ssssssssss"
                                           "|memoStates=0000000000|secret=9876|message=Başarılar";
        QTest::newRow("Yeni after a win") << "N134650895082N"
                                          << "rating=none|gauges=0000|row0=|row1=|tries=0"
                                             "|open=0123456789BM|secret=9876";
    }
    void playedByHand() {
        QFETCH(QString, keys);
        QFETCH(QString, shows);
        Played p;
        p.random->draw("50829876");
        p.game.load();
        for (const QChar key : keys) {
            if (key == u'L') { // a game long enough to fill the counter
                p.game.stateForTesting().tryCount = 32766;
            } else {
                press(p.game, key.toLatin1());
            }
        }
        const auto [board, expected] = testing::namedLines(summary(viewOf(p.game, p.beeps)), shows);
        QCOMPARE(board, expected);
        QCOMPARE(p.random->seeds, 1); // the load seeds, a new game never does
    }

    void playsAsTheReferenceSays() {
        const int seed = qEnvironmentVariableIsSet("RAKAMLIK_SEED")
                             ? qEnvironmentVariableIntValue("RAKAMLIK_SEED")
                             : 1;
        bool replay = false;
        const int commands = qEnvironmentVariableIntValue("RAKAMLIK_COMMANDS", &replay);
        std::mt19937_64 rng{std::uint64_t(seed)};
        Played p;
        Model model(*p.random);
        p.game.load();   // the model has no seed to take
        int planned = 0; // the guesses after which this game is to be won
        for (int step = 1; step <= (replay ? commands : 300000); ++step) {
            const char key = choose(rng, model, planned);
            if (key == 'N') {
                addDraws(p.random->draws, rng);
                planned = int(rng() % 34) + 1;
            }
            press(model, key);
            press(p.game, key);
            if (model.v != viewOf(p.game, p.beeps) || model.taken != p.random->taken) {
                qWarning("seed %d, step %d, key %c; replay: RAKAMLIK_SEED=%d RAKAMLIK_COMMANDS=%d "
                         "%s playsAsTheReferenceSays",
                         seed, step, key, seed, step,
                         qPrintable(QFileInfo("/proc/self/exe"_L1).symLinkTarget()));
                QCOMPARE(summary(viewOf(p.game, p.beeps)), summary(model.v));
                QCOMPARE(p.random->taken, model.taken);
                QFAIL("a memo button's colour differs"); // the one thing the summary leaves out
            }
        }
        QVERIFY2(replay || model.v.beeps > 1000, "too few games were won");
    }
};

QTEST_APPLESS_MAIN(TstGame)
#include "tst_game.moc"
