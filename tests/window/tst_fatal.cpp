#include "window_fixture.h"

#include <QMessageBox>
#include <QTimer>

#include <stdexcept>

using namespace rakamlik;
using rakamlik::testing::WindowFixture;

class TstFatal : public QObject {
    Q_OBJECT

private slots:
    // Closing the window ends the program at once, and successfully,
    // whatever the game is doing.
    void closingTheWindowEndsWithSuccess_data() {
        QTest::addColumn<QString>("before"); // digits typed after "Yeni"
        QTest::newRow("at start-up") << QString();
        QTest::newRow("mid-guess") << "12";
        QTest::newRow("after a win") << "5082";
    }
    void closingTheWindowEndsWithSuccess() {
        QFETCH(QString, before);
        WindowFixture f;
        if (!before.isNull()) {
            f.newGame(u"5082");
            f.type(before);
        }
        QTimer::singleShot(0, f.window.get(), &QWidget::close);
        QCOMPARE(QApplication::exec(), 0);
    }

    // An exception escaping an event handler is reported in a message box
    // that names the error; once the player has read it, the program ends
    // with a failure status, whether the event loop already ran or not.
    void escapedExceptionIsReportedAndEndsTheProgram_data() {
        QTest::addColumn<bool>("beforeTheLoop");
        QTest::newRow("while showing the window") << true;
        QTest::newRow("in a click") << false;
    }
    void escapedExceptionIsReportedAndEndsTheProgram() {
        QFETCH(bool, beforeTheLoop);
        QString reported;
        QTimer reader; // the player, reading and closing the report
        connect(&reader, &QTimer::timeout, this, [&] {
            if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
                reported = box->text();
                box->accept();
            }
        });
        reader.start(10);
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
    TstFatal test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_fatal.moc"
