// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "app/application.h"
#include "app/form1.h"
#include "scripted_random.h"

#include <QPushButton>
#include <QTest>

#include <memory>

namespace rakamlik::testing {

// A shown window with a scripted random source and a beep counter, as the player sees it at
// start-up; at every beep `bell` rings as well. Controls are found by their design names.
struct WindowFixture {
    explicit WindowFixture(void (*bell)() = [] {}) {
        auto scripted = std::make_unique<ScriptedRandom>();
        random = scripted.get();
        window = std::make_unique<Form1>(std::move(scripted), [this, bell] {
            ++beeps;
            bell();
        });
        window->show();
        // A QVERIFY here would only leave the constructor, and the test would go on.
        if (!QTest::qWaitForWindowExposed(window.get())) {
            qFatal("the window was never shown");
        }
    }

    template <typename Widget = QWidget> Widget* get(const QString& name) const {
        auto* widget = qobject_cast<Widget*>(window->control(name));
        if (widget == nullptr) {
            qFatal("no control %s", qPrintable(name));
        }
        return widget;
    }
    QPushButton* keypad(int digit) const {
        return get<QPushButton>(QStringLiteral("SSCommand%1").arg(digit == 0 ? 10 : digit));
    }

    // Scripts the draws that make `secret` ("5082") and clicks "Yeni".
    void newGame(std::string_view secret) const {
        random->draw(secret);
        QTest::mouseClick(get("SSCommand11"), Qt::LeftButton);
    }
    // Types the digits of `digits` on the keypad.
    void type(std::string_view digits) const {
        for (const char c : digits) {
            QTest::mouseClick(keypad(c - '0'), Qt::LeftButton);
        }
    }

    ScriptedRandom* random = nullptr;
    int beeps = 0;
    std::unique_ptr<Form1> window;
};

} // namespace rakamlik::testing

// A test's main(): the program's own application object, so the tests see the style, palette and
// fonts the player sees, and a fatal error fails the test instead of opening a message box.
#define RAKAMLIK_TEST_MAIN(TestObject)                                                             \
    int main(int argc, char* argv[]) {                                                             \
        rakamlik::Application app(argc, argv, [](const QString& message) {                         \
            qFatal("fatal error reported: %s", qPrintable(message));                               \
        });                                                                                        \
        TestObject test;                                                                           \
        return QTest::qExec(&test, argc, argv);                                                    \
    }
