// SPDX-License-Identifier: GPL-3.0-or-later
// The window as the player sees, hears and clicks it.

#include "app/bell.h"
#include "app/help.h"
#include "app/version.h"
#include "assets/pictures.h"
#include "game/dial.h"
#include "game/rating.h"
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

// What an image box shows, and what it is heard as.
std::pair<qint64, QString> shown(const ImageBox* image) {
    return {image->picture().pixmap.cacheKey(), nameOf(const_cast<ImageBox*>(image))};
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
            {"rating title 3",
             {Role::RatingTitle, 3},
             "526,104 67x13 #ffff00 on #c0c0c0, Liberation Sans 11"},
            {"keypad 0, under 8",
             {Role::Keypad, 0},
             "108,236 51x29 #00ff00 on #c0c0c0, Liberation Sans 13 bold"},
            {"Yeni", {Role::NewGame}, "6,4 85x57 #000000 on #c0c0c0, Liberation Sans 11"},
            {"Bak", {Role::Reveal}, "6,4 91x21 #000000 on #c0c0c0, Liberation Sans 11"},
            {"memo 0",
             {Role::Memo, 0},
             "556,140 31x25 #000000 on #c0c0c0, Liberation Sans 13 bold"},
            {"memo 9",
             {Role::Memo, 9},
             "556,356 31x25 #000000 on #c0c0c0, Liberation Sans 13 bold"},
            {"board", {Role::Board}, "16,16 261x365 #000000 on #c0c0c0, Liberation Sans 16 bold"},
            {"guess panel",
             {Role::GuessPanel},
             "12,24 237x77 #000000 on #c0c0c0, Liberation Sans 9"},
            {"Bak's frame",
             {Role::RevealFrame},
             "130,304 105x29 #000000 on #c0c0c0, Liberation Sans 11"},
            {"gauge 0", {Role::Gauge, 0}, "288,16 73x65 #000000 on #c0c0c0, Liberation Sans 11"},
            {"marker 0, a pixel left",
             {Role::Marker, 0},
             "433,148 23x19 #000000 on #c0c0c0, Liberation Sans 11"},
            {"marker 9", {Role::Marker, 9}, "434,364 15x5 #000000 on #c0c0c0, Liberation Sans 11"},
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
        QTest::newRow("guess 3") << Place{Role::Guess, 3};
        QTest::newRow("message") << Place{Role::Message};
        QTest::newRow("ledger cell 0,0") << Place{Role::LedgerCell, 0, 0};
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

    // What a screen reader is told at once of each change, with clicks as the player makes them:
    // keys typed, "m" a memo button (7), "B" for "Bak" and "N" for "Yeni" after the game 5082.
    void announced_data() {
        QTest::addColumn<QString>("keys");
        QTest::addColumn<QString>("heard");
        QTest::newRow("at start-up") << u""_s << QString();
        QTest::newRow("Yeni") << u"N"_s << u"Başarılar"_s;
        QTest::newRow("a guess") << u"5234"_s << u"5 2 3 4: 1 mavi, 1 kırmızı işaret"_s;
        QTest::newRow("a guess that finds none") << u"1346"_s << u"1 3 4 6: bulunan rakam yok"_s;
        QTest::newRow("half a guess") << u"52345"_s << u"5 2 3 4: 1 mavi, 1 kırmızı işaret"_s;
        QTest::newRow("memo, twice") << u"mm"_s << u"kırmızı"_s;
        QTest::newRow("the win, with its rating")
            << u"28505082"_s << u"5 0 8 2: 4 mavi işaret, tebrikler. Şanslı %85"_s;
        QTest::newRow("Bak") << u"12B"_s << u"5 0 8 2"_s;
    }
    void announced() {
        QFETCH(QString, keys);
        QFETCH(QString, heard);
        if (!keys.isEmpty()) {
            f->newGame("5082");
        }
        for (const QChar key : keys) {
            QWidget* button = key == u'm'   ? f->memo(7)
                              : key == u'B' ? f->revealButton()
                              : key == u'N' ? f->newGameButton()
                                            : f->keypad(key.digitValue());
            QTest::mouseClick(button, Qt::LeftButton);
        }
        QCOMPARE(told(*f->window), heard);
    }

    // A digit typed is locked until the guess is complete; the others are not.
    void aTypedDigitIsLocked() {
        f->newGame("5082");
        f->type("50");
        QCOMPARE(f->keypad(5)->isEnabled(), false);
        QCOMPARE(f->keypad(0)->isEnabled(), false);
        QCOMPARE(f->keypad(8)->isEnabled(), true);
        f->type("82");
        QCOMPARE(f->keypad(5)->isEnabled(), false); // the win locks them all
        QCOMPARE(f->keypad(8)->isEnabled(), false);
    }

    // The ledger shows the guesses newest first, and the guess boxes the last guess whole.
    void theLedgerKeepsTheGuesses() {
        f->newGame("5082");
        f->type("134628505234");
        QString ledger;
        for (int row = 0; row < 4; ++row) {
            for (int column = 0; column < guessLength; ++column) {
                ledger += f->ledgerCell(row, column)->text();
            }
        }
        QCOMPARE(ledger, u"523428501346"_s);
        QCOMPARE(f->guessBox(0)->text(), u"5"_s);
        QCOMPARE(f->guessBox(3)->text(), u"4"_s);
    }

    // Each marker shows its guess's marks and is heard by them; a row without a guess is blank
    // and silent, a guess that found nothing blank but heard. A gauge shows and says its steps.
    void picturesShowAndSay_data() {
        QTest::addColumn<Place>("place");
        QTest::addColumn<QPixmap>("pixmap");
        QTest::addColumn<QString>("heard");
        using design::Role;
        QTest::newRow("the win") << Place{Role::Marker, 0} << pictures::marker(4, 0)
                                 << u"4 mavi işaret"_s;
        QTest::newRow("1 and 1") << Place{Role::Marker, 1} << pictures::marker(1, 1)
                                 << u"1 mavi, 1 kırmızı işaret"_s;
        QTest::newRow("none in place")
            << Place{Role::Marker, 2} << pictures::marker(0, 4) << u"4 kırmızı işaret"_s;
        QTest::newRow("none found")
            << Place{Role::Marker, 3} << QPixmap() << u"bulunan rakam yok"_s;
        QTest::newRow("no guess") << Place{Role::Marker, 4} << QPixmap() << QString();
        QTest::newRow("the first gauge")
            << Place{Role::Gauge, 0} << pictures::face(4) << toQString(gaugeName(4));
        QTest::newRow("a gauge at rest")
            << Place{Role::Gauge, 1} << pictures::face(0) << toQString(gaugeName(0));
        QTest::newRow("the parchment")
            << Place{Role::Backdrop} << pictures::backdrop() << QString();
    }
    void picturesShowAndSay() {
        QFETCH(Place, place);
        QFETCH(QPixmap, pixmap);
        QFETCH(QString, heard);
        f->newGame("5082");
        f->type("1346285052345082");
        QCOMPARE(shown(qobject_cast<ImageBox*>(control(place))),
                 std::pair(pixmap.cacheKey(), heard));
    }

    // The dial counts a game's guesses to 28, seven a gauge, and stays full after them.
    void theDialFillsUp() {
        const auto face = [](int n) {
            return std::pair(pictures::face(n).cacheKey(), toQString(gaugeName(n)));
        };
        f->newGame("5082");
        f->type(QByteArray("1346").repeated(6).toStdString());
        QCOMPARE(shown(f->gauge(0)), face(6));
        QCOMPARE(shown(f->gauge(1)), face(0));
        f->type(QByteArray("1346").repeated(23).toStdString());
        for (int g = 0; g < gaugeCount; ++g) {
            QCOMPARE(shown(f->gauge(g)), face(7));
        }
    }

    // The win: the beep, "tebrikler" in the message's colour, the rating under the gauge of its
    // guesses, and the keypad and "Bak" locked. The next "Yeni" clears all of it.
    void theWinIsShownAndClearedByYeni() {
        f->newGame("5082");
        f->type("1346523428505082");
        QCOMPARE(f->beeps, 1);
        QCOMPARE(f->ratingTitle(0)->isVisible(), true);
        QCOMPARE(f->ratingTitle(1)->isVisible(), false);
        QCOMPARE(nameOf(f->ratingValue(0)), u"%55"_s);
        QCOMPARE(nameOf(f->message()), u"tebrikler"_s);
        const QImage message = f->message()->grab().toImage().convertToFormat(QImage::Format_RGB32);
        const auto* pixels = reinterpret_cast<const QRgb*>(message.constBits());
        QCOMPARE_GT(std::count(pixels, pixels + message.sizeInBytes() / 4, qRgb(0, 255, 0)), 20);
        QCOMPARE(f->revealButton()->isEnabled(), false);
        // The first blue mark's body.
        QCOMPARE(f->window->grab().toImage().pixelColor(QPoint(433 + 2 + 12, 148 + 2 + 9)),
                 QColor(128, 128, 255));

        f->newGame("9876");
        QCOMPARE(f->ratingTitle(0)->isVisible(), false);
        QCOMPARE(f->ratingValue(0)->text(), QString());
        QCOMPARE(f->ledgerCell(0, 0)->text(), QString());
        QCOMPARE(nameOf(f->message()), u"Başarılar"_s);
        QCOMPARE(shown(f->marker(0)), std::pair(QPixmap().cacheKey(), QString()));
        QCOMPARE(shown(f->gauge(0)),
                 std::pair(pictures::face(0).cacheKey(), toQString(gaugeName(0))));
        QCOMPARE(f->revealButton()->isEnabled(), true);
        QTest::mouseClick(f->revealButton(), Qt::LeftButton);
        QCOMPARE(f->message()->text(), u" 9 8 7 6"_s);
    }

    // A memo button's caption turns cyan, red and black again, and its description names the
    // colour; "Yeni" turns it black.
    void memoMarks_data() {
        QTest::addColumn<int>("clicks");
        QTest::addColumn<QColor>("colour");
        QTest::addColumn<QString>("named");
        QTest::newRow("once") << 1 << QColor(0, 255, 255) << u"camgöbeği"_s;
        QTest::newRow("twice") << 2 << QColor(255, 0, 0) << u"kırmızı"_s;
        QTest::newRow("three times") << 3 << QColor(0, 0, 0) << u"siyah"_s;
        QTest::newRow("twice, then Yeni") << -2 << QColor(0, 0, 0) << u"siyah"_s;
    }
    void memoMarks() {
        QFETCH(int, clicks);
        QFETCH(QColor, colour);
        QFETCH(QString, named);
        f->newGame("5082");
        for (int i = 0; i < std::abs(clicks); ++i) {
            QTest::mouseClick(f->memo(7), Qt::LeftButton);
        }
        if (clicks < 0) {
            f->newGame("9876");
        }
        QCOMPARE(captionColour(f->memo(7)), colour);
        QCOMPARE(f->memo(7)->accessibleDescription(), named);
        QCOMPARE(captionColour(f->memo(6)), QColor(0, 0, 0));
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
    // or a held key's repeat, does not.
    void keysPressTheFocusedButton_data() {
        QTest::addColumn<int>("key");
        QTest::addColumn<Qt::KeyboardModifiers>("modifiers");
        QTest::addColumn<bool>("repeat");
        QTest::addColumn<bool>("pressed");
        QTest::newRow("Space") << int(Qt::Key_Space) << Qt::KeyboardModifiers() << false << true;
        QTest::newRow("Return") << int(Qt::Key_Return) << Qt::KeyboardModifiers() << false << true;
        QTest::newRow("Enter") << int(Qt::Key_Enter) << Qt::KeyboardModifiers(Qt::KeypadModifier)
                               << false << true;
        QTest::newRow("Shift+Return")
            << int(Qt::Key_Return) << Qt::KeyboardModifiers(Qt::ShiftModifier) << false << false;
        QTest::newRow("Ctrl+Return")
            << int(Qt::Key_Return) << Qt::KeyboardModifiers(Qt::ControlModifier) << false << false;
        QTest::newRow("Return held")
            << int(Qt::Key_Return) << Qt::KeyboardModifiers() << true << false;
    }
    void keysPressTheFocusedButton() {
        QFETCH(int, key);
        QFETCH(Qt::KeyboardModifiers, modifiers);
        QFETCH(bool, repeat);
        QFETCH(bool, pressed);
        f->newGame("5082");
        for (const QEvent::Type type : {QEvent::KeyPress, QEvent::KeyRelease}) {
            QKeyEvent event(type, key, modifiers, {}, repeat);
            QApplication::sendEvent(f->keypad(4), &event);
        }
        QCOMPARE(f->window->game().guess()[0], std::string(pressed ? "4" : ""));
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
        for (const auto& [key, modifiers] : {std::pair{Qt::Key_4, Qt::NoModifier},
                                             {Qt::Key_5, Qt::KeypadModifier},
                                             {Qt::Key_5, Qt::NoModifier},
                                             {Qt::Key_6, Qt::NoModifier},
                                             {Qt::Key_7, Qt::KeypadModifier},
                                             {Qt::Key_4, Qt::NoModifier}}) {
            QTest::keyClick(f->window.get(), key, modifiers);
        }
        QCOMPARE(f->window->game().ledger()[0].digits,
                 (std::array<std::string, 4>{"4", "5", "6", "7"}));
        QCOMPARE(f->window->game().guess()[0], std::string("4"));
    }

    // Each command's key acts exactly once, whether the menu is open or not: the window and the
    // menu share one action for it. Ctrl+N starts a new game, F1 opens the help and Ctrl+Q closes
    // the window.
    void commandKeysActOnce_data() {
        QTest::addColumn<QString>("key");
        QTest::addColumn<bool>("menuOpen");
        for (const bool open : {false, true}) {
            for (const char* key : {"Ctrl+N", "F1", "Ctrl+Q"}) {
                QTest::addRow("%s, menu %s", key, open ? "open" : "closed")
                    << QString::fromLatin1(key) << open;
            }
        }
    }
    void commandKeysActOnce() {
        QFETCH(QString, key);
        QFETCH(bool, menuOpen);
        f->window->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(f->window.get()));
        Commands& commands = f->window->commands();
        QAction* action = key == u"Ctrl+N"_s ? commands.newGame()
                          : key == u"F1"_s   ? commands.help()
                                             : commands.quit();
        const QSignalSpy triggered(action, &QAction::triggered);
        const QSignalSpy newGames(f->newGameButton(), &QPushButton::clicked);
        if (menuOpen) {
            commands.showMenu(f->window->mapToGlobal(QPoint(150, 280)));
            QTRY_VERIFY(QApplication::activePopupWidget() != nullptr);
        }
        QWidget* to = menuOpen ? QApplication::activePopupWidget() : f->window.get();
        const QKeySequence sequence(key);
        QTest::keyClick(to, sequence[0].key(), sequence[0].keyboardModifiers());
        QCOMPARE(triggered.count(), 1);
        QCOMPARE(newGames.count(), key == u"Ctrl+N"_s ? 1 : 0);
        QCOMPARE(f->window->findChildren<HelpWindow*>().size(), key == u"F1"_s ? 1 : 0);
        QCOMPARE(f->window->isVisible(), key != u"Ctrl+Q"_s);
    }

    // The keys around the board. F1 opens the help, once however often it is pressed, and the
    // game goes on behind it; Esc closes it and the focus is back where it was; Ctrl+Q works in
    // it too. A right click, the Menu key (a context menu event from the keyboard, to the focused
    // button) and Shift+F10 open the menu, whose "Hakkında" shows the version.
    void keysAroundTheBoard_data() {
        QTest::addColumn<QString>("keys"); // "menu" for the Menu key, "click" for a right click
        QTest::addColumn<QString>("opens");
        QTest::newRow("F1") << u"F1"_s << u"Nasıl oynanır"_s;
        QTest::newRow("F1 twice") << u"F1, F1"_s << u"Nasıl oynanır"_s;
        QTest::newRow("F1 and Esc") << u"F1, Esc"_s << u"7"_s;
        QTest::newRow("right click") << u"click"_s << u"menu"_s;
        QTest::newRow("Menu key") << u"menu"_s << u"menu"_s;
        QTest::newRow("Shift+F10") << u"Shift+F10"_s << u"menu"_s;
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
            QApplication::sendEvent(click ? static_cast<QWidget*>(f->message()) : f->keypad(7),
                                    &event);
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
            QVERIFY(text.contains(u"Rakamlik "_s + QLatin1String(RAKAMLIK_VERSION)));
            QVERIFY(text.contains(u"Kamu Lisansı"_s));
        } else if (opens == u"closed"_s) {
            QVERIFY(!f->window->isVisible());
        } else {
            QVERIFY(!helps[0]->isVisible());
            QTRY_COMPARE(QApplication::focusWidget(), f->keypad(7));
        }
    }

    // The help's rating table: the guess counts of each column, and the board's words for them
    // under the column's title. None of its markup is left for the player to read.
    void helpRatingTable_data() {
        QTest::addColumn<int>("guesses");
        QTest::addColumn<QString>("title");
        QTest::addColumn<QString>("rated");
        QTest::newRow("1") << 1 << u"Şanslı"_s << u"%100"_s;
        QTest::newRow("7") << 7 << u"Şanslı"_s << u"%10"_s;
        QTest::newRow("8") << 8 << u"Üstün"_s << u"%100"_s;
        QTest::newRow("15") << 15 << u"Normal"_s << u"Çok süper"_s;
        QTest::newRow("21") << 21 << u"Normal"_s << u"Az"_s;
        QTest::newRow("22") << 22 << u"Anormal"_s << u"%10"_s;
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
