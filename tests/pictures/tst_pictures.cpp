// The pictures as picgen draws them (its PNG files in the build's picture folder), as the program
// embeds them (raw pixels), and as rakamlik::pictures hands them out.

#include "assets/pictures.h"
#include "assets/raw_image.h"

#include <QGuiApplication>
#include <QTest>
#include <QtEndian>

#include <algorithm>
#include <cmath>
#include <numbers>
#include <span>
#include <tuple>
#include <vector>

namespace {

const QRgb black = qRgb(0, 0, 0);
const QRgb white = qRgb(255, 255, 255);
const QRgb blue = qRgb(128, 128, 255);
const QRgb cyan = qRgb(128, 255, 255);
const QRgb green = qRgb(15, 172, 129);
const QRgb yellow = qRgb(255, 255, 0);
const QRgb red = qRgb(255, 0, 0);

// "face3" at scale 2 is the file face3@2x.png that picgen drew.
QImage load(const QString& name, int scale = 1) {
    const QImage image{QStringLiteral(RAKAMLIK_PICTURES_DIR "/") + name +
                       (scale == 2 ? QStringLiteral("@2x.png") : QStringLiteral(".png"))};
    return image.convertToFormat(QImage::Format_ARGB32);
}

std::span<const QRgb> pixels(const QImage& image) {
    return {reinterpret_cast<const QRgb*>(image.constBits()),
            std::size_t(image.width() * image.height())};
}

// The drawing reaches a clear margin of `margin` px on every side, and no further.
void checkMargin(const QImage& image, int margin) {
    QRect drawn;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            drawn |= qAlpha(image.pixel(x, y)) != 0 ? QRect{x, y, 1, 1} : QRect{};
        }
    }
    QCOMPARE(drawn, image.rect().adjusted(margin, margin, -margin, -margin));
}

} // namespace

class PicturesTest : public QObject {
    Q_OBJECT

private slots:
    void faces_data() {
        QTest::addColumn<int>("face");
        QTest::addColumn<int>("scale");
        for (int scale : {1, 2}) {
            for (int n = 0; n <= 7; ++n) {
                QTest::addRow("face %d at %dx", n, scale) << n << scale;
            }
        }
    }
    // 109 x 74 px in a 2 px margin (times the scale). On a grey ground the half disc is coloured
    // from the left end of the base up to the needle and white beyond it: face 0 has no colour,
    // face 7 no white.
    void faces() {
        QFETCH(int, face);
        QFETCH(int, scale);
        const double angle = QList<double>{0, 22, 51, 77, 100, 125, 154, 180}.at(face);
        const QRgb fill = QList<QRgb>{0, green, green, green, yellow, yellow, red, red}.at(face);
        const QImage image = load(QStringLiteral("face%1").arg(face), scale);
        QCOMPARE(image.size(), QSize(109, 74) * scale);
        checkMargin(image, 2 * scale);
        QCOMPARE(image.pixel(2 * scale, 2 * scale), qRgb(192, 192, 192));
        for (QRgb colour : {green, yellow, red}) {
            QCOMPARE(std::ranges::count(pixels(image), colour) > 0, colour == fill);
        }
        const auto filled = fill == 0 ? 0 : std::ranges::count(pixels(image), fill);
        const auto whites = std::ranges::count(pixels(image), white);
        QCOMPARE(whites > 0, face < 7);
        QVERIFY2(std::abs(double(filled) / double(filled + whites) - angle / 180) < 0.05,
                 qPrintable(QStringLiteral("%1 of %2 filled").arg(filled).arg(filled + whites)));

        // The needle runs from the hub, in the middle of the base, to just short of the rim. Its
        // thin tip is smoothed into its neighbours at 1x, so any bluish pixel counts.
        const QPointF hub = QPointF{54.5, 58} * scale;
        const double a = angle * std::numbers::pi / 180;
        const QPointF tip = hub + QPointF{-std::cos(a), -std::sin(a)} * 45 * scale;
        QLineF needle{hub, hub};
        for (int y = 0; y < image.height(); ++y) {
            for (int x = 0; x < image.width(); ++x) {
                const QRgb c = image.pixel(x, y);
                const QLineF to{hub, QPointF{x + 0.5, y + 0.5}};
                if (qBlue(c) >= 192 && qBlue(c) - qRed(c) >= 32 && to.length() > needle.length()) {
                    needle = to;
                }
            }
        }
        const double miss = QLineF(needle.p2(), tip).length();
        QVERIFY2(miss <= 3 * scale, qPrintable(QStringLiteral("tip %1 px off").arg(miss)));
    }

