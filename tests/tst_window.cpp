// SPDX-License-Identifier: GPL-3.0-or-later
// The window as the player sees, hears and clicks it.

#include "app/bell.h"
#include "app/help.h"
#include "app/version.h"
#include "assets/pictures.h"
#include "game/dial.h"
#include "game/rating.h"
#include "named_lines.h"
#include "window_fixture.h"

#include <QAccessible>
#include <QFontInfo>
#include <QMenu>
#include <QProcess>
#include <QRegularExpression>
#include <QSignalSpy>
#include <QTextBrowser>
#include <QTextTable>
#include <QtEndian>

#include <algorithm>

// Last, for its macros would rename Qt's enumerators; two that this test uses are put back.
#include <X11/XKBlib.h>
#undef KeyPress
#undef KeyRelease

using namespace rakamlik;
using namespace Qt::Literals::StringLiterals;

namespace {

QString nameOf(QWidget* w) {
    return QAccessible::queryAccessibleInterface(w)->text(QAccessible::Name);
}

QAccessible::Role roleOf(QWidget* w) {
    return QAccessible::queryAccessibleInterface(w)->role();
}

QColor captionColour(QWidget* w) {
    return w->palette().color(QPalette::Active, w->foregroundRole());
}

// A control named in a test's data: its role and place, as the design table has them.
struct Place {
    design::Role role;
    int index = 0;
    int column = 0;
};

// What a screen reader was told last, if the announcement is still to be heard.
QString told(const GameWindow& window) {
    auto* notice = window.findChild<Announcer*>();
    return notice->isVisible() ? nameOf(notice) : QString();
}

} // namespace

Q_DECLARE_METATYPE(Place)

class TstWindow : public QObject {
    Q_OBJECT

    std::unique_ptr<testing::WindowFixture> f;

    QWidget* control(const Place& at) const {
        return f->board().control(at.role, at.index, at.column);
    }

private slots:
    void init() {
        // Qt's offscreen platform can't raise a window or grab the keyboard for a menu.
        QTest::failOnWarning(QRegularExpression(u"^(?!This plugin does not support)"_s));
        f = std::make_unique<testing::WindowFixture>();
    }
    void cleanup() { f.reset(); }

    // The window as the desktop and assistive technology know it: a window, with groups of
    // buttons (so its buttons are heard), pictures, and a notification for what changes.
    void theWindow() {
        const GameWindow& w = *f->window;
        QCOMPARE(w.windowTitle(), u"Rakamlik"_s);
        QCOMPARE(w.size(), QSize(601, 392));
        QCOMPARE(w.minimumSize(), w.size());
        QVERIFY(!w.windowIcon().isNull());
        // The window's class on X11 and its app id on Wayland, which the desktop entry names.
        QCOMPARE(QApplication::applicationName(), u"Rakamlik"_s);
        QCOMPARE(QGuiApplication::desktopFileName(), u"org.rakamlik.Rakamlik"_s);
        QCOMPARE(f->random->seeds, 1); // by the window's load
        QCOMPARE(roleOf(f->window.get()), QAccessible::Window);
        QCOMPARE(roleOf(w.findChild<Announcer*>()), QAccessible::Notification);
        QCOMPARE(roleOf(f->gauge(0)), QAccessible::Graphic);
        Panel* board = f->board().board;
        QCOMPARE(roleOf(board), QAccessible::Grouping);
        QCOMPARE(board->caption(), u"       "_s);
        QCOMPARE(board->frameShape(), QFrame::Panel);
        QCOMPARE(board->frameShadow(), QFrame::Raised);
        QCOMPARE(board->lineWidth(), 3);
        // A disabled button is drawn greyed, whatever its caption colour.
        QCOMPARE_NE(f->keypad(1)->palette().color(QPalette::Disabled, QPalette::ButtonText),
                    captionColour(f->keypad(1)));
        // A gauge's frame.
        QCOMPARE(f->window->grab().toImage().pixelColor(288, 16), QColor(Qt::black));
    }

