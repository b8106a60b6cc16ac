#include "application.h"
#include "form1.h"
#include "game/random_source.h"

#include <cstdlib>
#include <memory>

int main(int argc, char* argv[]) {
    rakamlik::Application app(argc, argv);
    try {
        rakamlik::Form1 window(std::make_unique<rakamlik::StandardRandom>(),
                               [] { QApplication::beep(); });
        window.show();
        return QApplication::exec();
    } catch (...) {
        app.failOnCurrentException();
    }
    return EXIT_FAILURE;
}
