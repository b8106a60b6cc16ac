// Plays the shown window with a long seeded stream of clicks and key presses and compares it with
// the reference model after every one of them.
//
//   RAKAMLIK_EVENTS=1000000 RAKAMLIK_SEED=42 tests/model/tst_random_clicks
//
// sets the length and the seed of the stream; a failure names the command that plays the same
// stream up to the event that diverged.

#include "reference_model.h"
#include "tests/window/window_fixture.h"

#include <QElapsedTimer>

#include <deque>
#include <random>
#include <set>

using namespace rakamlik;
using namespace Qt::Literals::StringLiterals;

namespace {

// QTest warns about every event nobody accepted: a click on a disabled button, the release of a
// Tab. Those come here by the thousand.
QtMessageHandler previousHandler = nullptr;
void quietAboutIgnoredEvents(QtMsgType type, const QMessageLogContext& context,
                             const QString& message) {
    if (type != QtWarningMsg || !message.endsWith(u"not accepted by receiving widget"_s)) {
        previousHandler(type, context, message);
    }
}

// Every property the model accounts for, by name, with its value as a report shows it.
QList<std::pair<QString, QString>> properties(const model::Board& b) {
    QList<std::pair<QString, QString>> list;
    const auto add = [&list](const QString& name, const auto& value) {
        using T = std::decay_t<decltype(value)>;
        if constexpr (std::is_same_v<T, QString>) {
            list.append({name, u'"' + value + u'"'});
        } else if constexpr (std::is_same_v<T, QColor>) {
            list.append({name, value.name()});
        } else if constexpr (std::is_same_v<T, bool>) {
            list.append({name, value ? u"true"_s : u"false"_s});
        } else {
            list.append({name, QString::number(value)});
        }
    };
    const auto picture = [&list](int image, int k) {
        list.append({u"Image%1 picture"_s.arg(image),
                     k == 0 ? u"an unknown picture"_s : u"Image%1"_s.arg(k)});
    };
    for (int n = 1; n <= 4; ++n) {
        add(u"Label%1 caption"_s.arg(n), b.guess[n - 1]);
    }
    add(u"Label6 caption"_s, b.message);
    for (int i = 0; i < 40; ++i) {
        add(u"Label5(%1) caption"_s.arg(i), b.ledger[i]);
    }
    for (int n = 1; n <= 10; ++n) {
        picture(n, b.markers[n - 1]);
    }
    for (int g = 0; g < 4; ++g) {
        picture(33 + g, b.gauges[g]);
        add(u"Label%1 visible"_s.arg(7 + g), b.titleShown[g]);
        add(u"Label%1 caption"_s.arg(11 + g), b.grades[g]);
    }
    for (int n = 1; n <= 22; ++n) {
        add(u"SSCommand%1 enabled"_s.arg(n), b.enabled[n]);
    }
    for (int k = 0; k < 10; ++k) {
        add(u"SSCommand%1 caption colour"_s.arg(13 + k), b.memoColours[k]);
    }
    add(u"beeps"_s, b.beeps);
    const GameState& s = b.state;
    for (int i = 0; i < 4; ++i) {
        add(u"secretDigits[%1]"_s.arg(i), s.secretDigits[i]);
        add(u"guessDigits[%1]"_s.arg(i), s.guessDigits[i]);
    }
    add(u"lastDigit"_s, s.lastDigit);
    add(u"entryCount"_s, s.entryCount);
    add(u"nearCount"_s, s.nearCount);
    add(u"exactCount"_s, s.exactCount);
    add(u"tryCount"_s, s.tryCount);
    for (int k = 0; k < 10; ++k) {
        add(u"memoStates[%1]"_s.arg(k), s.memoStates[k]);
    }
    return list;
}

struct Event {
    enum Kind { Click, Tab, Space, Return } kind = Click;
    int button = 0; // the button clicked, or the one focused for a key; 0 for none
};

QString describe(const Event& e) {
    const QString caption = e.button <= 10   ? QString::number(e.button % 10)
                            : e.button == 11 ? u"Yeni"_s
                            : e.button == 12 ? u"Bak"_s
                                             : u"memo %1"_s.arg(e.button - 13);
    return QList{u"click"_s, u"Tab on"_s, u"Space on"_s, u"Return on"_s}.at(e.kind) +
           (e.button == 0 ? u" nothing focused"_s
                          : u" SSCommand%1 (%2)"_s.arg(QString::number(e.button), caption));
}

// The window with its scripted random source and the model, played side by side.
class Player {
public:
    explicit Player(std::uint64_t seed) : rng_(seed) {
        for (int k = 11; k <= 32; ++k) {
            keys_[k] = f.window->templatePicture(k).pixmap.cacheKey();
        }
    }

