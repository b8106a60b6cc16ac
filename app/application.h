// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QApplication>

#include <functional>

namespace rakamlik {

// The program's application object: the look every control relies on, and
// the last line of defence. An exception that escapes an event handler is
// reported, naming the error, and the program then ends with a non-zero
// status: after an unexpected error the game's state can't be trusted.
class Application : public QApplication {
    Q_OBJECT

public:
    using FatalReporter = std::function<void(const QString& message)>;

    // `report` tells the user about a fatal error; it must return once the
    // user has seen it. By default it is a message box.
    Application(int& argc, char** argv, FatalReporter report = showFatalError);

    // The program: the game's window, shown, and the event loop until the window closes. Returns
    // the program's exit status.
    int play();

    bool notify(QObject* receiver, QEvent* event) override;

    // Reports the exception being handled and leaves the event loop with
    // a failure status. Call only from a catch block.
    void failOnCurrentException();

    static void showFatalError(const QString& message);

    // What the fatal-error report says first (UTF-8), and the name it gives an error that does
    // not describe itself.
    static constexpr const char* fatalErrorText =
        "Beklenmeyen bir hata oluştu. Rakamlik kapanacak.";
    static constexpr const char* unknownErrorText = "Bilinmeyen hata.";

protected:
    bool event(QEvent* event) override;

private:
    // Posted to end the event loop with a failure status once it runs.
    static QEvent::Type failureEvent();
    void fail(const QString& what);

    FatalReporter report_;
    bool reporting_ = false;
};

} // namespace rakamlik
