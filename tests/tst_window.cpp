// SPDX-License-Identifier: GPL-3.0-or-later
// The window as the player sees, hears and clicks it.

#include "app/bell.h"
#include "app/help.h"
#include "assets/pictures.h"
#include "game/dial.h"
#include "game/rating.h"
#include "window_fixture.h"

#include <QAccessible>
#include <QFontInfo>
#include <QMenu>
#include <QProcess>
#include <QRegularExpression>
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

} // namespace

class TstWindow : public QObject {
    Q_OBJECT

    std::unique_ptr<testing::WindowFixture> f;

private slots:
    void init() {
        // Qt's offscreen platform can't raise a window or grab the keyboard for a menu.
        QTest::failOnWarning(QRegularExpression(u"^(?!This plugin does not support)"_s));
        f = std::make_unique<testing::WindowFixture>();
    }
    void cleanup() { f.reset(); }

    // The window as the desktop and assistive technology know it: a window, with groups of
    // buttons (so its buttons are heard), pictures, and a notification for what changes. (Each
    // control's place, look and text are checked by hand below, and the design table itself as
    // the window is built.)
    void theWindow() {
        const Form1& w = *f->window;
        QCOMPARE(w.windowTitle(), u"Rakamlik"_s);
        QCOMPARE(w.size(), QSize(601, 392));
        QCOMPARE(w.minimumSize(), w.size());
        QVERIFY(!w.windowIcon().isNull());
        // The window's class on X11 and its app id on Wayland, which the desktop entry names.
        QCOMPARE(QApplication::applicationName(), u"Rakamlik"_s);
        QCOMPARE(QGuiApplication::desktopFileName(), u"org.rakamlik.Rakamlik"_s);
        QCOMPARE(roleOf(f->window.get()), QAccessible::Window);
        QCOMPARE(roleOf(w.findChild<Announcer*>()), QAccessible::Notification);
        QCOMPARE(roleOf(f->get("Image33")), QAccessible::Graphic);
        auto* board = f->get<Panel>("SSPanel1");
        QCOMPARE(roleOf(board), QAccessible::Grouping);
        QCOMPARE(std::tuple(board->caption(), board->frameShadow(), board->lineWidth()),
                 std::tuple(u"       "_s, QFrame::Raised, 3));
        // A disabled button is drawn greyed, whatever its caption colour.
        QCOMPARE_NE(f->keypad(1)->palette().color(QPalette::Disabled, QPalette::ButtonText),
                    captionColour(f->keypad(1)));
        // A gauge's frame.
        QCOMPARE(f->window->grab().toImage().pixelColor(288, 16), QColor(Qt::black));
    }

    // Places, colours and faces worked out by hand from the design's twips, colours and points:
    // "left,top widthxheight caption-colour on back-colour, family pixel-size".
    void placesAndLooks() {
        const std::pair<const char*, const char*> rows[] = {
            {"Label1", "16,16 51x45 #c04000 on #c0c000, DejaVu Sans 24 bold"},
            {"Label4", "172,16 51x45 #c04000 on #c0c000, DejaVu Sans 26 bold"}, // a size larger
            {"Label6", "142,272 81x25 #00ff00 on #400040, Liberation Serif 16 bold"},
            {"Label5(0)", "298,144 29x21 #000000 on #c0c000, Liberation Sans 13 bold"},
            {"Label13", "426,92 107x13 #80ffff on #c0c0c0, Liberation Sans 11"},
            {"Label10", "526,104 67x13 #ffff00 on #c0c0c0, Liberation Sans 11"},
            {"SSCommand10",
             "108,236 51x29 #00ff00 on #c0c0c0, Liberation Sans 13 bold"}, // 0, under 8
            {"SSCommand11", "6,4 85x57 #000000 on #c0c0c0, Liberation Sans 11"},
            {"SSCommand12", "6,4 91x21 #000000 on #c0c0c0, Liberation Sans 11"},
            {"SSCommand13", "556,140 31x25 #000000 on #c0c0c0, Liberation Sans 13 bold"},
            {"SSPanel1", "16,16 261x365 #000000 on #c0c0c0, Liberation Sans 16 bold"},
            {"SSPanel3", "12,24 237x77 #000000 on #c0c0c0, Liberation Sans 9"},
            {"SSPanel4", "130,304 105x29 #000000 on #c0c0c0, Liberation Sans 11"},
            {"Image33", "288,16 73x65 #000000 on #c0c0c0, Liberation Sans 11"},
            {"Image1", "433,148 23x19 #000000 on #c0c0c0, Liberation Sans 11"}, // a pixel left
            {"Image10", "434,364 15x5 #000000 on #c0c0c0, Liberation Sans 11"},
            {"Image38", "14,8 233x345 #000000 on #c0c0c0, Liberation Sans 11"}};
        for (const auto& [name, looks] : rows) {
            QWidget* c = f->get(QString::fromLatin1(name));
            const QRect at = c->geometry();
            QCOMPARE(QString::asprintf("%d,%d %dx%d %s on %s, %s %d%s", at.x(), at.y(), at.width(),
                                       at.height(), qPrintable(captionColour(c).name()),
                                       qPrintable(c->palette().color(QPalette::Window).name()),
                                       qPrintable(QFontInfo(c->font()).family()),
                                       c->font().pixelSize(), c->font().bold() ? " bold" : ""),
                     QString::fromLatin1(looks));
        }
    }

