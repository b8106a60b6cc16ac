#include "app/design.h"
#include "app/fonts.h"
#include "window_fixture.h"

#include <QFontInfo>
#include <QRegularExpression>
#include <QSignalSpy>

using namespace rakamlik;
using rakamlik::testing::WindowFixture;

namespace {

QString qstr(const std::string& s) {
    return QString::fromStdString(s);
}

QColor qcolor(Rgb c) {
    return {c.r, c.g, c.b};
}

const design::Control& designOf(const QString& name) {
    for (const auto& entry : design::controls()) {
        if (qstr(entry.name) == name) {
            return entry;
        }
    }
    qFatal("no control %s in the design", qPrintable(name));
}

QString captionOf(QWidget* w) {
    if (auto* label = qobject_cast<QLabel*>(w)) {
        return label->text();
    }
    if (auto* button = qobject_cast<QPushButton*>(w)) {
        return button->text();
    }
    if (auto* panel = qobject_cast<Panel*>(w)) {
        return panel->caption();
    }
    return {};
}

} // namespace

class TstWindow : public QObject {
    Q_OBJECT

private slots:
    void init() { QTest::failOnWarning(QRegularExpression(QStringLiteral(".*"))); }

    void windowProperties() {
        WindowFixture f;
        QCOMPARE(f.window->windowTitle(), QStringLiteral("Rakamlik"));
        QCOMPARE(f.window->size(), QSize(601, 392));
        QCOMPARE(f.window->minimumSize(), f.window->maximumSize());
        QCOMPARE(f.window->palette().color(QPalette::Window), QColor(192, 192, 192));
        QVERIFY(!f.window->windowIcon().isNull());
    }

    // Each control as the design table describes it, in the live window.
    void controlMatchesDesign_data() {
        QTest::addColumn<QString>("name");
        for (const auto& entry : design::controls()) {
            QTest::newRow(entry.name.c_str()) << qstr(entry.name);
        }
    }
    void controlMatchesDesign() {
        QFETCH(QString, name);
        const design::Control& entry = designOf(name);
        WindowFixture f;
        QWidget* w = f.window->control(name);
        QVERIFY(w);
        QCOMPARE(w->parentWidget()->objectName(), qstr(entry.parent));
        QCOMPARE(w->geometry(), QRect(design::px(entry.left), design::px(entry.top),
                                      design::px(entry.width), design::px(entry.height)));
        QCOMPARE(captionOf(w), qstr(entry.caption));
        QCOMPARE(w->isVisibleTo(f.window.get()), entry.visible);
        QCOMPARE(w->isEnabled(), entry.enabled);
        const QFont expected = fontFor(entry.font);
        QCOMPARE(w->font().pixelSize(), expected.pixelSize());
        QCOMPARE(w->font().bold(), entry.font.bold);
        QCOMPARE(QFontInfo(w->font()).family(), expected.family());

        const QPalette& palette = w->palette();
        if (entry.back) {
            QCOMPARE(palette.color(QPalette::Window), qcolor(*entry.back));
            QVERIFY(w->autoFillBackground());
        }
        if (entry.kind == design::Kind::Button) {
            const QColor fore = entry.fore ? qcolor(*entry.fore)
                                           : QApplication::palette().color(QPalette::ButtonText);
            QCOMPARE(palette.color(QPalette::Active, QPalette::ButtonText), fore);
            QCOMPARE(palette.color(QPalette::Inactive, QPalette::ButtonText), fore);
            // A disabled button is drawn greyed, whatever its caption colour.
            QCOMPARE_NE(palette.color(QPalette::Disabled, QPalette::ButtonText), fore);
        } else if (entry.fore) {
            QCOMPARE(palette.color(QPalette::WindowText), qcolor(*entry.fore));
        }
        if (auto* label = qobject_cast<Label*>(w)) {
            QCOMPARE(label->hasSingleFrame(), entry.frame == design::Frame::Single);
            QCOMPARE(label->alignment().testFlag(Qt::AlignHCenter), entry.centred);
        }
        if (auto* box = qobject_cast<ImageBox*>(w)) {
            QCOMPARE(box->hasSingleFrame(), entry.frame == design::Frame::Single);
            QCOMPARE(box->stretch(), entry.stretch);
        }
        if (auto* panel = qobject_cast<Panel*>(w)) {
            QCOMPARE(panel->frameShape(), QFrame::Panel);
            QCOMPARE(panel->frameShadow(),
                     entry.frame == design::Frame::Sunken ? QFrame::Sunken : QFrame::Raised);
            QCOMPARE(panel->lineWidth(), entry.bevel);
        }
    }

