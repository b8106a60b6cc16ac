// SPDX-License-Identifier: GPL-3.0-or-later
#include "application.h"

#include <QCommandLineParser>
#include <QCoreApplication>

#include <algorithm>
#include <array>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <span>

namespace {

// Whether the program can hope to reach a display: a graphical session names one, or the user
// chose a platform (-platform, QT_QPA_PLATFORM) and Qt takes it from there.
bool displayReachable(int argc, char* argv[]) {
    const std::span arguments(argv + 1, static_cast<std::size_t>(std::max(argc - 1, 0)));
    const auto platform = [](const char* argument) {
        return std::strcmp(argument, "-platform") == 0 || std::strcmp(argument, "--platform") == 0;
    };
    const auto set = [](const char* name) {
        const char* value = std::getenv(name);
        return value != nullptr && *value != '\0';
    };
    constexpr std::array<const char*, 3> variables{"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM"};
    return std::ranges::any_of(arguments, platform) || std::ranges::any_of(variables, set);
}

// Answers --help and --version, as a player or a script expects of a program, without needing a
// display, and ends the program; any other argument is left to Qt (-platform, -style, ...).
void answerHelpOrVersion(int argc, char* argv[]) {
    const std::span arguments(argv + 1, static_cast<std::size_t>(std::max(argc - 1, 0)));
    const auto asked = [](const char* argument) {
        constexpr std::array<const char*, 6> options{"-h",         "-?", "--help",
                                                     "--help-all", "-v", "--version"};
        return std::ranges::any_of(
            options, [&](const char* option) { return std::strcmp(argument, option) == 0; });
    };
    if (std::ranges::none_of(arguments, asked)) {
        return;
    }
    const QCoreApplication app(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("rakamlik"));
    QCoreApplication::setApplicationVersion(QStringLiteral(RAKAMLIK_VERSION));
    QCommandLineParser parser;
    parser.setApplicationDescription(QStringLiteral(
        "Rakamlik, a number-guessing game in Turkish, played with the mouse: find the computer's\n"
        "secret of four different digits in as few guesses as you can. See rakamlik(6)."));
    parser.addHelpOption();
    parser.addVersionOption();
    parser.parse(QCoreApplication::arguments()); // Qt's own options are not errors here
    if (parser.isSet(QStringLiteral("version"))) {
        parser.showVersion();
    }
    parser.showHelp(); // both end the program
}

} // namespace

int main(int argc, char* argv[]) {
    answerHelpOrVersion(argc, argv);
    // Without a display Qt would abort with a message about reinstalling, and dump core.
    if (!displayReachable(argc, argv)) {
        std::fputs("rakamlik: no graphical session found (neither DISPLAY nor WAYLAND_DISPLAY is "
                   "set); start the game from a desktop session\n",
                   stderr);
        return EXIT_FAILURE;
    }
    rakamlik::Application app(argc, argv);
    return app.play();
}
