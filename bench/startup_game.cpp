// SPDX-License-Identifier: GPL-3.0-or-later
// The game's own start-up, as the program does it (app/main.cpp), quitting after the window's
// first paint: what bench_race times against bench_floor.
#include "app/application.h"
#include "app/game_window.h"
#include "first_paint.h"
#include "game/random_source.h"

#include <cstdlib>
#include <memory>

int main(int argc, char* argv[]) {
    rakamlik::Application app(argc, argv);
    try {
        rakamlik::GameWindow window(std::make_unique<rakamlik::StandardRandom>(), [] {});
        new rakamlik::bench::FirstPaint(&window); // owned by the window
        window.show();
        return QApplication::exec();
    } catch (...) {
        app.failOnCurrentException();
    }
    return EXIT_FAILURE;
}