    // Places, colours and faces worked out by hand from the design's twips, colours and points:
    // "left,top widthxheight caption-colour on back-colour, family pixel-size".
    void placesAndLooks_data() {
        using design::Role;
        QTest::addColumn<Place>("place");
        QTest::addColumn<QString>("looks");
        const std::tuple<const char*, Place, const char*> rows[] = {
            {"guess 0", {Role::Guess, 0}, "16,16 51x45 #c04000 on #c0c000, DejaVu Sans 24 bold"},
            {"guess 3, a size larger",
             {Role::Guess, 3},
             "172,16 51x45 #c04000 on #c0c000, DejaVu Sans 26 bold"},
            {"message",
             {Role::Message},
             "142,272 81x25 #00ff00 on #400040, Liberation Serif 16 bold"},
            {"ledger cell 0,0",
             {Role::LedgerCell, 0, 0},
             "298,144 29x21 #000000 on #c0c000, Liberation Sans 13 bold"},
            {"ledger cell 9,3",
             {Role::LedgerCell, 9, 3},
             "394,360 29x21 #000000 on #c0c000, Liberation Sans 13 bold"},
            {"rating value 2",
             {Role::RatingValue, 2},
             "426,92 107x13 #80ffff on #c0c0c0, Liberation Sans 11"},
            {"keypad 5",
             {Role::Keypad, 5},
             "108,164 51x29 #00ff00 on #c0c0c0, Liberation Sans 13 bold"},
            {"keypad 0, under 8",
             {Role::Keypad, 0},
             "108,236 51x29 #00ff00 on #c0c0c0, Liberation Sans 13 bold"},
            {"Yeni", {Role::NewGame}, "6,4 85x57 #000000 on #c0c0c0, Liberation Sans 11"},
            {"Bak", {Role::Reveal}, "6,4 91x21 #000000 on #c0c0c0, Liberation Sans 11"},
            {"memo 9",
             {Role::Memo, 9},
             "556,356 31x25 #000000 on #c0c0c0, Liberation Sans 13 bold"},
            {"board", {Role::Board}, "16,16 261x365 #000000 on #c0c0c0, Liberation Sans 16 bold"},
            {"Bak's frame",
             {Role::RevealFrame},
             "130,304 105x29 #000000 on #c0c0c0, Liberation Sans 11"},
            {"gauge 0", {Role::Gauge, 0}, "288,16 73x65 #000000 on #c0c0c0, Liberation Sans 11"},
            {"marker 0, a pixel left",
             {Role::Marker, 0},
             "433,148 23x19 #000000 on #c0c0c0, Liberation Sans 11"},
            {"backdrop", {Role::Backdrop}, "14,8 233x345 #000000 on #c0c0c0, Liberation Sans 11"}};
        for (const auto& [name, place, looks] : rows) {
            QTest::newRow(name) << place << QString::fromLatin1(looks);
        }
    }
    void placesAndLooks() {
        QFETCH(Place, place);
        QFETCH(QString, looks);
        QWidget* c = control(place);
        const QRect at = c->geometry();
        QCOMPARE(QString::asprintf("%d,%d %dx%d %s on %s, %s %d%s", at.x(), at.y(), at.width(),
                                   at.height(), qPrintable(captionColour(c).name()),
                                   qPrintable(c->palette().color(QPalette::Window).name()),
                                   qPrintable(QFontInfo(c->font()).family()), c->font().pixelSize(),
                                   c->font().bold() ? " bold" : ""),
                 looks);
    }

