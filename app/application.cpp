// SPDX-License-Identifier: GPL-3.0-or-later
#include "application.h"

#include "app/version.h"

#include "bell.h"
#include "controls.h"
#include "design.h"
#include "fonts.h"
#include "game/random_source.h"
#include "game_window.h"

#include <QAccessible>
#include <QMessageBox>
#include <QPalette>
#include <QThread>

#include <cstdlib>
#include <exception>
#include <memory>
#include <utility>

namespace rakamlik {

Application::Application(int& argc, char** argv, FatalReporter report)
    : QApplication(argc, argv), report_(std::move(report)) {
    setApplicationName(QString::fromLatin1(design::windowTitle));
    setApplicationVersion(QStringLiteral(RAKAMLIK_VERSION));
    setDesktopFileName(QStringLiteral("org.rakamlik.Rakamlik"));
    // The application takes the style and deletes it.
    // NOLINTBEGIN(clang-analyzer-cplusplus.NewDeleteLeaks)
    setStyle(new Style);
    setPalette(QPalette(toQColor(design::windowColour)));
    // NOLINTEND(clang-analyzer-cplusplus.NewDeleteLeaks)
    setFont(fontFor(design::defaultFont));
    warnOfMissingFaces();
    QAccessible::installFactory(accessibleControl);
}

int Application::play() {
    try {
        GameWindow window(std::make_unique<StandardRandom>(), ringBell);
        window.show();
        return exec();
    } catch (...) {
        failOnCurrentException();
    }
    return EXIT_FAILURE;
}

QEvent::Type Application::failureEvent() {
    static const auto type = static_cast<QEvent::Type>(QEvent::registerEventType());
    return type;
}

bool Application::event(QEvent* event) {
    if (event->type() == failureEvent()) {
        exit(EXIT_FAILURE);
        return true;
    }
    return QApplication::event(event);
}

bool Application::notify(QObject* receiver, QEvent* event) {
    try {
        return QApplication::notify(receiver, event);
    } catch (...) {
        failOnCurrentException();
    }
    return false;
}

void Application::failOnCurrentException() {
    try {
        throw;
    } catch (const std::exception& e) {
        fail(QString::fromLocal8Bit(e.what()));
    } catch (...) {
        fail(QString::fromUtf8(unknownErrorText));
    }
}

void Application::fail(const QString& what) {
    // An error while the report is up (its message box runs events too)
    // must not report again.
    if (std::exchange(reporting_, true)) {
        return;
    }
    report_(QString::fromUtf8(fatalErrorText) + QStringLiteral("\n\n") + what);
    reporting_ = false;
    if (QThread::currentThread()->loopLevel() > 0) {
        exit(EXIT_FAILURE);
    } else {
        // Before the event loop runs, exit() would be forgotten: a posted
        // event ends the loop as soon as it starts.
        postEvent(this,
                  new QEvent(failureEvent())); // NOLINT(clang-analyzer-cplusplus.NewDeleteLeaks)
    }
}

void Application::showFatalError(const QString& message) {
    // Its button in Turkish: Qt's own "OK" comes untranslated, as the game loads no translation.
    QMessageBox box(QMessageBox::Critical, QString::fromLatin1(design::windowTitle), message);
    box.addButton(QStringLiteral("Tamam"), QMessageBox::AcceptRole);
    box.exec();
}

} // namespace rakamlik
