// SPDX-License-Identifier: GPL-3.0-or-later
// The game without a window: played by hand against a known secret, and against a reference
// written here a second way, over a long run of seeded random keys, compared after every key:
//   RAKAMLIK_SEED=n RAKAMLIK_COMMANDS=n tst_game playsAsTheReferenceSays
// replays a run up to a given key.

#include "board.h"
#include "game/game.h"
#include "scripted_random.h"

#include <QFileInfo>
#include <QTest>

#include <algorithm>
#include <cmath>
#include <numeric>
#include <random>
#include <set>

using namespace rakamlik;

namespace {

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
    testing::View v;
    GameState& s = v.state;
    std::string wonText;
    std::set<int> keys; // the keypad digits that take a press; "Bak" takes one while any does

    void yeni() {
        s.tryCount = s.entryCount = 0;
        s.memoStates = {};
        v = {s, {}, "Başarılar", {}, {}, {}, {}, false, true, testing::View{}.marks, v.beeps};
        keys = {0, 1, 2, 3, 4, 5, 6, 7, 8, 9};
        std::set<int> secret;
        for (auto& place : s.secretDigits) {
            do { // draw * 9 to the nearest digit, a tie (only 4.5) to the even one
                place = std::int16_t(std::nearbyint(double(draws.at(taken++)) * 9.0));
            } while (!secret.insert(place).second);
        }
    }
    void digit(int d) {
        if (keys.erase(d) == 0) {
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
        keys = {0, 1, 2, 3, 4, 5, 6, 7, 8, 9};
        const int before = s.tryCount++, column = before / 7, step = before % 7;
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
            keys.clear();
            static constexpr const char* words[] = {"Çok süper", "Süper", "Çok çok", "Çok",
                                                    "Oldukça",   "Biraz", "Az"};
            // "Şanslı" and "Üstün" fall from %100 by 15 a step, "Anormal" rises from %10.
            const int percent = column == 3 ? 10 + 15 * step : 100 - 15 * step;
            wonText = column == 2 ? words[step] : "%" + std::to_string(percent);
            v.rating = before < 28 ? std::optional(Rating{column, wonText}) : std::nullopt;
        }
    }
    void bak() {
        if (!keys.empty()) {
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
    // The view, with what the keypad and "Bak" show of the keys that take a press.
    const testing::View& view() {
        for (int d = 0; d <= 9; ++d) {
            v.keypad.at(std::size_t(d)) = keys.count(d) == 1;
        }
        v.bak = !keys.empty();
        return v;
    }
};

// A new game's draws: a few awkward values (either side of a rounding edge between digits, 0,
// the largest float below 1, random ones, and so digits drawn again), then every digit once.
void addDraws(std::vector<float>& draws, std::mt19937_64& rng) {
    for (auto n = rng() % 9; n > 0; --n) {
        const float edge = float((2.0 * double(rng() % 9) + 1.0) / 18.0);
        const float awkward[] = {0.0F, std::nextafter(1.0F, 0.0F), std::nextafter(edge, 0.0F),
                                 edge, std::nextafter(edge, 1.0F), float(rng() >> 40) * 0x1p-24F};
        draws.push_back(awkward[rng() % std::size(awkward)]);
    }
    std::array digits{0, 1, 2, 3, 4, 5, 6, 7, 8, 9};
    std::shuffle(digits.begin(), digits.end(), rng);
    std::transform(digits.begin(), digits.end(), std::back_inserter(draws),
                   testing::ScriptedRandom::drawFor);
}

// Mostly digits, typing the secret once the game has had its planned guesses; some memo and
// "Bak" presses; a locked board for a while at first; a new game soon after a win. Keys as
// testing::press() takes them.
char choose(std::mt19937_64& rng, const Model& model, int planned) {
    const auto roll = rng() % 1000;
    const int next = model.s.secretDigits.at(std::size_t(model.s.entryCount));
    const bool aim = roll >= 130 && model.s.tryCount + 1 >= planned && model.keys.count(next) == 1;
    const int d = aim ? next : int(rng() % 10);
    const unsigned yeni = !model.v.memo ? 10 : model.keys.empty() ? 250 : 2;
    return roll < 90 ? char('a' + d) : roll < 130 ? 'B' : roll < 130 + yeni ? 'N' : char('0' + d);
}

} // namespace

class TstGame : public QObject {
    Q_OBJECT

private slots:
    // Keys played from start-up against the secret 5082 (then 9876), and lines of what the board
    // then shows (see board.h), worked out by hand.
    void playedByHand_data() {
        QTest::addColumn<QString>("keys");
        QTest::addColumn<QString>("shows");
        QTest::newRow("only Yeni at start-up")
            << "1234Bd"
            << "message=Q X T|open=|memo=ssssssssss|tries=0|entry=0|last=0|exact=0|near=0"
               "|secret0=0|typed0=0|memoState0=0";
        QTest::newRow("a new game") << "N"
                                    << "message=Başarılar|open=0123456789BM|secret0=5";
        QTest::newRow("a typed digit is locked") << "N33"
                                                 << "guess=3|entry=1|open=012456789BM";
        QTest::newRow("a guess is scored") << "N3054"
                                           << "row0=3054:1/1|guess=3054|exact=1|near=1"
                                              "|tries=1|gauges=1000|open=0123456789BM";
        QTest::newRow("it stays until the next") << "N30547"
                                                 << "guess=7|row0=3054:1/1|entry=1";
        QTest::newRow("the last ten, newest first")
            << "N12342345345645675678678978908901901201235081"
            << "row0=5081:3/0|row1=0123:0/2|row2=9012:2/0|row5=6789:1/0|row6=5678:1/1"
               "|row9=2345:0/2|tries=11|gauges=7400";
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
        QTest::newRow("locked after a win") << "N50821234B"
                                            << "message=tebrikler|guess=5082|entry=0";
        QTest::newRow("memo after a win") << "N5082a"
                                          << "memo=csssssssss";
        QTest::newRow("Bak") << "N12B"
                             << "message= 5 0 8 2|guess=12|entry=2|open=03456789BM";
        QTest::newRow("memo cyan") << "Nh"
                                   << "memo=ssssssscss|memoState7=1";
        QTest::newRow("memo red") << "Nhh"
                                  << "memo=ssssssskss|memoState7=2";
        QTest::newRow("memo black") << "Nhhh"
                                    << "memo=ssssssssss|memoState7=0";
        QTest::newRow("Yeni mid-guess") << "Ne123N"
                                        << "guess=|entry=0|open=0123456789BM|memo=ssssssssss"
                                           "|memoState4=0|secret0=9|message=Başarılar";
        QTest::newRow("Yeni after a win") << "Ne134650895082N"
                                          << "rating=none|gauges=0000|row0=|row1=|tries=0"
                                             "|memo=ssssssssss|open=0123456789BM|secret3=6";
    }
    void playedByHand() {
        QFETCH(QString, keys);
        QFETCH(QString, shows);
        Played p;
        p.random->draw("50829876");
        p.game.load();
        for (const QChar key : keys) {
            testing::press(p.game, key.toLatin1());
        }
        const QStringList board = testing::summary(testing::viewOf(p.game, p.beeps));
        for (const QString& line : shows.split(u'|')) {
            QVERIFY2(board.contains(line), qPrintable(line + " not in:\n" + board.join(u'\n')));
        }
        QCOMPARE(p.random->seeds, 1); // the load seeds, a new game never does
    }

