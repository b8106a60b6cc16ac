// SPDX-License-Identifier: GPL-3.0-or-later
// The program's own run, from start-up to the end: played, closed, and ended by an error nobody
// expected.

#include "app/application.h"
#include "app/form1.h"

#include <QLabel>
#include <QMessageBox>
#include <QPushButton>
#include <QTest>
#include <QTimer>

#include <stdexcept>

using namespace rakamlik;

namespace {

// Whatever opens the fatal-error report, a reader takes its text and closes it at once, so that
// a fault which opens it fails the test instead of waiting for a player.
QString reported;

void readReports() {
    auto* reader = new QTimer(qApp);
    QObject::connect(reader, &QTimer::timeout, [] {
        if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
            reported += box->text();
            box->accept();
        }
    });
    reader->start(10);
}

} // namespace

class TstFatal : public QObject {
    Q_OBJECT

private slots:
    void init() { reported.clear(); }

    // The program shows its window and plays; closing the window ends it at once, with success,
    // whatever the game is doing. The secret is read with "Bak", as a cheat would.
    void playedThenClosed_data() {
        QTest::addColumn<int>("digits"); // typed of the secret before closing
        QTest::newRow("at start-up") << -1;
        QTest::newRow("mid-guess") << 2;
        QTest::newRow("after a win") << 4;
    }
    void playedThenClosed() {
        QFETCH(int, digits);
        QString shown;
        QTimer::singleShot(0, qApp, [&] {
            Form1* window = nullptr;
            for (QWidget* w : QApplication::topLevelWidgets()) {
                window =
                    w->isVisible() && qobject_cast<Form1*>(w) ? qobject_cast<Form1*>(w) : window;
            }
            if (window == nullptr) {
                QApplication::exit(2); // no window on screen
                return;
            }
            const auto click = [&](const QString& name) {
                QTest::mouseClick(window->control(name), Qt::LeftButton);
            };
            if (digits >= 0) {
                click(QStringLiteral("SSCommand11"));
                click(QStringLiteral("SSCommand12"));
                const QString secret = qobject_cast<QLabel*>(window->control("Label6"))->text();
                for (int i = 0; i < digits; ++i) {
                    const int d = secret.at(2 * i + 1).digitValue();
                    click(QStringLiteral("SSCommand%1").arg(d == 0 ? 10 : d));
                }
            }
            shown = qobject_cast<QLabel*>(window->control("Label6"))->text();
            window->close();
        });
        QCOMPARE(qobject_cast<Application*>(qApp)->play(), 0);
        QCOMPARE(reported, QString());
        QCOMPARE(shown == QStringLiteral("tebrikler"), digits == 4);
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
        ThrowingWidget widget(beforeTheLoop);
        if (beforeTheLoop) {
            widget.show();
        } else {
            QTimer::singleShot(0, &widget,
                               [] { throw std::runtime_error("the ledger is on fire"); });
        }
        QCOMPARE_NE(QApplication::exec(), 0);
        QVERIFY2(reported.contains(QStringLiteral("the ledger is on fire")), qPrintable(reported));
    }

private:
    class ThrowingWidget : public QWidget {
    public:
        explicit ThrowingWidget(bool onShow) : onShow_(onShow) {}

    protected:
        void showEvent(QShowEvent* /*event*/) override {
            if (onShow_) {
                throw std::runtime_error("the ledger is on fire");
            }
        }

    private:
        bool onShow_;
    };
};

int main(int argc, char* argv[]) {
    Application app(argc, argv); // the program's own fatal-error report
    readReports();
    TstFatal test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_fatal.moc"
