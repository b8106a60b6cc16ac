// Plays the shown window with a long seeded stream of clicks and key presses
// and compares it with the reference model after every one of them.
//
//   RAKAMLIK_EVENTS=1000000 RAKAMLIK_SEED=42 tests/model/tst_random_clicks
//
// sets the length and the seed of the stream; a failure names the one
// command that plays the same stream up to the event that diverged.

#include "reference_model.h"
#include "tests/window/window_fixture.h"
#include "window_check.h"

#include <QElapsedTimer>
#include <QStringList>

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdint>
#include <deque>
#include <optional>
#include <random>

using namespace rakamlik;
using rakamlik::testing::WindowFixture;

namespace {

constexpr int defaultEvents = 300'000;
constexpr std::uint64_t defaultSeed = 1;

// QTest warns about every event nobody accepted: a click on a disabled
// button, the release of a Tab. Those are expected here by the thousand.
QtMessageHandler previousHandler = nullptr;
void quietAboutIgnoredEvents(QtMsgType type, const QMessageLogContext& context,
                             const QString& message) {
    if (type == QtWarningMsg &&
        message.endsWith(QLatin1String("not accepted by receiving widget"))) {
        return;
    }
    previousHandler(type, context, message);
}

struct QuietIgnoredEvents {
    QuietIgnoredEvents() { previousHandler = qInstallMessageHandler(quietAboutIgnoredEvents); }
    ~QuietIgnoredEvents() { qInstallMessageHandler(previousHandler); }
    QuietIgnoredEvents(const QuietIgnoredEvents&) = delete;
    QuietIgnoredEvents& operator=(const QuietIgnoredEvents&) = delete;
};

struct Event {
    enum class Kind { Click, Tab, Space };
    Kind kind = Kind::Click;
    int button = 0; // the button clicked, or the one focused for a key; 0 for none
};

QString caption(int button) {
    if (button <= 10) {
        return QString::number(button % 10);
    }
    if (button <= 12) {
        return button == 11 ? QStringLiteral("Yeni") : QStringLiteral("Bak");
    }
    return QStringLiteral("memo %1").arg(button - 13);
}

QString describe(const Event& e) {
    const QString button =
        e.button == 0 ? QStringLiteral("nothing focused")
                      : QStringLiteral("SSCommand%1 (%2)").arg(e.button).arg(caption(e.button));
    switch (e.kind) {
    case Event::Kind::Click:
        return QStringLiteral("click ") + button;
    case Event::Kind::Tab:
        return QStringLiteral("Tab on ") + button;
    case Event::Kind::Space:
        return QStringLiteral("Space on ") + button;
    }
    return {};
}

// The first four different digits that a row of draws makes, if it makes four.
bool makesASecret(const std::deque<float>& draws) {
    std::array<bool, 10> seen{};
    int different = 0;
    for (const float r : draws) {
        const int d = model::digitOf(r);
        if (!seen.at(d)) {
            seen.at(d) = true;
            if (++different == 4) {
                return true;
            }
        }
    }
    return false;
}

class Player {
public:
    Player(WindowFixture& f, std::uint64_t seed)
        : f_(f), board_(QApplication::palette().color(QPalette::Active, QPalette::ButtonText)),
          check_(*f.window), rng_(seed) {}

    std::optional<model::Difference> difference() const {
        return check_.firstDifference(board_, f_.beeps);
    }

    // Picks the next event, plays it on the window and on the model.
    Event step() {
        keepDrawsForANewGame();
        const Event e = pick();
        play(e);
        return e;
    }

    int games = 0;
    int spacePresses = 0;      // of a focused button
    std::array<int, 5> wins{}; // by rating column; [4]: no rating

private:
    int below(int n) { return static_cast<int>(rng_() % static_cast<std::uint64_t>(n)); }

    // A draw is a whole digit most of the time, else any value in [0, 1),
    // else a value within a rounding step of a boundary between two digits.
    float randomDraw() {
        const int kind = below(20);
        if (kind < 10) {
            return static_cast<float>(below(10)) / 9.0F;
        }
        if (kind < 17) {
            return static_cast<float>(rng_() >> 40U) * 0x1p-24F;
        }
        const float edge = static_cast<float>(2 * below(9) + 1) / 18.0F;
        const float edges[] = {0.0F, 0x1.fffffep-1F, edge, std::nextafter(edge, 0.0F),
                               std::nextafter(edge, 1.0F)};
        return edges[below(5)];
    }

    void pushDraw(float r) {
        f_.random->script.push_back(r);
        draws_.push_back(r);
    }

    // "Yeni" may come by any click or key, so the script always holds
    // enough for one secret, sometimes with draws left over for the next.
    void keepDrawsForANewGame() {
        if (makesASecret(draws_)) {
            return;
        }
        while (!makesASecret(draws_)) {
            pushDraw(randomDraw());
        }
        for (int extra = below(4); extra > 0; --extra) {
            pushDraw(randomDraw());
        }
    }

    int focusedButton() const {
        const QWidget* focused = f_.window->focusWidget();
        for (int n = 1; n <= 22; ++n) {
            if (f_.window->command(n) == focused) {
                return n;
            }
        }
        return 0;
    }