    // A game may go past the largest count a 16-bit counter holds: the count stops there, the
    // dial stays and a win gets no rating.
    void aVeryLongGameGoesOn() {
        Played p;
        p.random->draw("5082");
        p.game.yeni();
        p.game.stateForTesting().tryCount = 32766;
        for (const char key : std::string_view("134613465082")) {
            testing::press(p.game, key);
        }
        QCOMPARE(p.game.state().tryCount, 32767);
        QVERIFY(p.beeps == 1 && !p.game.rating());
        QCOMPARE(p.game.gauges(), (std::array<int, 4>{}));
    }

    void playsAsTheReferenceSays() {
        const auto setting = [](const char* name, int fallback) {
            return qEnvironmentVariableIsSet(name) ? qEnvironmentVariableIntValue(name) : fallback;
        };
        const int seed = setting("RAKAMLIK_SEED", 1);
        const int commands = setting("RAKAMLIK_COMMANDS", 300000);
        std::mt19937_64 rng{std::uint64_t(seed)};
        Played p;
        Model model(*p.random);
        int planned = 0; // the guesses after which this game is to be won
        for (int step = 0; step <= commands; ++step) {
            const char key = step == 0 ? 'L' : choose(rng, model, planned);
            if (key == 'N') {
                addDraws(p.random->draws, rng);
                planned = int(rng() % 34) + 1;
            }
            if (key == 'L') {
                p.game.load(); // the model has no seed to take
            } else {
                testing::press(model, key);
                testing::press(p.game, key);
            }
            if (model.view() != testing::viewOf(p.game, p.beeps) ||
                model.taken != p.random->taken) {
                const QStringList want = testing::summary(model.v);
                const QStringList got = testing::summary(testing::viewOf(p.game, p.beeps));
                const auto differs = std::mismatch(want.begin(), want.end(), got.begin());
                const bool draws = differs.first == want.end();
                QFAIL(qPrintable(
                    QStringLiteral(
                        "seed %1, step %2, key %3: expected %4, got %5\nreplay: "
                        "RAKAMLIK_SEED=%1 RAKAMLIK_COMMANDS=%2 %6 playsAsTheReferenceSays")
                        .arg(seed)
                        .arg(step)
                        .arg(QChar::fromLatin1(key),
                             draws ? QStringLiteral("%1 draws").arg(model.taken) : *differs.first,
                             draws ? QStringLiteral("%1").arg(p.random->taken) : *differs.second,
                             QFileInfo(QStringLiteral("/proc/self/exe")).symLinkTarget())));
            }
        }
        QVERIFY2(commands < 100000 || model.v.beeps > commands / 300, "too few games were won");
    }
};

QTEST_APPLESS_MAIN(TstGame)
#include "tst_game.moc"
