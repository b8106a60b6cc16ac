// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "app/application.h"
#include "app/game_window.h"
#include "scripted_random.h"

#include <QPushButton>
#include <QTest>

#include <memory>

namespace rakamlik::testing {

// A shown window with a scripted random source and a beep counter, as the player sees it at
// start-up; at every beep `bell` rings as well. Controls are found by their roles.
struct WindowFixture {
    explicit WindowFixture(void (*bell)() = [] {}) {
        auto scripted = std::make_unique<ScriptedRandom>();
        random = scripted.get();
        window = std::make_unique<GameWindow>(std::move(scripted), [this, bell] {
            ++beeps;
            bell();
        });
        window->show();
        // A QVERIFY here would only leave the constructor, and the test would go on.
        if (!QTest::qWaitForWindowExposed(window.get())) {
            qFatal("the window was never shown");
        }
    }

    const Board& board() const { return window->board(); }
    Button* keypad(int digit) const { return board().keypad.at(std::size_t(digit)); }
    Button* memo(int digit) const { return board().memo.at(std::size_t(digit)); }
    Button* newGameButton() const { return board().newGame; }
    Button* revealButton() const { return board().reveal; }
    Label* guessBox(int place) const { return board().guess.at(std::size_t(place)); }
    Label* message() const { return board().message; }
    Label* ledgerCell(int row, int column) const {
        return board().ledger.at(std::size_t(row)).at(std::size_t(column));
    }
    ImageBox* marker(int row) const { return board().markers.at(std::size_t(row)); }
    ImageBox* gauge(int g) const { return board().gauges.at(std::size_t(g)); }
    Label* ratingTitle(int column) const { return board().ratingTitles.at(std::size_t(column)); }
    Label* ratingValue(int column) const { return board().ratingValues.at(std::size_t(column)); }

    // Scripts the draws that make `secret` ("5082") and clicks "Yeni".
    void newGame(std::string_view secret) const {
        random->draw(secret);
        QTest::mouseClick(newGameButton(), Qt::LeftButton);
    }
    // Types the digits of `digits` on the keypad.
    void type(std::string_view digits) const {
        for (const char c : digits) {
            QTest::mouseClick(keypad(c - '0'), Qt::LeftButton);
        }
    }

    ScriptedRandom* random = nullptr;
    int beeps = 0;
    std::unique_ptr<GameWindow> window;
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
