#pragma once

#include "app/application.h"
#include "app/form1.h"
#include "game/random_source.h"

#include <QTest>

#include <deque>
#include <memory>

namespace rakamlik::testing {

// A random source whose draws the test scripts; it remembers how often it
// was seeded. When the script runs out it yields the digits 0, 1, 2, ...
// in turn, so an unscripted new game still finds four different digits.
class ScriptedRandom final : public RandomSource {
public:
    void seed(std::uint64_t /*seed*/) override { ++seeds; }
    float next() override {
        if (script.empty()) {
            return static_cast<float>(unscripted++ % 10) / 9.0F;
        }
        const float r = script.front();
        script.pop_front();
        return r;
    }

    std::deque<float> script;
    int seeds = 0;
    int unscripted = 0;
};

// A shown window with a scripted random source and a beep counter, as the
// player sees it at start-up.
struct WindowFixture {
    WindowFixture() {
        auto scripted = std::make_unique<ScriptedRandom>();
        random = scripted.get();
        window = std::make_unique<Form1>(std::move(scripted), [this] { ++beeps; });
        window->show();
        QVERIFY(QTest::qWaitForWindowExposed(window.get()));
    }

    void click(QWidget* widget) const { QTest::mouseClick(widget, Qt::LeftButton); }

    // Scripts the draws that make `secret` ("5082") and clicks "Yeni".
    void newGame(QStringView secret) {
        for (QChar c : secret) {
            random->script.push_back(static_cast<float>(c.digitValue()) / 9.0F);
        }
        click(window->command(11));
    }

    // Types the digits of `digits` on the keypad.
    void type(QStringView digits) const {
        for (QChar c : digits) {
            const int d = c.digitValue();
            click(window->command(d == 0 ? 10 : d));
        }
    }

    ScriptedRandom* random = nullptr;
    int beeps = 0;
    std::unique_ptr<Form1> window;
};

} // namespace rakamlik::testing

// A test's main(): the program's own application object, so the tests see
// the style, palette and fonts the player sees, and a fatal error fails the
// test instead of opening a message box.
#define RAKAMLIK_TEST_MAIN(TestObject)                                                             \
    int main(int argc, char* argv[]) {                                                             \
        rakamlik::Application app(argc, argv, [](const QString& message) {                         \
            qFatal("fatal error reported: %s", qPrintable(message));                               \
        });                                                                                        \
        TestObject test;                                                                           \
        return QTest::qExec(&test, argc, argv);                                                    \
    }