    // A desktop may maximise the window or make it full-screen: the board stays whole, centred
    // on the grey, and goes back to its corner when the window is restored; the game goes on.
    // tst_window_wayland runs this natively on Wayland, where the compositor insists on its size.
    void maximisedAndRestored() {
        QWidget* board = f->board().board;
        for (const auto state : {Qt::WindowMaximized, Qt::WindowFullScreen}) {
            f->window->windowHandle()->setWindowStates(state);
            QTRY_VERIFY(f->window->width() > 601 && f->window->height() > 392);
            const QSize grey = f->window->size() - QSize(601, 392);
            QCOMPARE(board->pos(), QPoint(16 + grey.width() / 2, 16 + grey.height() / 2));
            QCOMPARE(f->memo(9)->pos(), board->pos() + QPoint(540, 340));
            f->window->windowHandle()->setWindowStates(Qt::WindowNoState);
            QTRY_COMPARE(f->window->size(), QSize(601, 392));
            QCOMPARE(board->pos(), QPoint(16, 16));
        }
        f->newGame("5082");
        f->type("5082");
        QCOMPARE(f->message()->text(), QStringLiteral("tebrikler"));
    }
    // The win is heard: Qt rings no bell on Wayland, so the program plays the sound theme's. X11
    // keeps the X bell and any other platform Qt's beep. tst_window_wayland runs this with a
    // private PulseAudio and records its only output: a losing guess is silent, the win rings.
    void winHeard() {
        QCOMPARE((QList<bool>{bellFromSoundTheme(u"wayland"), bellFromSoundTheme(u"wayland-egl"),
                              bellFromSoundTheme(u"xcb"), bellFromSoundTheme(u"offscreen")}),
                 (QList<bool>{true, true, false, false}));
        if (qEnvironmentVariableIsEmpty("PULSE_SERVER") ||
            !bellFromSoundTheme(QGuiApplication::platformName())) {
            QSKIP("no private sound server to hear it on");
        }
        f = std::make_unique<testing::WindowFixture>(ringBell);
        QProcess parec;
        parec.start(u"parec"_s, {u"-d"_s, u"rakamlik.monitor"_s, u"--raw"_s, u"--format=s16le"_s,
                                 u"--channels=1"_s, u"--rate=8000"_s, u"--latency-msec=20"_s});
        // The loudest sample of the next `ms` milliseconds recorded, or of those until one is
        // louder than `enough`; silence is 0.
        const auto loudest = [&parec](qsizetype ms, int enough = 1 << 16) {
            QByteArray heard;
            int peak = 0;
            for (qsizetype i = 0;
                 heard.size() < ms * 16 && peak <= enough && parec.waitForReadyRead(5000);) {
                for (heard += parec.readAll(); i + 1 < heard.size(); i += 2) {
                    peak = std::max(peak, std::abs(qFromLittleEndian<qint16>(heard.data() + i)));
                }
            }
            return peak;
        };
        loudest(300); // until the recording runs
        f->newGame("5082");
        f->type("1234");
        const int losing = loudest(500);
        f->type("5082");
        const int won = loudest(5000, 2000); // the first bell loads the sound library
        parec.close();
        qInfo("loudest sample after the losing guess %d, after the win %d", losing, won);
        QCOMPARE(f->beeps, 1);
        QCOMPARE_LT(losing, 100);
        QCOMPARE_GT(won, 2000);
    }

    // On X11 the win rings the X bell, once, and a losing guess does not: XKB tells a client of its
    // own of every bell the X server rings. tst_window_x11 runs this on a private Xvfb.
    void winRingsTheXBell() {
        if (QGuiApplication::platformName() != u"xcb"_s) {
            QSKIP("not on X11");
        }
        const std::unique_ptr<Display, int (*)(Display*)> listener(
            XkbOpenDisplay(nullptr, nullptr, nullptr, nullptr, nullptr, nullptr), XCloseDisplay);
        QVERIFY(listener);
        XkbSelectEvents(listener.get(), XkbUseCoreKbd, XkbBellNotifyMask, XkbBellNotifyMask);
        f = std::make_unique<testing::WindowFixture>(ringBell);
        Display* game = qGuiApp->nativeInterface<QNativeInterface::QX11Application>()->display();
        // The bells rung since the last count: once the game's requests are done, any bell among
        // them, and what they caused has reached the listener, which hears of nothing but bells.
        const auto bells = [&] {
            XSync(game, False);
            XSync(listener.get(), False);
            const int rung = XPending(listener.get());
            XSync(listener.get(), True); // and forgets them
            return rung;
        };
        f->newGame("5082");
        f->type("1234");
        QCOMPARE(bells(), 0);
        f->type("5082");
        QCOMPARE(bells(), 1);
    }

    // Later siblings are drawn over earlier ones; the backdrop lies under everything, and where
    // a rating title and a value overlap by a pixel the title is on top.
    void stacking() {
        const auto depth = [](QWidget* w) { return w->parentWidget()->children().indexOf(w); };
        QCOMPARE(depth(f->board().backdrop), 0);
        QCOMPARE_LT(depth(f->message()), depth(f->keypad(1)));
        QCOMPARE_LT(depth(f->message()), depth(f->board().revealFrame));
        QCOMPARE_LT(depth(f->ledgerCell(0, 0)), depth(f->memo(0)));
        QCOMPARE_LT(depth(f->ratingValue(0)), depth(f->ratingTitle(0)));
    }

