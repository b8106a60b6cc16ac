// SPDX-License-Identifier: GPL-3.0-or-later
// The help beside the board: where it opens on the screens players have, and its text at the
// narrowest it is made there.

#include "app/application.h"
#include "app/help.h"

#include <QScrollBar>
#include <QTest>
#include <QTextBrowser>
#include <QTextTable>

using namespace rakamlik;

class TstHelp : public QObject {
    Q_OBJECT

private slots:
    // The board's frame as a window manager places it (centred on the screen's available part, or
    // in its corner when larger), and where the help then opens, worked out by hand: 560 by 640
    // and 300 at the narrowest, in a frame of 2 by 25; the keypad and the guess boxes lie at
    // (45, 76) in the board's frame, 207 by 225.
    void opensBesideTheBoard_data() {
        QTest::addColumn<QRect>("available");
        QTest::addColumn<QRect>("board");
        QTest::addColumn<QRect>("help");
        QTest::newRow("1366x768: narrowed, to the right")
            << QRect(0, 0, 1366, 768) << QRect(381, 175, 603, 417) << QRect(992, 103, 374, 665);
        QTest::newRow("1280x720") << QRect(0, 0, 1280, 720) << QRect(338, 151, 603, 417)
                                  << QRect(949, 55, 331, 665);
        QTest::newRow("2560x1440 at scale 2: to the left, with a pixel more room")
            << QRect(0, 0, 1280, 720) << QRect(339, 158, 603, 405) << QRect(0, 55, 331, 665);
        QTest::newRow("1920x1080: as wide as it likes")
            << QRect(0, 0, 1920, 1080) << QRect(658, 331, 603, 417) << QRect(1269, 331, 562, 665);
        QTest::newRow("1600x1000")
            << QRect(0, 0, 1600, 1000) << QRect(498, 291, 603, 417) << QRect(1109, 291, 491, 665);
        QTest::newRow("1366x768 with a dock on the left and a bar on top")
            << QRect(70, 27, 1296, 741) << QRect(416, 189, 603, 417) << QRect(1027, 103, 339, 665);
        QTest::newRow("800x600: over the ledger, off the keypad")
            << QRect(0, 0, 800, 600) << QRect(98, 91, 603, 417) << QRect(498, 0, 302, 600);
        QTest::newRow("480x360, smaller than the board: over the keypad the least")
            << QRect(0, 0, 480, 360) << QRect(0, 0, 603, 417) << QRect(178, 0, 302, 360);
        QTest::newRow("240x160, narrower than the narrowest help")
            << QRect(0, 0, 240, 160) << QRect(0, 0, 603, 417) << QRect(0, 0, 240, 160);
    }
    void opensBesideTheBoard() {
        QFETCH(QRect, available);
        QFETCH(QRect, board);
        QFETCH(QRect, help);
        const QRect kept(board.topLeft() + QPoint(45, 76), QSize(207, 225));
        QCOMPARE(helpGeometry(available, board, kept, QSize(562, 665), 302), help);
    }

    // At its narrowest the text reflows, the rating table included, and no line needs sideways
    // scrolling; a screen reader hears every cell of a table with a label or a value.
    void readsAtItsNarrowest() {
        HelpWindow help({QStringLiteral("Şanslı"), QStringLiteral("Üstün"),
                         QStringLiteral("Normal"), QStringLiteral("Anormal")});
        help.resize(300, 640);
        help.show();
        QVERIFY(QTest::qWaitForWindowExposed(&help));
        auto* text = help.findChild<QTextBrowser*>();
        QCOMPARE(text->horizontalScrollBar()->maximum(), 0);
        int cells = 0;
        for (QTextFrame* frame : text->document()->rootFrame()->childFrames()) {
            auto* table = qobject_cast<QTextTable*>(frame);
            for (int row = 0; table != nullptr && row < table->rows(); ++row) {
                for (int column = 0; column < table->columns(); ++column, ++cells) {
                    const QTextTableCell cell = table->cellAt(row, column);
                    QVERIFY2(cell.firstPosition() < cell.lastPosition(),
                             qPrintable(QStringLiteral("row %1, column %2").arg(row).arg(column)));
                }
            }
        }
        QCOMPARE(cells, 8 * 8 + 8 * 2); // the rating's and the keys'
    }
};

int main(int argc, char* argv[]) {
    // The program's own look, which the help's layout depends on.
    Application app(argc, argv, [](const QString& message) { qFatal("%s", qPrintable(message)); });
    TstHelp test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_help.moc"