    // Out of a thousand events: 5 "Yeni", 30 "Bak", 100 memo buttons, 40 Tab,
    // 40 Space, 15 any button and the rest the keypad, which types the
    // secret itself once the game has had its planned number of guesses,
    // so that games are won after 1 to 34. A won game soon starts anew.
    Event pick() {
        const GameState& s = board_.state;
        if (s.entryCount == 0) {
            typingSecret_ = s.tryCount + 1 >= winAfter_;
        }
        const bool locked = !board_.enabled[12];
        if (locked && below(100) < 15) {
            return {Event::Kind::Click, 11};
        }
        const int roll = below(1000);
        if (roll < 5) {
            return {Event::Kind::Click, 11};
        }
        if (roll < 35) {
            return {Event::Kind::Click, 12};
        }
        if (roll < 135) {
            return {Event::Kind::Click, 13 + below(10)};
        }
        if (roll < 175) {
            return {Event::Kind::Tab, focusedButton()};
        }
        if (roll < 215) {
            return {Event::Kind::Space, focusedButton()};
        }
        if (roll < 230) {
            return {Event::Kind::Click, 1 + below(22)};
        }
        int digit = below(10);
        if (typingSecret_) {
            const int next = s.secretDigits.at(s.entryCount);
            digit = board_.enabled.at(next == 0 ? 10 : next) ? next : digit;
        }
        return {Event::Kind::Click, digit == 0 ? 10 : digit};
    }

    void play(const Event& e) {
        QWidget* target =
            e.button == 0 ? static_cast<QWidget*>(f_.window.get()) : f_.window->command(e.button);
        switch (e.kind) {
        case Event::Kind::Click:
            QTest::mouseClick(target, Qt::LeftButton);
            break;
        case Event::Kind::Tab:
            QTest::keyClick(target, Qt::Key_Tab);
            return;
        case Event::Kind::Space:
            QTest::keyClick(target, Qt::Key_Space);
            spacePresses += e.button == 0 ? 0 : 1;
            break;
        }
        if (e.button == 0) {
            return;
        }
        const bool newGame = e.button == 11;
        const int beeps = board_.beeps;
        model::click(board_, e.button, [this] {
            const float r = draws_.empty() ? 0.0F : draws_.front();
            if (!draws_.empty()) {
                draws_.pop_front();
            }
            return r;
        });
        if (newGame) {
            ++games;
            winAfter_ = 1 + below(34);
        }
        if (board_.beeps != beeps) {
            ++wins.at(std::min((board_.state.tryCount - 1) / 7, 4));
        }
    }

    WindowFixture& f_;
    model::Board board_;
    model::WindowCheck check_;
    std::mt19937_64 rng_;
    std::deque<float> draws_; // what the window's scripted source still holds
    int winAfter_ = 1;
    bool typingSecret_ = false;
};

// The seed, the event, the first property that differs, the events that led
// to it and the command that plays them again.
QString report(std::uint64_t seed, int n, const std::deque<Event>& recent,
               const model::Difference& d) {
    QString text = QStringLiteral("seed %1, event %2: %3 is %4, expected %5\nlast events:")
                       .arg(seed)
                       .arg(n)
                       .arg(d.property, d.actual, d.expected);
    int number = n - static_cast<int>(recent.size());
    for (const Event& e : recent) {
        text += QStringLiteral("\n  %1: %2").arg(++number).arg(describe(e));
    }
    return text + QStringLiteral("\nreplay: RAKAMLIK_SEED=%1 RAKAMLIK_EVENTS=%2 %3")
                      .arg(seed)
                      .arg(n)
                      .arg(QCoreApplication::applicationFilePath());
}

// Painting after every event would take twenty times as long as all the
// rest, since a pressed button repaints at once: the window paints only
// every so often, as when the player pauses.
void paintNow(QWidget& window) {
    window.setUpdatesEnabled(true);
    QCoreApplication::processEvents();
    window.setUpdatesEnabled(false);
}

} // namespace

class TstRandomClicks : public QObject {
    Q_OBJECT

private slots:
    void playsLikeTheModel() {
        bool ok = false;
        int events = qEnvironmentVariableIntValue("RAKAMLIK_EVENTS", &ok);
        events = ok ? events : defaultEvents;
        std::uint64_t seed = qgetenv("RAKAMLIK_SEED").toULongLong(&ok);
        seed = ok ? seed : defaultSeed;

        const QuietIgnoredEvents quiet;
        WindowFixture f;
        Player player(f, seed);
        std::deque<Event> recent;
        QElapsedTimer timer;
        timer.start();
        for (int n = 0; n <= events; ++n) {
            if (n > 0) {
                recent.push_back(player.step());
                if (recent.size() > 10) {
                    recent.pop_front();
                }
            }
            if (const auto d = player.difference()) {
                QFAIL(qPrintable(report(seed, n, recent, *d)));
            }
            if (n % 1024 == 0) {
                paintNow(*f.window);
            }
        }
        const double seconds = static_cast<double>(timer.elapsed()) / 1000.0;
        qInfo("seed %llu: %d events in %.1f s (%.0f events/s), %d games, %d buttons pressed "
              "by Space, wins rated Şanslı %d, Üstün %d, Normal %d, Anormal %d, unrated %d",
              static_cast<unsigned long long>(seed), events, seconds,
              seconds > 0 ? events / seconds : 0.0, player.games, player.spacePresses,
              player.wins[0], player.wins[1], player.wins[2], player.wins[3], player.wins[4]);
    }
};

RAKAMLIK_TEST_MAIN(TstRandomClicks)

#include "tst_random_clicks.moc"