    // A framed control shows a closed black frame, equally thick on every side (a device pixel
    // per whole step of the scale), its fill inside and nothing of it outside. Along a row and a
    // column through each, in device pixels, the runs of colour met must be: other, black, fill,
    // black, other. tst_window_scaled runs this at 1.25 and 1.75.
    void framesAreClosed_data() {
        using design::Role;
        QTest::addColumn<Place>("place");
        QTest::newRow("guess 0") << Place{Role::Guess, 0};
        QTest::newRow("message") << Place{Role::Message};
        QTest::newRow("ledger cell 9,3") << Place{Role::LedgerCell, 9, 3};
    }
    void framesAreClosed() {
        QFETCH(Place, place);
        const QImage shot = f->window->grab().toImage();
        const qreal scale = shot.devicePixelRatio();
        const int line = std::max(1, qRound(scale));
        QWidget* c = control(place);
        const QRectF at(QPointF(c->mapTo(f->window.get(), QPoint())) * scale, c->size() * scale);
        const QRect box(QPoint(qRound(at.left()) - 1, qRound(at.top()) - 1),
                        QPoint(qRound(at.right()), qRound(at.bottom())));
        const QColor fill = c->palette().color(QPalette::Window);
        for (const bool across : {true, false}) {
            QString runs;
            for (int i = 0; i < (across ? box.width() : box.height()); ++i) {
                const QColor colour = shot.pixelColor(
                    across ? QPoint(box.left() + i, box.top() + box.height() * 85 / 100)
                           : QPoint(box.left() + box.width() / 10, box.top() + i));
                runs += colour == Qt::black ? u'b' : colour == fill ? u'f' : u'o';
            }
            QVERIFY2(
                QRegularExpression(u"^o+b{%1}f+b{%1}o+$"_s.arg(line)).match(runs).hasMatch(),
                qPrintable(u"%1 at %2: %3"_s.arg(across ? "across" : "down").arg(scale).arg(runs)));
        }
        // Between the ledger's first cell and the marker beside it, only the window's grey.
        QCOMPARE(shot.pixelColor((QPointF(440, 155) * scale).toPoint()), QColor(192, 192, 192));
    }

    // Every message and rating the game will ever show fits its label, Turkish letters included.
    void textsFit_data() {
        QTest::addColumn<Place>("place");
        QTest::addColumn<QString>("text");
        for (const char* t : {"Başarılar", "tebrikler", " 5 0 8 2", " 8 9 4 0", "Q X T"}) {
            QTest::addRow("message %s", t) << Place{design::Role::Message} << QString::fromUtf8(t);
        }
        for (int guesses = 1; guesses <= dialSteps; ++guesses) {
            const Rating r = rating(guesses).value();
            const QString text = QString::fromUtf8(r.text);
            QTest::addRow("rating value %d %s", r.column, qPrintable(text))
                << Place{design::Role::RatingValue, r.column} << text;
        }
    }
    void textsFit() {
        QFETCH(Place, place);
        QFETCH(QString, text);
        auto* label = qobject_cast<QLabel*>(control(place));
        const QFontMetrics metrics(label->font());
        QCOMPARE_LE(metrics.horizontalAdvance(text), label->contentsRect().width());
        QCOMPARE_LE(metrics.ascent() + metrics.descent(), label->contentsRect().height() + 1);
        QVERIFY(std::ranges::all_of(text, [&](QChar c) { return metrics.inFont(c); }));
    }

