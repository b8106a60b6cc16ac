#include "application.h"
#include "form1.h"
#include "game/random_source.h"

#include <cstdlib>
#include <exception>
#include <memory>

int main(int argc, char* argv[]) {
    rakamlik::Application app(argc, argv);
    try {
        rakamlik::Form1 window(std::make_unique<rakamlik::StandardRandom>(),
                               [] { QApplication::beep(); });
        window.show();
        return QApplication::exec();
    } catch (const std::exception& e) {
        app.fail(QString::fromLocal8Bit(e.what()));
    } catch (...) {
        app.fail(QStringLiteral("bilinmeyen hata"));
    }
    return EXIT_FAILURE;
}
