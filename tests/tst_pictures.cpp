// SPDX-License-Identifier: GPL-3.0-or-later
// The pictures as picgen draws them (its PNG files in the build's picture folder) against the
// approved looks in tests/approved, as the program embeds them (raw pixels), and as
// rakamlik::pictures hands them out.

#include "assets/pictures.h"
#include "assets/raw_image.h"

#include <QDir>
#include <QGuiApplication>
#include <QTest>

#include <stdexcept>

using namespace Qt::Literals::StringLiterals;
using namespace rakamlik;

namespace {

// Every colour the game draws in: white, the dial's green, yellow and red fills, black, the dial's
// grey ground, and the blue and cyan of the needle and the blue marks. A pixel in one of them is
// painted unblended, so it comes out the same on every CPU.
const QList<QRgb> palette{0xffffffff, 0xff0fac81, 0xffffff00, 0xffff0000,
                          0xff000000, 0xffc0c0c0, 0xff8080ff, 0xff80ffff};

// Picture `name` ("face3@2x") from `folder`, premultiplied as it was drawn, so that the colour of
// a nearly clear pixel cannot swing with its rounding.
QImage load(const QString& name, const char* folder = RAKAMLIK_PICTURES_DIR) {
    return QImage{QLatin1String(folder) + u'/' + name + u".png"_s}.convertToFormat(
        QImage::Format_ARGB32_Premultiplied);
}
} // namespace

class PicturesTest : public QObject {
    Q_OBJECT

private slots:
    void approved_data() {
        QTest::addColumn<QString>("name");
        const QDir drawn{QStringLiteral(RAKAMLIK_PICTURES_DIR)};
        for (const QString& file : drawn.entryList({u"*.png"_s})) {
            QTest::newRow(qPrintable(file.chopped(4))) << file.chopped(4);
        }
    }
    // Every picture picgen draws looks as approved, each dial face with its fill and needle at its
    // step: exactly where the approved one shows a colour of the game, within 2 per channel (alpha
    // included) on smoothed edges.
    void approved() {
        QFETCH(QString, name);
        const QImage approved = load(name, RAKAMLIK_APPROVED_DIR);
        QImage image = load(name);
        // The parchment is approved by its top left corner, and exactly: it is drawn by plain
        // arithmetic, not by a painter.
        const bool parchment = name.startsWith(u"backdrop"_s);
        if (parchment) {
            image = image.copy(QRect(QPoint(), approved.size()));
        }
        QCOMPARE(image.size(), approved.size());
        for (int y = 0; y < image.height(); ++y) {
            for (int x = 0; x < image.width(); ++x) {
                const QRgb is = image.pixel(x, y);
                const QRgb was = approved.pixel(x, y);
                for (int at : {0, 8, 16, 24}) {
                    if (qAbs(int(is >> at & 255) - int(was >> at & 255)) >
                        (parchment || palette.contains(was) ? 0 : 2)) {
                        QFAIL(qPrintable(
                            QString::asprintf("%s: pixel (%d, %d) is #%08x, approved #%08x",
                                              qPrintable(name), x, y, is, was)));
                    }
                }
            }
        }
    }

    // The embedded format gives back exactly the picture, with or without transparency, and for
    // damaged data a null picture, never a crash or a huge allocation. Its numbers are
    // little-endian.
    void raw_data() {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QImage>("image");
        const QImage icon = load(u"icon16"_s);
        const QImage opaque = icon.convertToFormat(QImage::Format_RGB32);
        const QByteArray good = raw::encode(icon); // 16 x 16
        const auto with = [&](int at, const char* hex) {
            return QByteArray{good}.replace(at, 4, QByteArray::fromHex(hex));
        };
        QTest::newRow("with transparency") << good << icon;
        QTest::newRow("opaque") << raw::encode(opaque) << opaque;
        QTest::newRow("empty") << QByteArray() << QImage();
        QTest::newRow("header only") << good.left(16) << QImage();
        QTest::newRow("one byte short") << good.chopped(1) << QImage();
        QTest::newRow("one byte over") << good + '\0' << QImage();
        QTest::newRow("not ours") << QByteArray("PNG!") + good.mid(4) << QImage();
        QTest::newRow("zero width") << with(4, "00000000") << QImage();
        QTest::newRow("width too large") << with(4, "01000040") << QImage();
        QTest::newRow("height disagrees") << with(8, "0f000000") << QImage();
        QTest::newRow("8-bit format") << with(12, "18000000") << QImage(); // Format_Grayscale8
    }
    void raw() {
        QFETCH(QByteArray, bytes);
        QFETCH(QImage, image);
        QCOMPARE(raw::decode(bytes), image); // QCOMPARE compares the formats too
    }