    // Places worked out by hand from the design's twips, independent of the
    // table: the corners of the ledger, the odd one out among the markers,
    // the lone 0 of the keypad, the panels and the first gauge.
    void placesInPixels_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QRect>("geometry");
        QTest::newRow("ledger top left") << "Label5(0)" << QRect(298, 144, 29, 21);
        QTest::newRow("ledger top right") << "Label5(3)" << QRect(394, 144, 29, 21);
        QTest::newRow("ledger bottom left") << "Label5(36)" << QRect(298, 360, 29, 21);
        QTest::newRow("ledger bottom right") << "Label5(39)" << QRect(394, 360, 29, 21);
        QTest::newRow("first marker, a pixel further left") << "Image1" << QRect(433, 148, 23, 19);
        QTest::newRow("second marker") << "Image2" << QRect(434, 172, 23, 19);
        QTest::newRow("last marker") << "Image10" << QRect(434, 364, 15, 5);
        QTest::newRow("0 under the 8") << "SSCommand10" << QRect(108, 236, 51, 29);
        QTest::newRow("8 above the 0") << "SSCommand8" << QRect(108, 200, 51, 29);
        QTest::newRow("memo 0 level with row 0") << "SSCommand13" << QRect(556, 140, 31, 25);
        QTest::newRow("memo 9 level with row 9") << "SSCommand22" << QRect(556, 356, 31, 25);
        QTest::newRow("board panel") << "SSPanel1" << QRect(16, 16, 261, 365);
        QTest::newRow("guess frame") << "SSPanel3" << QRect(12, 24, 237, 77);
        QTest::newRow("Yeni in its frame") << "SSCommand11" << QRect(6, 4, 85, 57);
        QTest::newRow("message label") << "Label6" << QRect(142, 272, 81, 25);
        QTest::newRow("first gauge") << "Image33" << QRect(288, 16, 73, 65);
        QTest::newRow("last gauge") << "Image36" << QRect(516, 16, 73, 65);
        QTest::newRow("widest rating value") << "Label13" << QRect(426, 92, 107, 13);
    }
    void placesInPixels() {
        QFETCH(QString, name);
        QFETCH(QRect, geometry);
        WindowFixture f;
        QCOMPARE(f.window->control(name)->geometry(), geometry);
    }

    // Colours and fonts written down by hand from the design, so that a slip
    // in the table shows up too.
    void designedLooks_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QColor>("back"); // invalid: the platform's
        QTest::addColumn<QColor>("fore");
        QTest::addColumn<int>("pixelSize");
        QTest::addColumn<bool>("bold");
        const QColor grey(192, 192, 192);
        const QColor olive(192, 192, 0);
        QTest::newRow("first guess digit") << "Label1" << olive << QColor(192, 64, 0) << 24 << true;
        QTest::newRow("last guess digit") << "Label4" << olive << QColor(192, 64, 0) << 26 << true;
        QTest::newRow("message") << "Label6" << QColor(64, 0, 64) << QColor(0, 255, 0) << 16
                                 << true;
        QTest::newRow("ledger cell") << "Label5(17)" << olive << QColor(0, 0, 0) << 13 << true;
        QTest::newRow("rating value") << "Label13" << grey << QColor(128, 255, 255) << 11 << false;
        QTest::newRow("rating title") << "Label10" << grey << QColor(255, 255, 0) << 11 << false;
        QTest::newRow("keypad") << "SSCommand5" << QColor() << QColor(0, 255, 0) << 13 << true;
        QTest::newRow("Yeni") << "SSCommand11" << QColor() << QColor(0, 0, 0) << 11 << false;
        QTest::newRow("memo") << "SSCommand17" << QColor() << QColor(0, 0, 0) << 13 << true;
        QTest::newRow("board panel") << "SSPanel1" << grey << QColor(0, 0, 0) << 16 << true;
        QTest::newRow("guess frame") << "SSPanel3" << grey << QColor(0, 0, 0) << 9 << false;
    }
    void designedLooks() {
        QFETCH(QString, name);
        QFETCH(QColor, back);
        QFETCH(QColor, fore);
        QFETCH(int, pixelSize);
        QFETCH(bool, bold);
        WindowFixture f;
        QWidget* w = f.window->control(name);
        const bool button = qobject_cast<QPushButton*>(w) != nullptr;
        if (back.isValid()) {
            QCOMPARE(w->palette().color(QPalette::Window), back);
        }
        QCOMPARE(w->palette().color(QPalette::Active,
                                    button ? QPalette::ButtonText : QPalette::WindowText),
                 fore);
        QCOMPARE(w->font().pixelSize(), pixelSize);
        QCOMPARE(w->font().bold(), bold);
    }

    void everyControlIsCreatedOnceAndTemplatesAreNotWidgets() {
        WindowFixture f;
        const auto children = f.window->findChildren<QWidget*>();
        QSet<QString> names;
        for (QWidget* w : children) {
            names.insert(w->objectName());
            // Everything that exists lies inside the client area.
            QVERIFY2(
                f.window->rect().contains(QRect(w->mapTo(f.window.get(), QPoint()), w->size())),
                qPrintable(w->objectName()));
        }
        // 116 control objects: 94 widgets and 22 templates, which hold
        // pictures only.
        QCOMPARE(children.size(), 94);
        QCOMPARE(names.size(), 94);
        QCOMPARE(design::templates().size(), 22U);
        for (const auto& t : design::templates()) {
            QVERIFY(!names.contains(QStringLiteral("Image%1").arg(t.image)));
        }
    }

    // Later siblings are drawn over earlier ones.
    void stacking() {
        WindowFixture f;
        const auto stackIndex = [&](const QString& name) {
            QWidget* w = f.window->control(name);
            return w->parentWidget()->children().indexOf(w);
        };
        QCOMPARE(stackIndex("Image38"), 0);
        for (const char* above :
             {"Label6", "SSCommand1", "SSCommand10", "SSPanel2", "SSPanel3", "SSPanel4"}) {
            QVERIFY2(stackIndex(above) > stackIndex("Image38"), qPrintable(above));
        }
        QVERIFY(stackIndex("SSCommand5") > stackIndex("Label6"));
        QVERIFY(stackIndex("SSCommand13") > stackIndex("Label5(0)"));
        // Where a value label and a title overlap by a pixel, the title is on top.
        QVERIFY(stackIndex("Label7") > stackIndex("Label11"));
    }

    void startUpState() {
        WindowFixture f;
        QCOMPARE(f.window->state(), GameState{});
        QCOMPARE(f.random->seeds, 1);
        QCOMPARE(f.window->label(6)->text(), QStringLiteral("Q X T"));
        for (int n = 1; n <= 4; ++n) {
            QVERIFY(f.window->label(n)->text().isEmpty());
        }
        for (int n = 7; n <= 10; ++n) {
            QVERIFY(!f.window->label(n)->isVisible());
        }
        for (int n = 11; n <= 14; ++n) {
            QVERIFY(f.window->label(n)->text().isEmpty());
        }
        for (int i = 0; i < 40; ++i) {
            QVERIFY(f.window->ledgerCell(i)->text().isEmpty());
        }
        for (int n = 1; n <= 10; ++n) {
            QVERIFY(f.window->image(n)->picture().isEmpty());
        }
    }

    // The load gives every gauge a copy of the rest face's template.
    void gaugesShowTheRestFaceAfterLoad() {
        WindowFixture f;
        const Picture& rest = f.window->templatePicture(19);
        QVERIFY(!rest.isEmpty());
        for (int n = 33; n <= 36; ++n) {
            QCOMPARE(f.window->image(n)->picture().pixmap.cacheKey(), rest.pixmap.cacheKey());
            QCOMPARE(f.window->image(n)->size(), QSize(73, 65));
        }
    }

    // A marker takes its picture's size; the empty picture leaves nothing
    // on the window, not even a frame.
    void markersShowTheirPictureOrNothing() {
        WindowFixture f;
        ImageBox* marker = f.window->image(1);
        const QRect designed = marker->geometry();
        marker->setPicture(f.window->templatePicture(12)); // two blue marks
        QCOMPARE(marker->size(), QSize(47, 19));
        const QImage shown = f.window->grab().toImage();
        const QPoint firstMarkBody = marker->pos() + QPoint(2 + 12, 2 + 9);
        QCOMPARE(shown.pixelColor(firstMarkBody), QColor(128, 128, 255));

        marker->setPicture(f.window->templatePicture(21));
        const QImage blank = f.window->grab(designed.united(marker->geometry())).toImage();
        for (int y = 0; y < blank.height(); ++y) {
            for (int x = 0; x < blank.width(); ++x) {
                QCOMPARE(blank.pixelColor(x, y), QColor(192, 192, 192));
            }
        }
    }

    // Until the first new game only "Yeni" takes clicks.
    void onlyYeniTakesClicksAtStartUp() {
        WindowFixture f;
        for (int n :
             {1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 12, 13, 14, 15, 16, 17, 18, 19, 20, 21, 22, 11}) {
            QPushButton* button = f.window->command(n);
            QSignalSpy clicked(button, &QPushButton::clicked);
            f.click(button);
            QCOMPARE(clicked.count(), n == 11 ? 1 : 0);
            if (n != 11) {
                QCOMPARE(f.window->state(), GameState{});
                QCOMPARE(f.window->label(6)->text(), QStringLiteral("Q X T"));
            }
        }
        QCOMPARE(f.window->label(6)->text(), QStringLiteral("Başarılar"));
    }

    void focusOrder() {
        WindowFixture f;
        for (int n = 1; n <= 22; ++n) {
            f.window->command(n)->setEnabled(true); // disabled buttons leave the chain
        }
        QStringList order;
        QWidget* w = f.window->command(1);
        do {
            if (qobject_cast<QPushButton*>(w)) {
                order << w->objectName();
            }
            w = w->nextInFocusChain();
        } while (w != f.window->command(1));
        QStringList expected;
        for (const auto& name : design::focusOrder()) {
            expected << qstr(name);
        }
        QCOMPARE(order, expected);
    }

    // Every text the game will ever show fits its label in its chosen face,
    // Turkish letters included.
    void textsFit_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("text");
        for (const char* text : {"Başarılar", "tebrikler", " 5 0 8 2", " 8 9 4 0", "Q X T"}) {
            QTest::newRow(qPrintable(QStringLiteral("Label6 ") + QString::fromUtf8(text)))
                << "Label6" << QString::fromUtf8(text);
        }
        const char* values[] = {"%100",    "%85",     "Çok süper", "Süper",
                                "Çok çok", "Oldukça", "Biraz",     "Az"};
        for (int n = 11; n <= 14; ++n) {
            for (const char* text : values) {
                QTest::newRow(
                    qPrintable(QStringLiteral("Label%1 %2").arg(n).arg(QString::fromUtf8(text))))
                    << QStringLiteral("Label%1").arg(n) << QString::fromUtf8(text);
            }
        }
        QTest::newRow("Label7 Şanslı") << "Label7" << QStringLiteral("Şanslı");
        QTest::newRow("Label8 Üstün") << "Label8" << QStringLiteral("Üstün");
        QTest::newRow("Label9 Normal") << "Label9" << QStringLiteral("Normal");
        QTest::newRow("Label10 Anormal") << "Label10" << QStringLiteral("Anormal");
        for (const char* label : {"Label1", "Label2", "Label5(0)"}) {
            QTest::newRow(qPrintable(QString::fromLatin1(label) + " widest digit"))
                << label << QStringLiteral("0123456789");
        }
    }
    void textsFit() {
        QFETCH(QString, name);
        QFETCH(QString, text);
        WindowFixture f;
        auto* label = qobject_cast<QLabel*>(f.window->control(name));
        QVERIFY(label);
        const QFontMetrics metrics(label->font());
        const QRect room = label->contentsRect();
        if (text == QStringLiteral("0123456789")) {
            for (QChar digit : text) {
                QVERIFY(metrics.horizontalAdvance(digit) <= room.width());
            }
        } else {
            QVERIFY2(metrics.horizontalAdvance(text) <= room.width(),
                     qPrintable(QStringLiteral("%1 px in %2")
                                    .arg(metrics.horizontalAdvance(text))
                                    .arg(room.width())));
        }
        QVERIFY2(metrics.ascent() + metrics.descent() <= room.height() + 1,
                 qPrintable(
                     QStringLiteral("%1 px high in %2").arg(metrics.height()).arg(room.height())));
        for (QChar c : QStringLiteral("ÇçıŞşÜü%")) {
            QVERIFY(metrics.inFont(c));
        }
    }
};

RAKAMLIK_TEST_MAIN(TstWindow)

#include "tst_window.moc"