    // A desktop may maximise the window or make it full-screen: the board stays whole, centred
    // on the grey, and goes back to its corner when the window is restored; the game goes on.
    // tst_window_wayland runs this natively on Wayland, where the compositor insists on its size.
    void maximisedAndRestored() {
        QWidget* board = f->get("SSPanel1");
        for (const auto state : {Qt::WindowMaximized, Qt::WindowFullScreen}) {
            f->window->windowHandle()->setWindowStates(state);
            QTRY_VERIFY(f->window->width() > 601 && f->window->height() > 392);
            const QSize grey = f->window->size() - QSize(601, 392);
            QCOMPARE(board->pos(), QPoint(16 + grey.width() / 2, 16 + grey.height() / 2));
            QCOMPARE(f->get("SSCommand22")->pos(), board->pos() + QPoint(540, 340));
            f->window->windowHandle()->setWindowStates(Qt::WindowNoState);
            QTRY_COMPARE(f->window->size(), QSize(601, 392));
            QCOMPARE(board->pos(), QPoint(16, 16));
        }
        f->newGame("5082");
        f->type("5082");
        QCOMPARE(f->get<QLabel>("Label6")->text(), QStringLiteral("tebrikler"));
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
        const auto depth = [&](const char* name) {
            QWidget* w = f->get(QString::fromLatin1(name));
            return w->parentWidget()->children().indexOf(w);
        };
        QCOMPARE(depth("Image38"), 0);
        QCOMPARE_LT(depth("Label6"), depth("SSCommand1"));
        QCOMPARE_LT(depth("Label6"), depth("SSPanel4"));
        QCOMPARE_LT(depth("Label5(0)"), depth("SSCommand13"));
        QCOMPARE_LT(depth("Label11"), depth("Label7"));
    }