    void embedded_data() {
        using namespace pictures;
        QTest::addColumn<QPixmap>("pixmap");
        QTest::addColumn<QSizeF>("size");
        QTest::newRow("backdrop") << pictures::backdrop() << QSizeF(404, 382);
        for (int n = 0; n <= 7; ++n) {
            QTest::addRow("face%d", n) << face(n) << QSizeF(109, 74);
        }
        const std::pair<int, int> markers[] = {{0, 1}, {0, 2}, {0, 3}, {0, 4}, {1, 0},
                                               {1, 1}, {1, 2}, {1, 3}, {2, 0}, {2, 1},
                                               {2, 2}, {3, 0}, {4, 0}};
        for (auto [b, r] : markers) {
            QTest::addRow("marker_%d_%d", b, r) << marker(b, r) << QSizeF(24 * (b + r) - 1, 19);
        }
    }
    // Every embedded picture is exactly the one picgen drew, at its logical size everywhere: from
    // the @2x drawing on screens with a device pixel ratio above 1. The screen's ratio is 1, but
    // in the second run of this test, which sets a scale factor and says which ratio it makes.
    void embedded() {
        QFETCH(QPixmap, pixmap);
        QFETCH(QSizeF, size);
        QCOMPARE(qGuiApp->devicePixelRatio(),
                 qEnvironmentVariable("RAKAMLIK_EXPECTED_PIXEL_RATIO", u"1"_s).toDouble());
        const bool sharp = qGuiApp->devicePixelRatio() > 1;
        QCOMPARE(pixmap.deviceIndependentSize(), size);
        QCOMPARE(pixmap.toImage().convertToFormat(QImage::Format_ARGB32_Premultiplied),
                 load(QTest::currentDataTag() + (sharp ? "@2x"_L1 : ""_L1)));
    }
    // The empty marker shows nothing; asking for a picture there is none of is a fault that
    // names it. Every picture is there (checkPresent() finds none missing).
    void noSuchPicture() {
        QVERIFY(pictures::marker(0, 0).isNull());
        pictures::checkPresent();
        QVERIFY_THROWS_EXCEPTION(std::runtime_error, pictures::marker(3, 1));
        QVERIFY_THROWS_EXCEPTION(std::runtime_error, pictures::face(-1));
        try {
            pictures::face(8);
        } catch (const std::runtime_error& fault) {
            QVERIFY2(QString::fromUtf8(fault.what()).contains(u":/pictures/face8"_s), fault.what());
            return;
        }
        QFAIL("face 8 was drawn");
    }
    // The window icon comes at each size a desktop asks for, each once, and the desktop's icon
    // theme has it at each of the sizes it holds.
    void icons() {
        QList<QSize> sizes = pictures::icon().availableSizes();
        std::ranges::sort(sizes, {}, &QSize::width);
        QCOMPARE(sizes, (QList<QSize>{{16, 16}, {24, 24}, {32, 32}, {48, 48}, {64, 64}}));
        for (int n : {16, 22, 24, 32, 48, 64, 128, 256}) {
            QCOMPARE(load(u"hicolor/%1x%1/apps/rakamlik"_s.arg(n)).size(), QSize(n, n));
        }
    }
};

QTEST_MAIN(PicturesTest)
#include "tst_pictures.moc"