    void markers_data() {
        QTest::addColumn<int>("blue");
        QTest::addColumn<int>("red");
        QTest::addColumn<int>("scale");
        const std::pair<int, int> pairs[] = {{0, 1}, {0, 2}, {0, 3}, {0, 4}, {1, 0}, {1, 1}, {1, 2},
                                             {1, 3}, {2, 0}, {2, 1}, {2, 2}, {3, 0}, {4, 0}};
        for (int scale : {1, 2}) {
            for (auto [b, r] : pairs) {
                QTest::addRow("%d blue %d red at %dx", b, r, scale) << b << r << scale;
            }
        }
    }
    // Blue marks, then red ones, 19 x 15 px each (times the scale), 5 px of clear ground between
    // them and a 2 px margin round them all. A mark is a 12 x 8 pixel design enlarged without
    // smoothing: a black ring, a highlight along the top and the two leftmost columns, the body.
    void markers() {
        QFETCH(int, blue);
        QFETCH(int, red);
        QFETCH(int, scale);
        const QImage image = load(QStringLiteral("marker_%1_%2").arg(blue).arg(red), scale);
        QCOMPARE(image.size(), QSize(24 * (blue + red) - 1, 19) * scale);
        checkMargin(image, 2 * scale);
        const QList<QRgb> unsmoothed{0, black, white, ::blue, cyan, ::red}; // 0: clear
        QVERIFY(std::ranges::all_of(
            pixels(image), [&](QRgb c) { return unsmoothed.contains(qAlpha(c) == 0 ? 0 : c); }));
        for (int i = 0; i < blue + red; ++i) {
            const QRect mark{QPoint{2 + 24 * i, 2} * scale, QSize{19, 15} * scale};
            const QRgb light = i < blue ? cyan : white;
            const QRgb body = i < blue ? ::blue : ::red;
            // Design pixels at the edges of each part: ring on all four sides, highlight, body.
            const std::tuple<int, int, QRgb> design[] = {
                {0, 4, black}, {11, 4, black}, {6, 0, black}, {6, 7, black}, {6, 1, light},
                {1, 5, light}, {2, 5, light},  {3, 2, body},  {10, 6, body}};
            for (auto [sx, sy, colour] : design) {
                QCOMPARE(image.pixel(mark.left() + (2 * sx + 1) * mark.width() / 24,
                                     mark.top() + (2 * sy + 1) * mark.height() / 16),
                         colour);
            }
            QCOMPARE(image.pixel(mark.topLeft()), black);
            QCOMPARE(image.pixel(mark.bottomRight()), black);
            if (i + 1 < blue + red) {
                QCOMPARE(qAlpha(image.pixel(mark.right() + 1, mark.center().y())), 0);
                QCOMPARE(qAlpha(image.pixel(mark.right() + 5 * scale, mark.center().y())), 0);
            }
        }
    }

    // Parchment of 404 x 382 px: every pixel in a beige range, the right average, and not one flat
    // colour.
    void backdrop() {
        for (int scale : {1, 2}) {
            const QImage image = load(QStringLiteral("backdrop"), scale);
            QCOMPARE(image.size(), QSize(404, 382) * scale);
            const auto n = double(pixels(image).size());
            // Red, green and blue: where in the pixel, lowest, highest, average.
            for (auto [shift, low, high, average] :
                 {std::array{16, 233, 255, 250}, {8, 212, 246, 230}, {0, 159, 193, 177}}) {
                double sum = 0;
                double squares = 0;
                for (QRgb c : pixels(image)) {
                    const int v = int(c >> shift) & 0xFF;
                    QVERIFY(v >= low && v <= high);
                    sum += v;
                    squares += double(v) * v;
                }
                QVERIFY2(std::abs(sum / n - average) < 2, qPrintable(QString::number(sum / n)));
                QVERIFY(squares / n - (sum / n) * (sum / n) > 1);
            }
        }
    }

    void icon_data() {
        QTest::addColumn<QImage>("image");
        QTest::addColumn<int>("size");
        for (int n : {16, 32}) {
            QTest::addRow("icon%d", n) << load(QStringLiteral("icon%1").arg(n)) << n;
            QTest::addRow("icon%d@2x", n) << load(QStringLiteral("icon%1").arg(n), 2) << 2 * n;
        }
        for (int n : {16, 22, 24, 32, 48, 64, 128, 256}) {
            QTest::addRow("hicolor %d", n)
                << load(QStringLiteral("hicolor/%1x%1/apps/rakamlik").arg(n)) << n;
        }
    }
    // A black disc on a clear ground, a yellow wedge above the centre and two below it.
    void icon() {
        QFETCH(QImage, image);
        QFETCH(int, size);
        QCOMPARE(image.size(), QSize(size, size));
        const auto at = [&](double x, double y) { // x and y from -1 to 1
            return image.pixel(int(std::floor((1 + x) * size / 2)),
                               int(std::floor((1 + y) * size / 2)));
        };
        for (QRgb corner : {image.pixel(0, 0), image.pixel(size - 1, 0), image.pixel(0, size - 1),
                            image.pixel(size - 1, size - 1)}) {
            QCOMPARE(qAlpha(corner), 0);
        }
        // Round the rim, and between the two lower wedges.
        for (QRgb disc : {at(-0.8, -0.1), at(0.8, -0.1), at(0, -0.8), at(0, 0.3)}) {
            QCOMPARE(disc, black);
        }
        for (QRgb wedge : {at(0, -0.4), at(-0.45, 0.3), at(0.45, 0.3)}) {
            QCOMPARE(wedge, yellow);
        }
        if (size >= 48) { // big enough to show that the upper wedge ends on the centre
            QCOMPARE(at(0, -0.15), yellow);
            QCOMPARE(at(0, 0.06), black);
        }
    }

