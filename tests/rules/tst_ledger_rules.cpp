#include "ledger/dial.h"
#include "ledger/rating.h"

#include <QTest>

class TestLedgerRules : public QObject {
    Q_OBJECT

private slots:
    void dialStep_data();
    void dialStep();
    void rating_data();
    void rating();
};

void TestLedgerRules::dialStep_data() {
    QTest::addColumn<int>("tryCount");
    QTest::addColumn<int>("gauge"); // -1: the dial does not move
    QTest::addColumn<int>("face");

    QTest::newRow("no guess yet") << 0 << -1 << 0;
    QTest::newRow("first guess starts the first gauge") << 1 << 0 << 1;
    QTest::newRow("seventh guess fills the first gauge") << 7 << 0 << 7;
    QTest::newRow("eighth guess starts the second gauge") << 8 << 1 << 1;
    QTest::newRow("14th guess fills the second gauge") << 14 << 1 << 7;
    QTest::newRow("15th guess starts the third gauge") << 15 << 2 << 1;
    QTest::newRow("21st guess fills the third gauge") << 21 << 2 << 7;
    QTest::newRow("22nd guess starts the last gauge") << 22 << 3 << 1;
    QTest::newRow("28th guess fills the last gauge") << 28 << 3 << 7;
    QTest::newRow("29th guess leaves the dial full") << 29 << -1 << 0;
    QTest::newRow("largest count") << 32767 << -1 << 0;
}

void TestLedgerRules::dialStep() {
    QFETCH(int, tryCount);
    QFETCH(int, gauge);
    QFETCH(int, face);

    const std::optional<rakamlik::DialStep> step = rakamlik::dialStep(tryCount);
    QCOMPARE(step.has_value(), gauge >= 0);
    if (step) {
        QCOMPARE(step->gauge, gauge);
        QCOMPARE(step->face, face);
    }
}

void TestLedgerRules::rating_data() {
    QTest::addColumn<int>("tryCount");
    QTest::addColumn<int>("column"); // -1: no rating
    QTest::addColumn<QString>("text");

    QTest::newRow("first guess") << 1 << 0 << "%100";
    QTest::newRow("second guess") << 2 << 0 << "%85";
    QTest::newRow("seventh guess") << 7 << 0 << "%10";
    QTest::newRow("eighth guess") << 8 << 1 << "%100";
    QTest::newRow("14th guess") << 14 << 1 << "%10";
    QTest::newRow("15th guess") << 15 << 2 << "Çok süper";
    QTest::newRow("16th guess") << 16 << 2 << "Süper";
    QTest::newRow("17th guess") << 17 << 2 << "Çok çok";
    QTest::newRow("18th guess") << 18 << 2 << "Çok";
    QTest::newRow("19th guess") << 19 << 2 << "Oldukça";
    QTest::newRow("20th guess") << 20 << 2 << "Biraz";
    QTest::newRow("21st guess") << 21 << 2 << "Az";
    QTest::newRow("22nd guess") << 22 << 3 << "%10";
    QTest::newRow("23rd guess") << 23 << 3 << "%25";
    QTest::newRow("28th guess") << 28 << 3 << "%100";
    QTest::newRow("no guess") << 0 << -1 << "";
    QTest::newRow("29th guess") << 29 << -1 << "";
    QTest::newRow("largest count") << 32767 << -1 << "";
}

void TestLedgerRules::rating() {
    QFETCH(int, tryCount);
    QFETCH(int, column);
    QFETCH(QString, text);

    const std::optional<rakamlik::Rating> rated = rakamlik::rating(tryCount);
    QCOMPARE(rated.has_value(), column >= 0);
    if (rated) {
        QCOMPARE(rated->column, column);
        QCOMPARE(QString::fromUtf8(rated->text.data(), static_cast<qsizetype>(rated->text.size())),
                 text);
    }
}

QTEST_APPLESS_MAIN(TestLedgerRules)
#include "tst_ledger_rules.moc"
