// SPDX-License-Identifier: GPL-3.0-or-later
// The help beside the board: where it opens on the screens players have, and its text at the
// narrowest it is made there.

#include "app/help.h"
#include "window_fixture.h"

#include <QScrollBar>
#include <QTextBrowser>

using namespace rakamlik;

class TstHelp : public QObject {
    Q_OBJECT

private slots:
    // The board's frame as a window manager places it (centred on the screen's available part, or
    // in its corner when larger), and where the help then opens, worked out by hand: 560 by 640
    // and 300 at the narrowest, in a frame of 2 by 25; the keypad and the guess boxes lie at
    // (45, 76) in the board's frame, 207 by 225. On 1366x768 it is narrowed, to the right; on
    // 2560x1440 at scale 2 the left has a pixel more room; on 1920x1080 it is as wide as it likes;
    // on 800x600 it lies over the ledger, off the keypad; on a screen smaller than the board it
    // covers the keypad the least it can.
    void opensBesideTheBoard_data() {
        QTest::addColumn<QRect>("available");
        QTest::addColumn<QRect>("board");
        QTest::addColumn<QRect>("help");
        const std::tuple<const char*, QRect, QRect, QRect> rows[] = {
            {"1366x768", {0, 0, 1366, 768}, {381, 175, 603, 417}, {992, 103, 374, 665}},
            {"1280x720", {0, 0, 1280, 720}, {338, 151, 603, 417}, {949, 55, 331, 665}},
            {"2560x1440 at 2", {0, 0, 1280, 720}, {339, 158, 603, 405}, {0, 55, 331, 665}},
            {"1920x1080", {0, 0, 1920, 1080}, {658, 331, 603, 417}, {1269, 331, 562, 665}},
            {"1600x1000", {0, 0, 1600, 1000}, {498, 291, 603, 417}, {1109, 291, 491, 665}},
            {"1366x768 docked", {70, 27, 1296, 741}, {416, 189, 603, 417}, {1027, 103, 339, 665}},
            {"800x600", {0, 0, 800, 600}, {98, 91, 603, 417}, {498, 0, 302, 600}},
            {"480x360", {0, 0, 480, 360}, {0, 0, 603, 417}, {178, 0, 302, 360}}};
        for (const auto& [screen, available, board, help] : rows) {
            QTest::newRow(screen) << available << board << help;
        }
    }
    void opensBesideTheBoard() {
        QFETCH(QRect, available);
        QFETCH(QRect, board);
        QFETCH(QRect, help);
        const QRect kept(board.topLeft() + QPoint(45, 76), QSize(207, 225));
        QCOMPARE(helpGeometry(available, board, kept, QSize(562, 665), 302), help);
    }

    // The real window on the offscreen platform's 800x800 screen, moved where the help would cover
    // less of the board at the screen's left edge than at its right, and F1: the help lies at the
    // right edge all the same, off the keypad, and as narrow as its text reflows between words,
    // the rating table included, without sideways scrolling. That is still narrow enough to stand
    // beside the board on a 1280x720 screen (328 pixels there). A screen reader hears the rating
    // table's rows of counts led by their label, not by an empty cell.
    void opensAtItsNarrowestOffTheKeypad() {
        testing::WindowFixture f;
        f.window->move(150, 40);
        QTest::keyClick(f.window.get(), Qt::Key_F1);
        auto* help = f.window->findChild<HelpWindow*>();
        const int width = help->minimumSizeHint().width();
        QVERIFY2(width <= 328, qPrintable(QString::number(width)));
        QCOMPARE(help->width(), width);
        QCOMPARE(help->frameGeometry().topRight(), QPoint(799, 40));
        const QWidget* key = f.keypad(1);
        QVERIFY(!help->geometry().intersects(QRect(key->mapToGlobal(QPoint(0, 0)), key->size())));
        QCOMPARE(help->findChild<QTextBrowser*>()->horizontalScrollBar()->maximum(), 0);
        QVERIFY(!help->findChild<QTextBrowser*>()->toPlainText().contains(u"\n\n1\n"));
    }
};

RAKAMLIK_TEST_MAIN(TstHelp)

#include "tst_help.moc"