    // The board as the player sees and hears it after clicks, as "name=value" lines: "heard" what
    // a screen reader was told last, "open" the keypad's digits that take a press with B for
    // "Bak" and M for the memo buttons, "row<n>" a ledger row's digits with the marks its marker
    // shows (blue/red) and says, "gauges" each gauge's face with what the first says, "rating" the
    // column shown and its text, "memo7" that button's caption colour and description.
    // Keys: digits on the keypad, "m" memo button 7, "B" "Bak", "N" "Yeni"; the secret is 5082.
    void boardShows_data() {
        QTest::addColumn<QString>("keys");
        QTest::addColumn<QString>("shows");
        QTest::newRow("at start-up") << u""_s << u"heard=|message=Q X T|guess=|open=|rating=none"_s;
        QTest::newRow("Yeni") << u"N"_s << u"heard=Başarılar|message=Başarılar|open=0123456789BM"_s;
        QTest::newRow("a guess") << u"N5234"_s
                                 << u"heard=5 2 3 4, 1 mavi, 1 kırmızı işaret|guess=5234"
                                    "|row0=5234 1/1 1 mavi, 1 kırmızı işaret|row1= 0/0 "_s;
        QTest::newRow("typed digits are locked")
            << u"N523450"_s
            << u"heard=5 2 3 4, 1 mavi, 1 kırmızı işaret|guess=50|open=12346789BM"_s;
        QTest::newRow("the ledger, newest first")
            << u"N134628505234"_s
            << u"row0=5234 1/1 1 mavi, 1 kırmızı işaret|row1=2850 0/4 4 kırmızı işaret"
               "|row2=1346 0/0 bulunan rakam yok|row3= 0/0 |gauges=3000 7 adımdan üçü"_s;
        QTest::newRow("the dial full")
            << u"N"_s + u"1346"_s.repeated(29) << u"gauges=7777 dolu|rating=none"_s;
        QTest::newRow("the win") << u"N134650825"_s
                                 << u"heard=5 0 8 2, 4 mavi işaret, tebrikler. Şanslı, %85"
                                    "|message=tebrikler|guess=5082|open=M|rating=0 %85|beeps=1"
                                    "|row0=5082 4/0 4 mavi işaret|gauges=2000 7 adımdan ikisi"_s;
        QTest::newRow("Yeni after a win")
            << u"Nmm50825082N"_s
            << u"message=Başarılar|open=0123456789BM|rating=none|row0= 0/0 |gauges=0000 boş"
               "|memo7=#000000 siyah"_s;
        QTest::newRow("Bak") << u"N12B"_s << u"heard=5 0 8 2|message= 5 0 8 2|guess=12"_s;
        QTest::newRow("memo twice") << u"Nmm"_s << u"heard=kırmızı|memo7=#ff0000 kırmızı"_s;
    }
    void boardShows() {
        QFETCH(QString, keys);
        QFETCH(QString, shows);
        f->random->draw("5082");
        for (const QChar key : keys) {
            QTest::mouseClick(key == u'm'   ? f->memo(7)
                              : key == u'B' ? f->revealButton()
                              : key == u'N' ? static_cast<QWidget*>(f->newGameButton())
                                            : f->keypad(key.digitValue()),
                              Qt::LeftButton);
        }
        QStringList board{u"heard="_s + told(*f->window), u"message="_s + f->message()->text(),
                          u"beeps=%1"_s.arg(f->beeps)};
        QString guess;
        QString open;
        for (int place = 0; place < guessLength; ++place) {
            guess += f->guessBox(place)->text();
        }
        for (int digit = 0; digit < digitCount; ++digit) {
            open += f->keypad(digit)->isEnabled() ? QString::number(digit) : QString();
        }
        board << u"guess="_s + guess
              << u"open="_s + open + (f->revealButton()->isEnabled() ? u"B"_s : QString()) +
                     (f->memo(0)->isEnabled() ? u"M"_s : QString());
        // Which of the game's pictures a box shows, by its marks or its face.
        const auto marks = [](const ImageBox* box) {
            for (int blue = 0; blue <= guessLength; ++blue) {
                for (int red = 0; blue + red <= guessLength; ++red) {
                    if (blue + red == 0 || (blue == 3 && red == 1)) {
                        continue;
                    }
                    if (box->picture().pixmap.cacheKey() ==
                        pictures::marker(blue, red).cacheKey()) {
                        return u"%1/%2"_s.arg(blue).arg(red);
                    }
                }
            }
            return box->picture().isEmpty() ? u"0/0"_s : u"?"_s;
        };
        for (int row = 0; row < ledgerRows; ++row) {
            QString digits;
            for (int column = 0; column < guessLength; ++column) {
                digits += f->ledgerCell(row, column)->text();
            }
            board << u"row%1=%2 %3 %4"_s.arg(row).arg(digits, marks(f->marker(row)),
                                                      nameOf(f->marker(row)));
        }
        QString faces;
        for (int g = 0; g < gaugeCount; ++g) {
            for (int face = 0; face <= stepsPerGauge; ++face) {
                faces += f->gauge(g)->picture().pixmap.cacheKey() == pictures::face(face).cacheKey()
                             ? QString::number(face)
                             : QString();
            }
        }
        board << u"gauges=%1 %2"_s.arg(faces, nameOf(f->gauge(0)));
        QString rating = u"none"_s;
        for (int column = 0; column < gaugeCount; ++column) {
            if (f->ratingTitle(column)->isVisible()) {
                rating = u"%1 %2"_s.arg(column).arg(f->ratingValue(column)->text());
            }
        }
        board << u"rating="_s + rating
              << u"memo7=%1 %2"_s.arg(captionColour(f->memo(7)).name(),
                                      f->memo(7)->accessibleDescription());
        const auto [named, expected] = testing::namedLines(board, shows);
        QCOMPARE(named, expected);
    }

