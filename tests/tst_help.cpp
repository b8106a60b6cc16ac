// SPDX-License-Identifier: GPL-3.0-or-later
// The help beside the board: where it opens on the screens players have, and its text at the
// narrowest it is made there.

#include "app/help.h"
#include "window_fixture.h"

#include <QRegularExpression>
#include <QScrollBar>
#include <QTextBrowser>

using namespace rakamlik;
using namespace Qt::Literals::StringLiterals;

class TstHelp : public QObject {
    Q_OBJECT

private slots:
    // The board's frame as a window manager places it (centred on the screen's available part, or
    // in its corner when larger), and where the help then opens, worked out by hand: 560 by 640
    // and 300 at the narrowest, in a frame of 2 by 25; the keypad and the guess boxes lie at
    // (45, 76) in the board's frame, 207 by 225. On 1366x768 it is narrowed, to the right; on
    // 2560x1440 at scale 2 the left has a pixel more room; on 1920x1080 it is as wide as it likes;
    // on 800x600 it lies over the ledger, off the keypad; on a screen smaller than the board it
    // covers the keypad the least it can, and on one narrower than the narrowest help it fills it.
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
            {"480x360", {0, 0, 480, 360}, {0, 0, 603, 417}, {178, 0, 302, 360}},
            {"240x160", {0, 0, 240, 160}, {0, 0, 603, 417}, {0, 0, 240, 160}}};
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

    // At its narrowest the text reflows between words, the rating table included, and no line
    // needs sideways scrolling; yet that is narrow enough to stand beside the board on a 1280x720
    // screen (328 pixels there). A screen reader hears every row of the rating led by its label.
    void readsAtItsNarrowest() {
        HelpWindow help({u"Şanslı"_s, u"Üstün"_s, u"Normal"_s, u"Anormal"_s});
        help.resize(0, 640);
        help.show();
        QVERIFY(QTest::qWaitForWindowExposed(&help));
        auto* text = help.findChild<QTextBrowser*>();
        QCOMPARE(text->horizontalScrollBar()->maximum(), 0);
        QVERIFY2(help.width() <= 328, qPrintable(QString::number(help.width())));
        // No row of guess counts starts with an empty cell.
        QCOMPARE(text->toPlainText().count(QRegularExpression(u"\n\n\\d+\n"_s)), 0);
    }
};

RAKAMLIK_TEST_MAIN(TstHelp)

#include "tst_help.moc"
