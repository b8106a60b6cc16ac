// SPDX-License-Identifier: GPL-3.0-or-later
#include "application.h"

#include "app/version.h"

#include <QCommandLineParser>
#include <QCoreApplication>

#include <algorithm>
#include <array>
#include <cstdio>
#include <cstdlib>
#include <span>

namespace {

// Qt's own options that take a value, which QApplication takes out of the arguments before the
// game sees them: those of every platform, then X11's, then the widgets'. Qt reads these only as
// "-name value", and would pass over "-platform=xcb".
constexpr std::array<const char*, 13> qtOptionsWithValue{"platform",
                                                         "platformpluginpath",
                                                         "platformtheme",
                                                         "plugin",
                                                         "qwindowgeometry",
                                                         "qwindowicon",
                                                         "qwindowtitle",
                                                         "display",
                                                         "geometry",
                                                         "title",
                                                         "icon",
                                                         "name",
                                                         "visual"};
// Those that Qt also reads as "-name=value".
constexpr std::array<const char*, 4> qtOptionsWithValueOrEquals{"style", "stylesheet", "session",
                                                                "qmljsdebugger"};
constexpr std::array<const char*, 5> qtFlags{"reverse", "nograb", "dograb", "widgetcount",
                                             "testability"};

// Reads the command line before anything else, without a display: answers --help and --version
// as a player or a script expects and ends the program; refuses, with status 2, an option it
// does not know or an argument it does not take, so a typing error is not taken for a game.
// Qt's own options pass, for QApplication to take. Returns whether one chose the platform.
bool readCommandLine(int argc, char* argv[]) {
    const std::span<char*> given(argv, static_cast<std::size_t>(std::max(argc, 0)));
    QStringList arguments;
    for (const char* argument : given) {
        arguments.append(QString::fromLocal8Bit(argument));
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
    QCommandLineOption questionMark(QStringLiteral("?")); // -h's other name, as on Windows
    questionMark.setFlags(QCommandLineOption::HiddenFromHelp);
    parser.addOption(questionMark);
    const QCommandLineOption version = parser.addVersionOption();
    const auto addQtOptions = [&parser](const auto& names, const QString& value) {
        for (const char* name : names) {
            QCommandLineOption option(QString::fromLatin1(name), QString(), value);
            option.setFlags(QCommandLineOption::HiddenFromHelp);
            parser.addOption(option);
        }
    };
    addQtOptions(qtOptionsWithValue, QStringLiteral("value"));
    addQtOptions(qtOptionsWithValueOrEquals, QStringLiteral("value"));
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
    for (const QString& argument : std::as_const(arguments).mid(1)) {
        for (const char* name : qtOptionsWithValue) {
            const QString option = u'-' + QString::fromLatin1(name) + u'=';
            if (argument.startsWith(option) || argument.startsWith(u'-' + option)) {
                refuse(QStringLiteral("write '-%1 %2', not '%3'")
                           .arg(QLatin1String(name), argument.section(u'=', 1), argument));
            }
        }
    }
    if (parser.isSet(help) || parser.isSet(questionMark) ||
        parser.isSet(QStringLiteral("help-all")) || parser.isSet(version)) {
        const QCoreApplication app(argc, argv);
        QCoreApplication::setApplicationName(QStringLiteral("rakamlik"));
        QCoreApplication::setApplicationVersion(QStringLiteral(RAKAMLIK_VERSION));
        if (parser.isSet(version)) {
            parser.showVersion();
        }
        parser.showHelp(); // both end the program
    }
    return parser.isSet(QStringLiteral("platform"));
}

// Whether the program can hope to reach a display: a graphical session names one, or the user
// chose a platform (-platform, QT_QPA_PLATFORM) and Qt takes it from there.
bool displayReachable(bool platformChosen) {
    const auto set = [](const char* name) {
        const char* value = std::getenv(name); // NOLINT(concurrency-mt-unsafe): one thread yet
        return value != nullptr && *value != '\0';
    };
    constexpr std::array<const char*, 3> variables{"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM"};
    return platformChosen || std::ranges::any_of(variables, set);
}

} // namespace

int main(int argc, char* argv[]) {
    const bool platformChosen = readCommandLine(argc, argv);
    // Without a display Qt would abort with a message about reinstalling, and dump core.
    if (!displayReachable(platformChosen)) {
        std::fputs("rakamlik: no graphical session found (neither DISPLAY nor WAYLAND_DISPLAY is "
                   "set); start the game from a desktop session\n",
                   stderr);
        return EXIT_FAILURE;
    }
    rakamlik::Application app(argc, argv);
    return app.play();
}
