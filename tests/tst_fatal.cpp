// SPDX-License-Identifier: GPL-3.0-or-later
// The program's own run, from start-up to the end: played, closed, and ended by an error nobody
// expected.

#include "app/application.h"
#include "app/game_window.h"

#include <QMessageBox>
#include <QTest>
#include <QTimer>

#include <stdexcept>
#include <utility>

using namespace rakamlik;
using namespace Qt::Literals::StringLiterals;

namespace {

// What the fatal-error reports said, and whether the next one shown meets an error of its own.
QString reported;
bool errorWhileReporting = false;

// A window that throws when it is shown: a std::exception that says `what`, or, without it, an
// error that does not describe itself.
struct ThrowingWidget : QWidget {
    QString what;
    void showEvent(QShowEvent* /*event*/) override {
        if (what.isEmpty()) {
            throw 0;
        }
        throw std::runtime_error(what.toStdString());
    }
};

} // namespace

class TstFatal : public QObject {
    Q_OBJECT

private slots:
    void init() { reported.clear(); }

    // The program shows its window and plays; closing the window in a game ends it at once,
    // with success.
    void playedThenClosed() {
        bool played = false;
        // Once the program's event loop runs.
        QMetaObject::invokeMethod(
            qApp,
            [&] {
                for (QWidget* w : QApplication::topLevelWidgets()) {
                    if (auto* window = qobject_cast<GameWindow*>(w);
                        window && window->isVisible()) {
                        QTest::mouseClick(window->board().newGame, Qt::LeftButton);
                        played = window->game().revealOpen(); // "Yeni" has begun a game
                        window->close();
                    }
                }
                if (!played) {
                    QApplication::exit(2); // no window on screen, or one that does not play
                }
            },
            Qt::QueuedConnection);
        QCOMPARE(qobject_cast<Application*>(qApp)->play(), 0);
        QCOMPARE(reported, QString());
        QVERIFY(played);
    }

    // An exception escaping an event handler is reported in a message box that names the
    // error; once the player has read it, the program ends with a failure status, whether the
    // event loop already ran or not. An error while the report is shown is not reported again.
    void escapedExceptionIsReportedAndEndsTheProgram_data() {
        QTest::addColumn<bool>("beforeTheLoop");
        QTest::addColumn<QString>("what");
        QTest::newRow("while showing the window") << true << u"the ledger is on fire"_s;
        QTest::newRow("in a click") << false << u"the ledger is on fire"_s;
        QTest::newRow("nameless, in a click") << false << QString();
    }
    void escapedExceptionIsReportedAndEndsTheProgram() {
        QFETCH(bool, beforeTheLoop);
        QFETCH(QString, what);
        errorWhileReporting = true;
        ThrowingWidget widget;
        widget.what = what;
        if (beforeTheLoop) {
            widget.show();
        } else {
            QTimer::singleShot(0, &widget, [&] { widget.show(); });
        }
        QCOMPARE_NE(QApplication::exec(), 0);
        const QString error =
            what.isEmpty() ? QString::fromUtf8(Application::unknownErrorText) : what;
        QVERIFY2(reported == QString::fromUtf8(Application::fatalErrorText) + u"\n\n"_s + error,
                 qPrintable(reported));
    }
};

int main(int argc, char* argv[]) {
    Application app(argc, argv); // the program's own fatal-error report
    // Whatever opens the report, a reader takes its text and closes it at once, so that a fault
    // which opens it fails the test instead of waiting for a player.
    QTimer reader;
    QObject::connect(&reader, &QTimer::timeout, [] {
        if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
            if (std::exchange(errorWhileReporting, false)) {
                throw std::runtime_error("a second fire");
            }
            reported += box->text();
            box->accept();
        }
    });
    reader.start(10);
    TstFatal test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_fatal.moc"
