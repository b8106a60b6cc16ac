#include "app/application.h"
#include "app/form1.h"
#include "game/random_source.h"

#include <QTest>
#include <QTimer>

#include <memory>
#include <stdexcept>

using namespace rakamlik;

namespace {
QStringList reports; // what the fatal-error reporter was asked to show
}

class TstFatal : public QObject {
    Q_OBJECT

private slots:
    // Closing the window ends the program at once, and successfully.
    void closingTheWindowEndsWithSuccess() {
        Form1 window(std::make_unique<StandardRandom>(), [] {});
        window.show();
        QTimer::singleShot(0, &window, &QWidget::close);
        QCOMPARE(QApplication::exec(), 0);
        QVERIFY(reports.isEmpty());
    }

    // An exception escaping an event handler is reported, naming the
    // error, and the program ends with a failure status.
    void escapedExceptionIsReportedAndEndsTheProgram() {
        Form1 window(std::make_unique<StandardRandom>(), [] {});
        window.show();
        QTimer::singleShot(0, &window, [] { throw std::runtime_error("the ledger is on fire"); });
        QCOMPARE_NE(QApplication::exec(), 0);
        QCOMPARE(reports.size(), 1);
        QVERIFY2(reports.front().contains(QStringLiteral("the ledger is on fire")),
                 qPrintable(reports.front()));
    }
};

int main(int argc, char* argv[]) {
    Application app(argc, argv, [](const QString& message) { reports << message; });
    TstFatal test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_fatal.moc"
