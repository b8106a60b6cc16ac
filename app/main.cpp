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

// Qt's own options, which QApplication takes out of the arguments before the game sees them:
// those of every platform, then X11's, then the widgets'.
constexpr std::array<const char*, 16> qtOptionsWithValue{"platform",
                                                         "platformpluginpath",
                                                         "platformtheme",
                                                         "plugin",
                                                         "qwindowgeometry",
                                                         "qwindowicon",
                                                         "qwindowtitle",
                                                         "session",
                                                         "qmljsdebugger",
                                                         "display",
                                                         "geometry",
                                                         "title",
                                                         "icon",
                                                         "name",
                                                         "style",
                                                         "stylesheet"};
constexpr std::array<const char*, 5> qtFlags{"reverse", "sync", "nograb", "dograb", "widgetcount"};

// Reads the command line before anything else, without a display: answers --help and --version
// as a player or a script expects and ends the program; refuses, with status 2, an option it
// does not know or an argument it does not take, so a typing error is not taken for a game.
// Qt's own options pass, for QApplication to take.
void readCommandLine(int argc, char* argv[]) {
    QStringList arguments;
    for (int i = 0; i < argc; ++i) {
        arguments.append(QString::fromLocal8Bit(argv[i])); // NOLINT(*-pointer-arithmetic)
    }
    QCommandLineParser parser;
    // Qt's options are single words after one dash, as are -h and -v.
    parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
    parser.setApplicationDescription(QStringLiteral(
        "Rakamlik, a number-guessing game in Turkish, played with the mouse or the keyboard: find\n"
        "the computer's secret of four different digits in as few guesses as you can.\n"
        "In the game, F1 opens the help (in Turkish), and a right click, the Menu key or\n"
        "Shift+F10 opens the menu. The digit keys type a guess, Ctrl+N starts a new game and\n"
        "Ctrl+Q quits. See rakamlik(6)."));
    const QCommandLineOption help = parser.addHelpOption();
    const QCommandLineOption version = parser.addVersionOption();
    const auto addQtOptions = [&parser](const auto& names, const QString& value) {
        for (const char* name : names) {
            QCommandLineOption option(QString::fromLatin1(name), QString(), value);
            option.setFlags(QCommandLineOption::HiddenFromHelp);
            parser.addOption(option);
        }
    };
    addQtOptions(qtOptionsWithValue, QStringLiteral("value"));
    addQtOptions(qtFlags, QString());

    const auto refuse = [](const QString& what) {
        std::fprintf(stderr, "rakamlik: %s; see 'rakamlik --help'\n", qPrintable(what));
        std::exit(2); // NOLINT(concurrency-mt-unsafe): nothing else runs yet
    };
    if (!parser.parse(arguments)) {
        if (!parser.unknownOptionNames().isEmpty()) {
            refuse(QStringLiteral("unknown option '%1'").arg(parser.unknownOptionNames().first()));
        }
        QString error = parser.errorText(); // "Missing value after '-platform'."
        error[0] = error[0].toLower();
        refuse(error.chopped(error.endsWith(u'.') ? 1 : 0));
    }
    if (!parser.positionalArguments().isEmpty()) {
        refuse(
            QStringLiteral("unexpected argument '%1'").arg(parser.positionalArguments().first()));
    }
    if (parser.isSet(help) || parser.isSet(QStringLiteral("help-all")) || parser.isSet(version)) {
        const QCoreApplication app(argc, argv);
        QCoreApplication::setApplicationName(QStringLiteral("rakamlik"));
        QCoreApplication::setApplicationVersion(QStringLiteral(RAKAMLIK_VERSION));
        if (parser.isSet(version)) {
            parser.showVersion();
        }
        parser.showHelp(); // both end the program
    }
}

} // namespace

int main(int argc, char* argv[]) {
    readCommandLine(argc, argv);
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