    testing::WindowFixture f;
    model::Board board{QApplication::palette().color(QPalette::Active, QPalette::ButtonText)};
    int games = 0;
    int wins = 0;

    // No two template pictures alike, so each picture shown names its template.
    bool picturesTellApart() const {
        return std::set(keys_.begin() + 11, keys_.end()).size() == 22;
    }

    // What the window shows, in the model's terms; 0 for a picture that is no template's.
    model::Board shown() const {
        const Form1& w = *f.window;
        const auto picture = [&](int image) {
            const qint64 key = w.image(image)->picture().pixmap.cacheKey();
            int k = 32;
            while (k > 10 && keys_[k] != key) {
                --k;
            }
            return k > 10 ? k : 0;
        };
        model::Board b{QColor()};
        b.state = w.state();
        b.message = w.label(6)->text();
        for (int i = 0; i < 40; ++i) {
            b.ledger[i] = w.ledgerCell(i)->text();
        }
        for (int i = 0; i < 10; ++i) {
            b.markers[i] = picture(1 + i);
            b.memoColours[i] =
                w.command(13 + i)->palette().color(QPalette::Active, QPalette::ButtonText);
        }
        for (int i = 0; i < 4; ++i) {
            b.guess[i] = w.label(1 + i)->text();
            b.gauges[i] = picture(33 + i);
            b.titleShown[i] = w.label(7 + i)->isVisible();
            b.grades[i] = w.label(11 + i)->text();
        }
        for (int n = 1; n <= 22; ++n) {
            b.enabled[n] = w.command(n)->isEnabled();
        }
        b.beeps = f.beeps;
        return b;
    }

    // Picks the next event and plays it on the window and on the model.
    Event step() {
        // "Yeni" may come by any click or key, so the script always holds enough for one secret,
        // sometimes with draws left over for the next.
        if (!makesASecret()) {
            while (!makesASecret()) {
                pushDraw();
            }
            for (int extra = below(4); extra > 0; --extra) {
                pushDraw();
            }
        }
        const Event e = pick();
        QWidget* target =
            e.button == 0 ? static_cast<QWidget*>(f.window.get()) : f.window->command(e.button);
        if (e.kind == Event::Tab) {
            QTest::keyClick(target, Qt::Key_Tab);
            return e;
        }
        if (e.kind == Event::Click) {
            QTest::mouseClick(target, Qt::LeftButton);
        } else {
            QTest::keyClick(target, e.kind == Event::Space ? Qt::Key_Space : Qt::Key_Return);
        }
        if (e.button != 0) {
            const int beeps = board.beeps;
            board.click(e.button, [this] {
                const float r = draws_.empty() ? 0.0F : draws_.front();
                draws_.pop_front();
                return r;
            });
            wins += board.beeps - beeps;
            if (e.button == 11) {
                ++games;
                winAfter_ = 1 + below(34);
            }
        }
        return e;
    }

private:
    int below(int n) { return static_cast<int>(rng_() % static_cast<std::uint64_t>(n)); }

    // Four different digits among the draws the window's script still holds.
    bool makesASecret() const {
        std::array<bool, 10> seen{};
        for (const float r : draws_) {
            seen[model::digitOf(r)] = true;
        }
        return std::count(seen.begin(), seen.end(), true) >= 4;
    }

    // A whole digit most of the time, else any value in [0, 1), else a value within a rounding
    // step of a boundary between two digits.
    void pushDraw() {
        const int kind = below(20);
        const float edge = static_cast<float>(2 * below(9) + 1) / 18.0F;
        const float edges[] = {0.0F, 0x1.fffffep-1F, edge, std::nextafter(edge, 0.0F),
                               std::nextafter(edge, 1.0F)};
        const float r = kind < 10   ? static_cast<float>(below(10)) / 9.0F
                        : kind < 17 ? static_cast<float>(rng_() >> 40U) * 0x1p-24F
                                    : edges[below(5)];
        f.random->script.push_back(r);
        draws_.push_back(r);
    }