    // The embedded format gives back exactly what was drawn, with or without transparency.
    void rawRoundTrip() {
        QImage opaque(3, 2, QImage::Format_RGB32);
        opaque.fill(qRgb(250, 230, 177));
        opaque.setPixel(2, 1, qRgb(1, 2, 3));
        QImage clear(2, 3, QImage::Format_ARGB32_Premultiplied);
        clear.fill(Qt::transparent);
        clear.setPixel(1, 2, qRgba(10, 20, 30, 40));
        for (const QImage& image : {opaque, clear}) {
            const QImage back = rakamlik::raw::decode(rakamlik::raw::encode(image));
            QCOMPARE(back.format(), image.format());
            QCOMPARE(back, image);
        }
    }

    // Damaged data gives a null picture, never a crash or a huge allocation.
    void rawRejectsDamage_data() {
        QTest::addColumn<QByteArray>("bytes");
        QImage image(4, 3, QImage::Format_RGB32);
        image.fill(Qt::white);
        const QByteArray good = rakamlik::raw::encode(image);
        const auto withNumber = [&](int offset, quint32 value) {
            QByteArray bytes = good;
            qToLittleEndian<quint32>(value, bytes.data() + offset);
            return bytes;
        };
        QTest::newRow("empty") << QByteArray();
        QTest::newRow("header only") << good.left(16);
        QTest::newRow("one byte short") << good.chopped(1);
        QTest::newRow("one byte over") << good + '\0';
        QTest::newRow("not ours") << QByteArray("PNG!") + good.mid(4);
        QTest::newRow("zero width") << withNumber(4, 0);
        QTest::newRow("width too large") << withNumber(4, 0x40000001);
        QTest::newRow("height disagrees") << withNumber(8, 4);
        QTest::newRow("8-bit format") << withNumber(12, QImage::Format_Grayscale8);
    }
    void rawRejectsDamage() {
        QFETCH(QByteArray, bytes);
        QVERIFY(rakamlik::raw::decode(bytes).isNull());
    }

    // The same logical size everywhere, from the @2x drawing on screens with a device pixel ratio
    // above 1 (the second run of this test sets a scale factor and says which ratio it must
    // produce); null pictures for arguments that have none; an icon of 16, 32 and 64 px.
    void handedOut() {
        using namespace rakamlik::pictures;
        using namespace Qt::Literals::StringLiterals;
        const QByteArray expected = qgetenv("RAKAMLIK_EXPECTED_PIXEL_RATIO");
        if (!expected.isEmpty()) {
            QCOMPARE(qGuiApp->devicePixelRatio(), expected.toDouble());
        }
        const int scale = qGuiApp->devicePixelRatio() > 1 ? 2 : 1;
        // Every embedded picture is exactly the one picgen drew.
        std::vector<std::tuple<QPixmap, QString, QSizeF>> cases{
            {rakamlik::pictures::backdrop(), u"backdrop"_s, {404, 382}}};
        for (int n = 0; n <= 7; ++n) {
            cases.emplace_back(face(n), u"face%1"_s.arg(n), QSizeF(109, 74));
        }
        for (int blue = 0; blue <= 4; ++blue) {
            for (int red = 0; blue + red <= 4; ++red) {
                if (blue + red > 0 && !(blue == 3 && red == 1)) {
                    cases.emplace_back(marker(blue, red), u"marker_%1_%2"_s.arg(blue).arg(red),
                                       QSizeF(24 * (blue + red) - 1, 19));
                }
            }
        }
        QCOMPARE(cases.size(), std::size_t{1 + 8 + 13});
        for (const auto& [pixmap, name, size] : cases) {
            QCOMPARE(pixmap.deviceIndependentSize(), size);
            QCOMPARE(pixmap.devicePixelRatio(), double(scale));
            QCOMPARE(pixmap.toImage().convertToFormat(QImage::Format_ARGB32), load(name, scale));
        }
        for (const QPixmap& none :
             {face(-1), face(8), marker(0, 0), marker(3, 1), marker(5, 0), marker(-1, 2)}) {
            QVERIFY(none.isNull());
        }
        for (int n : {16, 32, 64}) {
            QVERIFY(rakamlik::pictures::icon().availableSizes().contains(QSize(n, n)));
        }
    }
};

QTEST_MAIN(PicturesTest)
#include "tst_pictures.moc"