    // The win is drawn: "tebrikler" in the message's colour, and the marker's blue marks.
    void theWinIsDrawn() {
        f->newGame("5082");
        f->type("5082");
        const QImage message = f->message()->grab().toImage().convertToFormat(QImage::Format_RGB32);
        const auto* pixels = reinterpret_cast<const QRgb*>(message.constBits());
        QCOMPARE_GT(std::count(pixels, pixels + message.sizeInBytes() / 4, qRgb(0, 255, 0)), 20);
        QCOMPARE(f->window->grab().toImage().pixelColor(QPoint(433 + 2 + 12, 148 + 2 + 9)),
                 QColor(128, 128, 255)); // the first blue mark's body
    }

    // The focused button shows a dotted rectangle in its caption's colour three pixels inside its
    // edge, once the focus came from the keyboard (orca_game hears the order Tab follows).
    void keyboardFocusIsShown() {
        f->window->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(f->window.get()));
        Button* yeni = f->newGameButton();
        const auto dotsOnTopEdge = [yeni] {
            const QImage image = yeni->grab().toImage();
            int dots = 0;
            for (int x = 4; x < image.width() - 4; ++x) {
                dots += image.pixelColor(x, 3) == QColor(0, 0, 0) ? 1 : 0;
            }
            return dots;
        };
        QCOMPARE(dotsOnTopEdge(), 0);
        f->keypad(0)->setFocus(Qt::TabFocusReason);
        QTest::keyClick(f->keypad(0), Qt::Key_Tab); // to "Yeni"
        QCOMPARE_GT(dotsOnTopEdge(), (yeni->width() - 8) / 4);
    }

    // Tab goes round the keypad from 1 to 0, "Yeni", the memo buttons from 0 to 9 and "Bak".
    void tabOrder() {
        f->newGame("5082");
        f->window->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(f->window.get()));
        f->keypad(1)->setFocus(Qt::TabFocusReason);
        QStringList order;
        for (int i = 0; i < 23; ++i) {
            order.append(QApplication::focusWidget()->objectName());
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        }
        QCOMPARE(order.join(u' '),
                 u"keypad1 keypad2 keypad3 keypad4 keypad5 keypad6 keypad7 keypad8 "
                 "keypad9 keypad0 newGame memo0 memo1 memo2 memo3 memo4 memo5 "
                 "memo6 memo7 memo8 memo9 reveal keypad1"_s);
    }

    // Space, Return and the keypad's Enter press the focused button; Return with Shift or Ctrl,
    // or a held key's repeat, does not. Each key goes to another digit's button.
    void keysPressTheFocusedButton() {
        f->newGame("5082");
        const std::tuple<int, Qt::KeyboardModifiers, bool> keys[] = {
            {Qt::Key_Return, Qt::ShiftModifier, false}, // these three type nothing
            {Qt::Key_Return, Qt::ControlModifier, false},
            {Qt::Key_Return, Qt::NoModifier, true}, // a repeat
            {Qt::Key_Space, Qt::NoModifier, false}, // these type 4, 5 and 6
            {Qt::Key_Return, Qt::NoModifier, false},
            {Qt::Key_Enter, Qt::KeypadModifier, false}};
        for (int d = 1; d <= 6; ++d) {
            const auto& [key, modifiers, repeat] = keys[d - 1];
            for (const QEvent::Type type : {QEvent::KeyPress, QEvent::KeyRelease}) {
                QKeyEvent event(type, key, modifiers, {}, repeat);
                QApplication::sendEvent(f->keypad(d), &event);
            }
        }
        QCOMPARE(f->window->game().guess(), (std::array<std::string, 4>{"4", "5", "6", ""}));
    }

    // The digit keys, on the main row or the numeric keypad, press the keypad's buttons, at once:
    // the next guess's first digit may follow the last one's at typing speed. A locked digit's
    // key does nothing. Screen readers hear a button's key.
    void digitKeysType() {
        f->newGame("5082");
        f->window->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(f->window.get()));
        QAccessibleInterface* seven = QAccessible::queryAccessibleInterface(f->keypad(7));
        QCOMPARE(seven->actionInterface()->keyBindingsForAction(
                     QAccessibleActionInterface::pressAction()),
                 QStringList(u"7"_s));
        // Every digit's key; 5 twice, the second time locked.
        for (const auto& [key, modifiers] : {std::pair{Qt::Key_4, Qt::NoModifier},
                                             {Qt::Key_5, Qt::KeypadModifier},
                                             {Qt::Key_5, Qt::NoModifier},
                                             {Qt::Key_6, Qt::NoModifier},
                                             {Qt::Key_7, Qt::KeypadModifier},
                                             {Qt::Key_4, Qt::NoModifier},
                                             {Qt::Key_0, Qt::KeypadModifier},
                                             {Qt::Key_1, Qt::NoModifier},
                                             {Qt::Key_2, Qt::NoModifier},
                                             {Qt::Key_8, Qt::NoModifier},
                                             {Qt::Key_9, Qt::KeypadModifier},
                                             {Qt::Key_3, Qt::NoModifier}}) {
            QTest::keyClick(f->window.get(), key, modifiers);
        }
        QCOMPARE(f->window->game().ledger()[1].digits, (Game::Guess{"4", "5", "6", "7"}));
        QCOMPARE(f->window->game().ledger()[0].digits, (Game::Guess{"4", "0", "1", "2"}));
        QCOMPARE(f->window->game().guess(), (Game::Guess{"8", "9", "3", ""}));
    }

    // The keys around the board, each acting once, whether the menu is open ("menu, ...") or not:
    // the window and the menu share one action for each command. Ctrl+N starts a new game; F1
    // opens the help, once however often it is pressed, and the game goes on behind it; Esc
    // closes it and the focus is back where it was; Ctrl+Q closes the window, from the help too.
    // A right click, the Menu key (a context menu event from the keyboard, to the focused button)
    // and Shift+F10 open the menu, whose "Hakkında" shows the build's version.
    void keysAroundTheBoard_data() {
        QTest::addColumn<QString>("keys"); // "menu" for the Menu key, "click" for a right click
        QTest::addColumn<QString>("acts");
        QTest::newRow("Ctrl+N") << u"Ctrl+N"_s << u"Yeni oyun"_s;
        QTest::newRow("F1 twice") << u"F1, F1"_s << u"Nasıl oynanır Nasıl oynanır"_s;
        QTest::newRow("F1 and Esc") << u"F1, Esc"_s << u"Nasıl oynanır"_s;
        QTest::newRow("Ctrl+Q") << u"Ctrl+Q"_s << u"Çık"_s;
        QTest::newRow("Ctrl+Q in the help") << u"F1, Ctrl+Q"_s << u"Nasıl oynanır Çık"_s;
        QTest::newRow("Ctrl+N in the help") << u"F1, Ctrl+N"_s << u"Nasıl oynanır Yeni oyun"_s;
        QTest::newRow("menu, Ctrl+N") << u"menu, Ctrl+N"_s << u"Yeni oyun"_s;
        QTest::newRow("menu, F1") << u"menu, F1"_s << u"Nasıl oynanır"_s;
        QTest::newRow("menu, Ctrl+Q") << u"menu, Ctrl+Q"_s << u"Çık"_s;
        QTest::newRow("right click") << u"click"_s << u"Hakkında"_s;
        QTest::newRow("Menu key") << u"menu"_s << u"Hakkında"_s;
        QTest::newRow("Shift+F10") << u"Shift+F10"_s << u"Hakkında"_s;
    }
    void keysAroundTheBoard() {
        QFETCH(QString, keys);
        QFETCH(QString, acts);
        f->newGame("5082");
        f->window->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(f->window.get()));
        f->keypad(7)->setFocus(Qt::TabFocusReason);
        QStringList acted;
        for (QAction* action : f->window->actions()) {
            connect(action, &QAction::triggered, this,
                    [&acted, action] { acted << action->text(); });
        }
        for (const QString& key : keys.split(u", "_s)) {
            if (key == u"click"_s || key == u"menu"_s) {
                // What the platform makes of a right click or the Menu key, sent to what lies
                // under the pointer or has the focus; the window takes what they leave.
                const bool click = key == u"click"_s;
                QContextMenuEvent event(click ? QContextMenuEvent::Mouse
                                              : QContextMenuEvent::Keyboard,
                                        {2, 2}, f->window->mapToGlobal(QPoint(150, 280)));
                QApplication::sendEvent(click ? static_cast<QWidget*>(f->message()) : f->keypad(7),
                                        &event);
                continue;
            }
            const QKeySequence sequence(key);
            QWidget* to = QApplication::activePopupWidget() != nullptr
                              ? QApplication::activePopupWidget()
                              : QApplication::focusWidget();
            QTest::keyClick(to, sequence[0].key(), sequence[0].keyboardModifiers());
            if (auto* help = f->window->findChild<HelpWindow*>(); help && help->isVisible()) {
                QTRY_COMPARE(QApplication::activeWindow(), help);
            }
        }
        auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
        if (acts == u"Hakkında"_s) {
            QVERIFY(menu != nullptr);
            QStringList items;
            for (const QAction* action : menu->actions()) {
                items.append(action->text() + u' ' + action->shortcut().toString());
            }
            QCOMPARE(items, QStringList({u"Yeni oyun Ctrl+N"_s, u"Nasıl oynanır F1"_s,
                                         u"Hakkında "_s, u" "_s, u"Çık Ctrl+Q"_s}));
            menu->actions()[2]->trigger();
            menu->close();
            auto* about = f->window->findChild<QDialog*>(u"about"_s);
            QTRY_VERIFY(about != nullptr && about->isVisible());
            const QString text = about->findChild<QTextBrowser*>()->toPlainText();
            QVERIFY(text.contains(u"Rakamlik "_s + QLatin1String(RAKAMLIK_VERSION)));
            QVERIFY(text.contains(u"Kamu Lisansı"_s));
        }
        QCOMPARE(acted.join(u' '), acts);
        const auto helps = f->window->findChildren<HelpWindow*>();
        QCOMPARE(helps.size(), acts.startsWith(u"Nasıl"_s) ? 1 : 0);
        QCOMPARE(f->window->isVisible(), !acts.endsWith(u"Çık"_s));
        QCOMPARE(f->random->taken,
                 acts.endsWith(u"Yeni oyun"_s) ? 8U : 4U); // a new game draws again
        if (keys == u"F1, Esc"_s) {
            QVERIFY(!helps[0]->isVisible());
            QTRY_COMPARE(QApplication::focusWidget(), f->keypad(7));
        } else if (!helps.isEmpty() && f->window->isVisible()) {
            QTRY_COMPARE(QApplication::activeWindow(), helps[0]);
            QTest::mouseClick(f->keypad(3), Qt::LeftButton); // the game goes on behind it
            QCOMPARE(f->window->game().guess()[0], std::string("3"));
        }
    }

    // The help's rating table: the guess counts of each column, and the board's words for them
    // under the column's title. None of its markup is left for the player to read.
    void helpRatingTable_data() {
        QTest::addColumn<int>("guesses");
        QTest::addColumn<QString>("title");
        QTest::addColumn<QString>("rated");
        QTest::newRow("1") << 1 << u"Şanslı"_s << u"%100"_s;
        QTest::newRow("8") << 8 << u"Üstün"_s << u"%100"_s;
        QTest::newRow("15") << 15 << u"Normal"_s << u"Çok süper"_s;
        QTest::newRow("21") << 21 << u"Normal"_s << u"Az"_s;
        QTest::newRow("28") << 28 << u"Anormal"_s << u"%100"_s;
    }
    void helpRatingTable() {
        QFETCH(int, guesses);
        QFETCH(QString, title);
        QFETCH(QString, rated);
        QTest::keyClick(f->window.get(), Qt::Key_F1);
        const QTextDocument* page = f->window->findChild<QTextBrowser*>()->document();
        QCOMPARE(page->toPlainText().count(QRegularExpression(u"[<>]"_s)), 0);
        QTextTable* table = nullptr;
        for (QTextFrame* frame : page->rootFrame()->childFrames()) {
            auto* t = qobject_cast<QTextTable*>(frame);
            table = t != nullptr && t->columns() == 8 ? t : table;
        }
        QVERIFY(table != nullptr);
        const auto cell = [table](int row, int column) {
            QTextCursor c = table->cellAt(row, column).firstCursorPosition();
            c.movePosition(QTextCursor::EndOfBlock, QTextCursor::KeepAnchor);
            return c.selectedText();
        };
        const int row = (guesses - 1) / 7 * 2;
        const int column = (guesses - 1) % 7 + 1;
        QCOMPARE(cell(row, column), QString::number(guesses));
        QCOMPARE(cell(row + 1, column), rated);
        QCOMPARE(cell(row + 1, 0), title);
    }
};

RAKAMLIK_TEST_MAIN(TstWindow)

#include "tst_window.moc"