    // Out of a thousand events: 5 "Yeni", 30 "Bak", 100 memo buttons, 40 Tab, 20 Space, 20 Return,
    // 15 any button and the rest the keypad, which types the secret itself once the game has had
    // its planned number of guesses, so that games are won after 1 to 34. A won game soon starts
    // anew.
    Event pick() {
        const GameState& s = board.state;
        if (s.entryCount == 0) {
            typingSecret_ = s.tryCount + 1 >= winAfter_;
        }
        if (!board.enabled[12] && below(100) < 15) { // locked after a win
            return {Event::Click, 11};
        }
        const int roll = below(1000);
        if (roll < 5) {
            return {Event::Click, 11};
        }
        if (roll < 35) {
            return {Event::Click, 12};
        }
        if (roll < 135) {
            return {Event::Click, 13 + below(10)};
        }
        if (roll < 215) {
            int focused = 22;
            while (focused > 0 && f.window->command(focused) != f.window->focusWidget()) {
                --focused;
            }
            return {roll < 175 ? Event::Tab : roll < 195 ? Event::Space : Event::Return, focused};
        }
        if (roll < 230) {
            return {Event::Click, 1 + below(22)};
        }
        int digit = below(10);
        if (typingSecret_) {
            const int next = s.secretDigits[s.entryCount];
            digit = board.enabled[next == 0 ? 10 : next] ? next : digit;
        }
        return {Event::Click, digit == 0 ? 10 : digit};
    }

    std::array<qint64, 33> keys_{}; // cache key of template Image k's picture
    std::mt19937_64 rng_;
    std::deque<float> draws_; // what the window's scripted source still holds
    int winAfter_ = 1;
    bool typingSecret_ = false;
};

} // namespace

class TstRandomClicks : public QObject {
    Q_OBJECT

private slots:
    void playsLikeTheModel() {
        bool ok = false;
        const int events = qEnvironmentVariableIntValue("RAKAMLIK_EVENTS", &ok);
        const int count = ok ? events : 300'000;
        const std::uint64_t seedSet = qgetenv("RAKAMLIK_SEED").toULongLong(&ok);
        const std::uint64_t seed = ok ? seedSet : 1;

        previousHandler = qInstallMessageHandler(quietAboutIgnoredEvents);
        Player player(seed);
        QVERIFY(player.picturesTellApart());
        QElapsedTimer timer;
        timer.start();
        Event event;
        for (int n = 0; n <= count; ++n) {
            if (n > 0) {
                event = player.step();
            }
            if (const model::Board shown = player.shown(); !(shown == player.board)) {
                QFAIL(qPrintable(report(seed, n, n == 0 ? u"start-up"_s : describe(event),
                                        player.board, shown)));
            }
            // Painting after every event would take twenty times as long as all the rest, since
            // a pressed button repaints at once: the window paints only every so often, as when
            // the player pauses.
            if (n % 1024 == 0) {
                player.f.window->setUpdatesEnabled(true);
                QCoreApplication::processEvents();
                player.f.window->setUpdatesEnabled(false);
            }
        }
        qInfo("seed %llu: %d events in %.1f s, %d games, %d won",
              static_cast<unsigned long long>(seed), count,
              static_cast<double>(timer.elapsed()) / 1000.0, player.games, player.wins);
        qInstallMessageHandler(previousHandler);
    }

private:
    // The seed, the event, the first property that differs and the command that plays the same
    // events again.
    static QString report(std::uint64_t seed, int n, const QString& event,
                          const model::Board& expected, const model::Board& actual) {
        const auto want = properties(expected);
        const auto got = properties(actual);
        const auto differs = std::mismatch(want.begin(), want.end(), got.begin()).first;
        const QString difference =
            differs == want.end()
                ? u"the window differs in what the report cannot show"_s
                : u"%1 is %2, expected %3"_s.arg(differs->first, got[differs - want.begin()].second,
                                                 differs->second);
        return u"seed %1, event %2, %3: %4\nreplay: RAKAMLIK_SEED=%1 RAKAMLIK_EVENTS=%2 %5"_s.arg(
            QString::number(seed), QString::number(n), event, difference,
            QCoreApplication::applicationFilePath());
    }
};

RAKAMLIK_TEST_MAIN(TstRandomClicks)

#include "tst_random_clicks.moc"