    // A framed control shows a closed black frame, equally thick on every side (a device pixel
    // per whole step of the scale), its fill inside and nothing of it outside. Along a row and a
    // column through each, in device pixels, the runs of colour met must be: other, black, fill,
    // black, other. tst_window_scaled runs this at 1.25 and 1.75.
    void framesAreClosed() {
        const QImage shot = f->window->grab().toImage();
        const qreal scale = shot.devicePixelRatio();
        const int line = std::max(1, qRound(scale));
        for (const char* name : {"Label1", "Label4", "Label6", "Label5(0)", "Label5(39)"}) {
            QWidget* c = f->get(QString::fromLatin1(name));
            const QRectF at(QPointF(c->mapTo(f->window.get(), QPoint())) * scale,
                            c->size() * scale);
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
                    qPrintable(u"%1 at %2: %3"_s.arg(name).arg(scale).arg(runs)));
            }
        }
        QCOMPARE(shot.pixelColor((QPointF(440, 155) * scale).toPoint()), QColor(192, 192, 192));
    }

    // Every message and rating the game will ever show fits its label, Turkish letters included.
    void textsFit_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("text");
        for (const char* t : {"Başarılar", "tebrikler", " 5 0 8 2", " 8 9 4 0", "Q X T"}) {
            QTest::addRow("Label6 %s", t) << u"Label6"_s << QString::fromUtf8(t);
        }
        for (int guesses = 1; guesses <= 28; ++guesses) {
            const Rating r = rating(guesses).value();
            const QString text = QString::fromUtf8(r.text);
            QTest::addRow("Label%d %s", 11 + r.column, qPrintable(text))
                << u"Label%1"_s.arg(11 + r.column) << text;
        }
    }
    void textsFit() {
        QFETCH(QString, name);
        QFETCH(QString, text);
        auto* label = f->get<QLabel>(name);
        const QFontMetrics metrics(label->font());
        QCOMPARE_LE(metrics.horizontalAdvance(text), label->contentsRect().width());
        QCOMPARE_LE(metrics.ascent() + metrics.descent(), label->contentsRect().height() + 1);
        QVERIFY(std::ranges::all_of(text, [&](QChar c) { return metrics.inFont(c); }));
    }

    // A short game with real clicks, as the widgets show it and a screen reader hears it. The
    // load has seeded the generator once.
    void aShortGame() {
        QCOMPARE(f->random->seeds, 1);
        QWidget* memo7 = f->get("SSCommand20");
        // What a screen reader is told of each change, at once.
        const auto told = [notice = f->window->findChild<Announcer*>()] {
            return notice->isVisible() ? nameOf(notice) : QString();
        };
        QCOMPARE(told(), QString());
        f->newGame("5082");
        QCOMPARE(told(), u"Başarılar"_s);
        f->type("134628505234");
        QCOMPARE(told(), u"5 2 3 4: 1 mavi, 1 kırmızı işaret"_s);
        QTest::mouseClick(memo7, Qt::LeftButton);
        QTest::mouseClick(memo7, Qt::LeftButton);
        QCOMPARE(told(), u"kırmızı"_s);
        f->type("50");
        QCOMPARE(f->keypad(5)->isEnabled(), false);
        QCOMPARE(f->keypad(8)->isEnabled(), true);
        f->type("82");
        QCOMPARE(f->beeps, 1);
        QCOMPARE(told(), u"5 0 8 2: 4 mavi işaret, tebrikler. Şanslı %55"_s);
        QString ledger;
        for (int i = 0; i < 20; ++i) {
            ledger += f->get<QLabel>(u"Label5(%1)"_s.arg(i))->text();
        }
        QCOMPARE(ledger, u"5082523428501346"_s);
        QCOMPARE(f->get<QLabel>("Label4")->text(), u"2"_s);
        // What an image box shows, and what it is heard as.
        const auto shown = [&](const char* box) {
            auto* image = f->get<ImageBox>(box);
            return std::pair(image->picture().pixmap.cacheKey(), nameOf(image));
        };
        const auto picture = [](const QPixmap& pixmap, const std::string& heard) {
            return std::pair(pixmap.cacheKey(), toQString(heard));
        };
        QCOMPARE(shown("Image1"), picture(pictures::marker(4, 0), "4 mavi işaret"));
        QCOMPARE(shown("Image2"), picture(pictures::marker(1, 1), "1 mavi, 1 kırmızı işaret"));
        QCOMPARE(shown("Image3"), picture(pictures::marker(0, 4), "4 kırmızı işaret"));
        QCOMPARE(shown("Image4"), picture(QPixmap(), "bulunan rakam yok"));
        QCOMPARE(shown("Image33"), picture(pictures::face(4), gaugeName(4)));
        QCOMPARE(shown("Image38"), picture(pictures::backdrop(), "")); // the parchment
        QCOMPARE(f->window->grab().toImage().pixelColor(QPoint(433 + 2 + 12, 148 + 2 + 9)),
                 QColor(128, 128, 255)); // the first blue mark's body
        QCOMPARE(f->get("Label7")->isVisible(), true);
        QCOMPARE(f->get("Label8")->isVisible(), false);
        QCOMPARE(nameOf(f->get("Label11")), u"%55"_s);
        QCOMPARE(nameOf(f->get("Label6")), u"tebrikler"_s);
        // The caption is drawn, in its colour.
        const QImage message =
            f->get("Label6")->grab().toImage().convertToFormat(QImage::Format_RGB32);
        const auto* pixels = reinterpret_cast<const QRgb*>(message.constBits());
        QCOMPARE_GT(std::count(pixels, pixels + message.sizeInBytes() / 4, qRgb(0, 255, 0)), 20);
        QCOMPARE(f->keypad(1)->isEnabled(), false);
        QCOMPARE(f->get("SSCommand12")->isEnabled(), false);
        QCOMPARE(captionColour(memo7), QColor(255, 0, 0));
        QCOMPARE(memo7->accessibleDescription(), u"kırmızı"_s);

        f->newGame("9876");
        QCOMPARE(f->get("Label7")->isVisible(), false);
        QCOMPARE(f->get<QLabel>("Label11")->text(), QString());
        QCOMPARE(f->get<QLabel>("Label5(0)")->text(), QString());
        QCOMPARE(nameOf(f->get("Label6")), u"Başarılar"_s);
        QCOMPARE(shown("Image1"), picture(QPixmap(), ""));
        QCOMPARE(shown("Image33"), picture(pictures::face(0), gaugeName(0)));
        QCOMPARE(captionColour(memo7), QColor(0, 0, 0));
        QCOMPARE(memo7->accessibleDescription(), u"siyah"_s);
        QTest::mouseClick(f->get("SSCommand12"), Qt::LeftButton);
        QCOMPARE(f->get<QLabel>("Label6")->text(), u" 9 8 7 6"_s);
        QCOMPARE(told(), u"9 8 7 6"_s);
    }

    // The keyboard (orca_game hears the order Tab follows): the focused button shows a dotted
    // rectangle in its caption's colour three pixels inside its edge. Space, Return and the
    // keypad's Enter press it; Return with Shift or Ctrl, or a held key's repeat, does not.
    void keyboard() {
        f->newGame("5082");
        f->window->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(f->window.get()));
        auto* yeni = f->get<QPushButton>("SSCommand11");
        const auto dotsOnTopEdge = [&] {
            const QImage image = yeni->grab().toImage();
            int dots = 0;
            for (int x = 4; x < image.width() - 4; ++x) {
                dots += image.pixelColor(x, 3) == QColor(0, 0, 0) ? 1 : 0;
            }
            return dots;
        };
        QCOMPARE(dotsOnTopEdge(), 0);
        yeni->setFocus(Qt::TabFocusReason);
        QTest::keyClick(yeni, Qt::Key_Tab);
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Backtab);
        QCOMPARE(QApplication::focusWidget(), yeni);
        QCOMPARE_GT(dotsOnTopEdge(), (yeni->width() - 8) / 4);
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

        // The digit keys, on the main row or the numeric keypad, press the keypad's buttons, and
        // a locked digit's key does nothing; Ctrl+N starts a new game. Screen readers hear them.
        const auto keysOf = [](QWidget* button) {
            QAccessibleInterface* a = QAccessible::queryAccessibleInterface(button);
            return a->actionInterface()->keyBindingsForAction(
                QAccessibleActionInterface::pressAction());
        };
        QCOMPARE(keysOf(f->keypad(7)), QStringList(u"7"_s));
        QCOMPARE(keysOf(yeni), QStringList(u"Ctrl+N"_s));
        // At once: the next guess's first digit may follow the last one's at typing speed.
        QTest::keyClick(f->window.get(), Qt::Key_4);
        QTest::keyClick(f->window.get(), Qt::Key_7, Qt::KeypadModifier);
        QTest::keyClick(f->window.get(), Qt::Key_4);
        QCOMPARE(f->window->game().ledger()[0].digits,
                 (std::array<std::string, 4>{"4", "5", "6", "7"}));
        QCOMPARE(f->window->game().guess()[0], std::string("4"));
        QTest::keyClick(f->window.get(), Qt::Key_N, Qt::ControlModifier);
        QTest::keyClick(f->window.get(), Qt::Key_0);
        QTest::keyClick(f->window.get(), Qt::Key_9);
        QCOMPARE(f->window->game().ledger()[0].digits[0], std::string());
        QCOMPARE(f->window->game().guess(), (std::array<std::string, 4>{"0", "9", "", ""}));
    }

    // The keys around the board. F1 opens the help, once however often it is pressed, and the
    // game goes on behind it; Esc closes it and the focus is back where it was. A right click,
    // the Menu key (a context menu event from the keyboard, to the focused button) and Shift+F10
    // open the menu, whose "Hakkında" shows the version. Ctrl+Q closes the window.
    void keysAroundTheBoard_data() {
        QTest::addColumn<QString>("keys"); // "menu" for the Menu key, "click" for a right click
        QTest::addColumn<QString>("opens");
        QTest::newRow("F1") << u"F1"_s << u"Nasıl oynanır"_s;
        QTest::newRow("F1 twice") << u"F1, F1"_s << u"Nasıl oynanır"_s;
        QTest::newRow("F1 and Esc") << u"F1, Esc"_s << u"7"_s;
        QTest::newRow("right click") << u"click"_s << u"menu"_s;
        QTest::newRow("Menu key") << u"menu"_s << u"menu"_s;
        QTest::newRow("Shift+F10") << u"Shift+F10"_s << u"menu"_s;
        QTest::newRow("Ctrl+Q") << u"Ctrl+Q"_s << u"closed"_s;
        QTest::newRow("Ctrl+Q in the help") << u"F1, Ctrl+Q"_s << u"closed"_s;
    }
    void keysAroundTheBoard() {
        QFETCH(QString, keys);
        QFETCH(QString, opens);
        f->newGame("5082");
        f->window->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(f->window.get()));
        f->keypad(7)->setFocus(Qt::TabFocusReason);
        if (keys == u"click"_s || keys == u"menu"_s) {
            // What the platform makes of a right click or the Menu key, sent to what lies under
            // the pointer or has the focus; the window takes what they leave.
            const bool click = keys == u"click"_s;
            QContextMenuEvent event(click ? QContextMenuEvent::Mouse : QContextMenuEvent::Keyboard,
                                    {2, 2}, f->window->mapToGlobal(QPoint(150, 280)));
            QApplication::sendEvent(click ? f->get("Label6") : f->keypad(7), &event);
        } else {
            const QKeySequence sequence(keys);
            for (int i = 0; i < sequence.count(); ++i) {
                QTest::keyClick(QApplication::focusWidget(), sequence[i].key(),
                                sequence[i].keyboardModifiers());
                if (auto* help = f->window->findChild<HelpWindow*>(); help && help->isVisible()) {
                    QTRY_COMPARE(QApplication::activeWindow(), help);
                }
            }
        }
        const auto helps = f->window->findChildren<HelpWindow*>();
        if (opens == u"Nasıl oynanır"_s) {
            QCOMPARE(helps.size(), 1);
            QTRY_COMPARE(QApplication::activeWindow(), helps[0]);
            QCOMPARE(helps[0]->windowTitle(), opens);
            QTest::mouseClick(f->keypad(3), Qt::LeftButton); // the game goes on behind it
            QCOMPARE(f->window->game().guess()[0], std::string("3"));
        } else if (opens == u"menu"_s) {
            auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
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
            QVERIFY(text.contains(u"Rakamlik 1.0.0"_s) && text.contains(u"Kamu Lisansı"_s));
        } else if (opens == u"closed"_s) {
            QVERIFY(!f->window->isVisible());
        } else {
            QVERIFY(!helps[0]->isVisible());
            QTRY_COMPARE(QApplication::focusWidget(), f->keypad(7));
        }
    }

    // The help's rating table says what the board would show for every guess count, and none of
    // its markup is left for the player to read.
    void helpRatesAsTheGame() {
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
        for (int guesses = 1; guesses <= 28; ++guesses) {
            const Rating r = rating(guesses).value();
            const int row = r.column * 2;
            const int column = (guesses - 1) % 7 + 1;
            QCOMPARE(cell(row, column), QString::number(guesses));
            QCOMPARE(cell(row + 1, column), QString::fromUtf8(r.text));
            QCOMPARE(cell(row + 1, 0), f->get<QLabel>(u"Label%1"_s.arg(7 + r.column))->text());
        }
    }
};

RAKAMLIK_TEST_MAIN(TstWindow)

#include "tst_window.moc"
