#include "application.h"

#include "assets/pictures.h"
#include "controls.h"
#include "design.h"
#include "fonts.h"

#include <QMessageBox>
#include <QPalette>
#include <QThread>

#include <cstdlib>
#include <exception>
#include <utility>

namespace rakamlik {

Application::Application(int& argc, char** argv, FatalReporter report)
    : QApplication(argc, argv), report_(std::move(report)) {
    setApplicationName(QString::fromLatin1(design::windowTitle));
    setDesktopFileName(QStringLiteral("org.rakamlik.Rakamlik"));
    setStyle(new Style);
    setPalette(QPalette(toQColor(design::windowColour)));
    setFont(fontFor(design::defaultFont));
    setWindowIcon(pictures::icon());
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
        fail(QStringLiteral("bilinmeyen hata"));
    }
}

void Application::fail(const QString& what) {
    // An error while the report is up (its message box runs events too)
    // must not report again.
    if (std::exchange(reporting_, true)) {
        return;
    }
    report_(QStringLiteral("Beklenmeyen bir hata oldu ve Rakamlik kapanacak.\n\n%1").arg(what));
    reporting_ = false;
    if (QThread::currentThread()->loopLevel() > 0) {
        exit(EXIT_FAILURE);
    } else {
        // Before the event loop runs, exit() would be forgotten: end it as
        // soon as it starts.
        QMetaObject::invokeMethod(
            this, [] { exit(EXIT_FAILURE); }, Qt::QueuedConnection);
    }
}

void Application::showFatalError(const QString& message) {
    QMessageBox::critical(nullptr, QString::fromLatin1(design::windowTitle), message);
}

} // namespace rakamlik
