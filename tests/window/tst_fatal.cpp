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
    // with a failure status.
    void escapedExceptionIsReportedAndEndsTheProgram() {
        WindowFixture f;
        QTimer::singleShot(0, f.window.get(),
                           [] { throw std::runtime_error("the ledger is on fire"); });
        QString reported;
        QTimer reader;
        connect(&reader, &QTimer::timeout, this, [&] {
            if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
                reported = box->text();
                box->accept();
            }
        });
        reader.start(10);
        QCOMPARE_NE(QApplication::exec(), 0);
        QVERIFY2(reported.contains(QStringLiteral("the ledger is on fire")), qPrintable(reported));
    }
};

int main(int argc, char* argv[]) {
    Application app(argc, argv); // the program's own fatal-error report
    TstFatal test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_fatal.moc"
