// The window as a screen-reader user and a keyboard user meet it.
#include "window_fixture.h"

#include <QAccessible>
#include <QRegularExpression>

using namespace rakamlik;
using rakamlik::testing::WindowFixture;

namespace {

QAccessibleInterface* accessible(QWidget* w) {
    QAccessibleInterface* iface = QAccessible::queryAccessibleInterface(w);
    if (iface == nullptr) {
        qFatal("no accessible interface for %s", qPrintable(w->objectName()));
    }
    return iface;
}

QString nameOf(QWidget* w) {
    return accessible(w)->text(QAccessible::Name);
}

QString captionOf(QWidget* w) {
    if (auto* label = qobject_cast<QLabel*>(w)) {
        return label->text();
    }
    return qobject_cast<QPushButton*>(w)->text();
}

} // namespace

class TstAccess : public QObject {
    Q_OBJECT

private slots:
    void init() { QTest::failOnWarning(QRegularExpression(QStringLiteral(".*"))); }

    // Every control a screen reader reaches says what a sighted player reads
    // on it: buttons and labels their captions, pictures their meaning.
    void everyControlIsNamed() {
        WindowFixture f;
        f.newGame(u"5082");
        f.type(u"1346"); // nothing found
        f.type(u"5234"); // one in place, one elsewhere
        f.type(u"50");
        const Form1& w = *f.window;
        for (QWidget* control : w.findChildren<QWidget*>()) {
            if (qobject_cast<QLabel*>(control) || qobject_cast<QPushButton*>(control)) {
                QCOMPARE(nameOf(control), captionOf(control));
            }
            if (qobject_cast<QPushButton*>(control)) {
                QCOMPARE(accessible(control)->state().disabled, !control->isEnabled());
            }
            // Every picture but the parchment carries meaning.
            auto* box = qobject_cast<ImageBox*>(control);
            if (box != nullptr && !box->picture().isEmpty() && box != w.image(38)) {
                QVERIFY2(!nameOf(box).isEmpty(), qPrintable(box->objectName()));
            }
        }
        QCOMPARE(nameOf(w.image(1)), QStringLiteral("1 mavi, 1 kırmızı işaret"));
        QCOMPARE(nameOf(w.image(2)), QStringLiteral("bulunan rakam yok"));
        // A row without a guess has nothing to say.
        for (int row = 3; row <= 10; ++row) {
            QCOMPARE(nameOf(w.image(row)), QString());
        }
        QCOMPARE(nameOf(w.image(33)), QStringLiteral("7 adımdan 2"));
        for (int n = 34; n <= 36; ++n) {
            QCOMPARE(nameOf(w.image(n)), QStringLiteral("7 adımdan 0"));
        }
        QCOMPARE(nameOf(w.panel(3)), QStringLiteral("Q X T"));
        QCOMPARE(nameOf(w.label(6)), QStringLiteral("Başarılar"));
        for (int n = 13; n <= 22; ++n) {
            QCOMPARE(accessible(w.command(n))->text(QAccessible::Description),
                     QStringLiteral("siyah"));
        }
    }

    // A won game's rating reads as it shows, and the message says so.
    void aWinIsHeard() {
        WindowFixture f;
        f.newGame(u"5082");
        f.type(u"5082");
        QCOMPARE(nameOf(f.window->label(6)), QStringLiteral("tebrikler"));
        QCOMPARE(nameOf(f.window->label(7)), QStringLiteral("Şanslı"));
        QCOMPARE(nameOf(f.window->label(11)), QStringLiteral("%100"));
        QCOMPARE(nameOf(f.window->image(1)), QStringLiteral("4 mavi işaret"));
        QVERIFY(accessible(f.window->command(1))->state().disabled);
    }

