// SPDX-License-Identifier: GPL-3.0-or-later
// The program's own run, from start-up to the end: played, closed, and ended by an error nobody
// expected.

#include "app/application.h"
#include "app/form1.h"

#include <QLabel>
#include <QMessageBox>
#include <QTest>
#include <QTimer>

#include <stdexcept>

using namespace rakamlik;
using namespace Qt::Literals::StringLiterals;

namespace {

// What the fatal-error reports said.
QString reported;

// A window that throws when it is shown.
struct ThrowingWidget : QWidget {
    void showEvent(QShowEvent* /*event*/) override {
        throw std::runtime_error("the ledger is on fire");
    }
};

} // namespace

class TstFatal : public QObject {
    Q_OBJECT

private slots:
    void init() { reported.clear(); }

    // The program shows its window and plays; closing the window mid-guess ends it at once,
    // with success.
    void playedThenClosed() {
        QString typed;
        QTimer::singleShot(0, qApp, [&] {
            for (QWidget* w : QApplication::topLevelWidgets()) {
                if (auto* window = qobject_cast<Form1*>(w); window && window->isVisible()) {
                    for (const char* button : {"SSCommand11", "SSCommand5", "SSCommand10"}) {
                        QTest::mouseClick(window->control(QLatin1String(button)), Qt::LeftButton);
                    }
                    typed = qobject_cast<QLabel*>(window->control(u"Label1"_s))->text() +
                            qobject_cast<QLabel*>(window->control(u"Label2"_s))->text();
                    window->close();
                }
            }
            if (typed.isEmpty()) {
                QApplication::exit(2); // no window on screen
            }
        });
        QCOMPARE(qobject_cast<Application*>(qApp)->play(), 0);
        QCOMPARE(reported, QString());
        QCOMPARE(typed, u"50"_s);
    }

    // An exception escaping an event handler is reported in a message box that names the
    // error; once the player has read it, the program ends with a failure status, whether the
    // event loop already ran or not.
    void escapedExceptionIsReportedAndEndsTheProgram_data() {
        QTest::addColumn<bool>("beforeTheLoop");
        QTest::newRow("while showing the window") << true;
        QTest::newRow("in a click") << false;
    }
    void escapedExceptionIsReportedAndEndsTheProgram() {
        QFETCH(bool, beforeTheLoop);
        ThrowingWidget widget;
        if (beforeTheLoop) {
            widget.show();
        } else {
            QTimer::singleShot(0, &widget, [&] { widget.show(); });
        }
        QCOMPARE_NE(QApplication::exec(), 0);
        QVERIFY2(reported.contains(u"the ledger is on fire"_s), qPrintable(reported));
    }
};

int main(int argc, char* argv[]) {
    Application app(argc, argv); // the program's own fatal-error report
    // Whatever opens the report, a reader takes its text and closes it at once, so that a fault
    // which opens it fails the test instead of waiting for a player.
    QTimer reader;
    QObject::connect(&reader, &QTimer::timeout, [] {
        if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
            reported += box->text();
            box->accept();
        }
    });
    reader.start(10);
    TstFatal test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_fatal.moc"