    // The words follow the pictures: a new game silences the ledger and
    // turns the dial's words back with its faces.
    void namesFollowTheGame() {
        WindowFixture f;
        f.newGame(u"5082");
        for (int n = 0; n < 8; ++n) {
            f.type(n % 2 == 0 ? u"1346" : u"5089");
        }
        QCOMPARE(nameOf(f.window->image(1)), QStringLiteral("3 mavi işaret"));
        QCOMPARE(nameOf(f.window->image(8)), QStringLiteral("bulunan rakam yok"));
        QCOMPARE(nameOf(f.window->image(33)), QStringLiteral("7 adımdan 7"));
        QCOMPARE(nameOf(f.window->image(34)), QStringLiteral("7 adımdan 1"));
        f.newGame(u"1234");
        for (int n = 1; n <= 10; ++n) {
            QCOMPARE(nameOf(f.window->image(n)), QString());
        }
        for (int n = 33; n <= 36; ++n) {
            QCOMPARE(nameOf(f.window->image(n)), QStringLiteral("7 adımdan 0"));
        }
    }

    // Space, Return and the keypad's Enter press the focused button.
    void keysPressTheFocusedButton_data() {
        QTest::addColumn<int>("key");
        QTest::addColumn<int>("modifiers");
        QTest::newRow("Space") << int{Qt::Key_Space} << int{Qt::NoModifier};
        QTest::newRow("Return") << int{Qt::Key_Return} << int{Qt::NoModifier};
        QTest::newRow("keypad Enter") << int{Qt::Key_Enter} << int{Qt::KeypadModifier};
    }
    void keysPressTheFocusedButton() {
        QFETCH(int, key);
        QFETCH(int, modifiers);
        WindowFixture f;
        f.random->script = {5.0F / 9, 0.0F, 8.0F / 9, 2.0F / 9};
        const auto press = [&](int n) {
            f.window->command(n)->setFocus(Qt::TabFocusReason);
            QTest::keyClick(f.window->command(n), Qt::Key(key), Qt::KeyboardModifiers(modifiers));
        };
        press(11); // Yeni
        QCOMPARE(f.window->label(6)->text(), QStringLiteral("Başarılar"));
        for (int n : {5, 10, 8, 2}) {
            press(n);
        }
        QCOMPARE(f.window->label(6)->text(), QStringLiteral("tebrikler"));
        QCOMPARE(f.beeps, 1);
        press(12); // Bak, locked after the win
        QCOMPARE(f.window->label(6)->text(), QStringLiteral("tebrikler"));
    }

    // Return with Shift or Ctrl is not a press; nor is a held key's repeat.
    void otherReturnsDoNothing() {
        WindowFixture f;
        f.newGame(u"5082");
        QPushButton* one = f.window->command(1);
        one->setFocus(Qt::TabFocusReason);
        QTest::keyClick(one, Qt::Key_Return, Qt::ShiftModifier);
        QTest::keyClick(one, Qt::Key_Return, Qt::ControlModifier);
        QKeyEvent repeat(QEvent::KeyPress, Qt::Key_Return, Qt::NoModifier, {}, true);
        QApplication::sendEvent(one, &repeat);
        QCOMPARE(f.window->state().entryCount, 0);
        QVERIFY(one->isEnabled());
    }

    // Tab shows where the focus is: a dotted rectangle in the caption's
    // colour, three pixels inside the focused button's edge.
    void focusIsVisible() {
        WindowFixture f;
        f.newGame(u"5082");
        f.window->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(f.window.get()));
        QPushButton* yeni = f.window->command(11);
        const QRgb ink = yeni->palette().color(QPalette::WindowText).rgb();
        const auto dotsOnTopEdge = [&] {
            const QImage image = yeni->grab().toImage();
            int dots = 0;
            for (int x = 4; x < image.width() - 4; ++x) {
                dots += image.pixel(x, 3) == ink ? 1 : 0;
            }
            return dots;
        };
        QCOMPARE(dotsOnTopEdge(), 0);
        f.window->command(10)->setFocus(Qt::TabFocusReason);
        QTest::keyClick(f.window->command(10), Qt::Key_Tab);
        QCOMPARE(QApplication::focusWidget(), yeni);
        QVERIFY(dotsOnTopEdge() > (yeni->width() - 8) / 4);
    }
};

RAKAMLIK_TEST_MAIN(TstAccess)

#include "tst_access.moc"
