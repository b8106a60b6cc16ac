// The pictures as files (both resolutions, straight from the built-in resources or from the build's
// picture folder) and as handed out by rakamlik::pictures.

#include "assets/pictures.h"

#include <QGuiApplication>
#include <QTest>

#include <algorithm>
#include <cmath>
#include <numbers>
#include <span>

namespace {

namespace colour {
const QRgb black = qRgb(0, 0, 0);
const QRgb white = qRgb(255, 255, 255);
const QRgb grey = qRgb(192, 192, 192);
const QRgb blue = qRgb(128, 128, 255);
const QRgb cyan = qRgb(128, 255, 255);
const QRgb green = qRgb(15, 172, 129);
const QRgb yellow = qRgb(255, 255, 0);
const QRgb red = qRgb(255, 0, 0);
} // namespace colour

QString variant(const QString& name, int scale) {
    return scale == 2 ? name + QStringLiteral("@2x") : name;
}

// The embedded pictures come from the resources; the icon theme's files are only in the folder.
QImage load(const QString& name) {
    const QString file = name.startsWith(QStringLiteral("hicolor"))
                             ? QStringLiteral(RAKAMLIK_PICTURES_DIR "/%1.png").arg(name)
                             : QStringLiteral(":/pictures/%1.png").arg(name);
    return QImage{file}.convertToFormat(QImage::Format_ARGB32);
}

QString markerName(int blue, int red) {
    return QStringLiteral("marker_%1_%2").arg(blue).arg(red);
}

const std::pair<int, int> markerPairs[] = {{0, 1}, {0, 2}, {0, 3}, {0, 4}, {1, 0}, {1, 1}, {1, 2},
                                           {1, 3}, {2, 0}, {2, 1}, {2, 2}, {3, 0}, {4, 0}};

// Where the centre of pixel (sx, sy) of the 12 x 8 mark design lands in mark `index` of a marker.
QPoint designPixel(int index, int sx, int sy, int scale) {
    return {(2 + 24 * index) * scale + (2 * sx + 1) * 19 * scale / 24,
            2 * scale + (2 * sy + 1) * 15 * scale / 16};
}

// The pixels of an ARGB32 image, row after row.
std::span<const QRgb> pixels(const QImage& image) {
    return {reinterpret_cast<const QRgb*>(image.constBits()), image.sizeInBytes() / sizeof(QRgb)};
}

int count(const QImage& image, QRgb colour) {
    return int(std::ranges::count(pixels(image), colour));
}

} // namespace

class PicturesTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() {
        // The second run of this test sets a scale factor and says which ratio it must produce.
        const QByteArray expected = qgetenv("RAKAMLIK_EXPECTED_PIXEL_RATIO");
        if (!expected.isEmpty()) {
            QCOMPARE(qGuiApp->devicePixelRatio(), expected.toDouble());
        }
    }

    void sizesAndMargins_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QSize>("size");
        QTest::addColumn<int>("margin");
        for (int scale : {1, 2}) {
            for (int n = 0; n <= 7; ++n) {
                addRow(variant(QStringLiteral("face%1").arg(n), scale), QSize{109, 74} * scale,
                       2 * scale);
            }
            for (auto [blue, red] : markerPairs) {
                addRow(variant(markerName(blue, red), scale),
                       QSize{24 * (blue + red) - 1, 19} * scale, 2 * scale);
            }
            addRow(variant(QStringLiteral("backdrop"), scale), QSize{404, 382} * scale, 0);
            addRow(variant(QStringLiteral("icon16"), scale), QSize{16, 16} * scale, 0);
            addRow(variant(QStringLiteral("icon32"), scale), QSize{32, 32} * scale, 0);
        }
        for (int n : {16, 22, 24, 32, 48, 64, 128, 256}) {
            addRow(QStringLiteral("hicolor/%1x%1/apps/rakamlik").arg(n), QSize{n, n}, 0);
        }
    }
    // Faces and markers keep exactly 2 px (4 at 2x) of transparent margin on every side.
    void sizesAndMargins() {
        QFETCH(QString, name);
        QFETCH(QSize, size);
        QFETCH(int, margin);
        const QImage image = load(name);
        QCOMPARE(image.size(), size);
        if (margin == 0) {
            return;
        }
        QRect drawn;
        for (int y = 0; y < image.height(); ++y) {
            for (int x = 0; x < image.width(); ++x) {
                drawn |= qAlpha(image.pixel(x, y)) != 0 ? QRect{x, y, 1, 1} : QRect{};
            }
        }
        QCOMPARE(drawn, image.rect().adjusted(margin, margin, -margin, -margin));
    }

    void markers_data() {
        QTest::addColumn<int>("blue");
        QTest::addColumn<int>("red");
        QTest::addColumn<int>("scale");
        for (int scale : {1, 2}) {
            for (auto [blue, red] : markerPairs) {
                QTest::addRow("%d blue %d red at %dx", blue, red, scale) << blue << red << scale;
            }
        }
    }
    // Blue marks first, then red ones, with clear ground between them. Every pixel of the 12 x 8
    // design shows, enlarged without smoothing: black ring, highlight along the top and the two
    // leftmost columns, body.
    void markers() {
        QFETCH(int, blue);
        QFETCH(int, red);
        QFETCH(int, scale);
        const QImage image = load(variant(markerName(blue, red), scale));
        for (int i = 0; i < blue + red; ++i) {
            const QRgb body = i < blue ? colour::blue : colour::red;
            const QRgb highlight = i < blue ? colour::cyan : colour::white;
            for (int sy = 0; sy < 8; ++sy) {
                for (int sx = 0; sx < 12; ++sx) {
                    const bool ring = sx == 0 || sy == 0 || sx == 11 || sy == 7;
                    const QRgb expected = ring                   ? colour::black
                                          : (sy == 1 || sx <= 2) ? highlight
                                                                 : body;
                    QCOMPARE(image.pixel(designPixel(i, sx, sy, scale)), expected);
                }
            }
            const QRect mark{QPoint{2 + 24 * i, 2} * scale, QSize{19, 15} * scale};
            for (int y = mark.top(); y <= mark.bottom(); ++y) {
                for (int x = mark.left(); x <= mark.right(); ++x) {
                    QVERIFY(
                        QList<QRgb>({colour::black, body, highlight}).contains(image.pixel(x, y)));
                }
            }
            for (int x = mark.right() + 1;
                 x < std::min(mark.right() + 1 + 5 * scale, image.width()); ++x) {
                QCOMPARE(qAlpha(image.pixel(x, 10 * scale)), 0);
            }
        }
    }

    void faces_data() {
        QTest::addColumn<int>("face");
        QTest::addColumn<int>("scale");
        QTest::addColumn<double>("angle");
        QTest::addColumn<QRgb>("fill");
        const double angles[] = {0, 22, 51, 77, 100, 125, 154, 180};
        for (int scale : {1, 2}) {
            for (int n = 0; n <= 7; ++n) {
                const QRgb fill = n == 0   ? 0
                                  : n <= 3 ? colour::green
                                  : n <= 5 ? colour::yellow
                                           : colour::red;
                QTest::addRow("face %d at %dx", n, scale) << n << scale << angles[n] << fill;
            }
        }
    }
    // The half disc is coloured from the left end of the base up to the needle, white beyond it.
    void faces() {
        QFETCH(int, face);
        QFETCH(int, scale);
        QFETCH(double, angle);
        QFETCH(QRgb, fill);
        const QImage image = load(variant(QStringLiteral("face%1").arg(face), scale));
        QCOMPARE(image.pixel(2 * scale, 2 * scale), colour::grey);
        for (QRgb other : {colour::green, colour::yellow, colour::red}) {
            if (other != fill) {
                QCOMPARE(count(image, other), 0);
            }
        }
        const int filled = fill == 0 ? 0 : count(image, fill);
        const int whites = count(image, colour::white);
        QCOMPARE(filled > 0, face > 0);
        QCOMPARE(whites > 0, face < 7);
        QVERIFY2(std::abs(double(filled) / (filled + whites) - angle / 180) < 0.05,
                 qPrintable(QStringLiteral("%1 of %2 filled").arg(filled).arg(filled + whites)));

        // The needle runs from the hub, in the middle of the base, to just short of the rim. Its
        // thin tip is smoothed into its neighbours at 1x, so any bluish pixel counts.
        const QPointF hub = QPointF{54.5, 58} * scale;
        const double a = angle * std::numbers::pi / 180;
        const QPointF tip = hub + QPointF{-std::cos(a), -std::sin(a)} * 45 * scale;
        QPointF farthest = hub;
        for (int y = 0; y < image.height(); ++y) {
            for (int x = 0; x < image.width(); ++x) {
                const QPointF at{x + 0.5, y + 0.5};
                const QRgb c = image.pixel(x, y);
                const bool bluish = qBlue(c) >= 192 && qBlue(c) - qRed(c) >= 32;
                if (bluish && QLineF{hub, at}.length() > QLineF{hub, farthest}.length()) {
                    farthest = at;
                }
            }
        }
        const double miss = QLineF(farthest, tip).length();
        QVERIFY2(miss <= 3 * scale, qPrintable(QStringLiteral("tip %1 px off").arg(miss)));
    }

    void backdrop_data() {
        QTest::addColumn<int>("scale");
        QTest::newRow("1x") << 1;
        QTest::newRow("2x") << 2;
    }
    // Parchment: every pixel within the beige range, the right average, and not a flat colour.
    void backdrop() {
        QFETCH(int, scale);
        const QImage image = load(variant(QStringLiteral("backdrop"), scale));
        const int low[3] = {233, 212, 159};
        const int high[3] = {255, 246, 193};
        const int average[3] = {250, 230, 177};
        const double n = double(image.width()) * image.height();
        for (int i = 0; i < 3; ++i) {
            double sum = 0;
            double squares = 0;
            for (QRgb c : pixels(image)) {
                const int v = i == 0 ? qRed(c) : i == 1 ? qGreen(c) : qBlue(c);
                QVERIFY(v >= low[i] && v <= high[i]);
                sum += v;
                squares += double(v) * v;
            }
            QVERIFY2(std::abs(sum / n - average[i]) < 2, qPrintable(QString::number(sum / n)));
            QVERIFY(squares / n - (sum / n) * (sum / n) > 1);
        }
    }

    void icon_data() {
        QTest::addColumn<QString>("name");
        for (const char* name : {"icon16", "icon16@2x", "icon32", "icon32@2x"}) {
            addRow(QString::fromLatin1(name));
        }
        for (int n : {16, 22, 24, 32, 48, 64, 128, 256}) {
            addRow(QStringLiteral("hicolor/%1x%1/apps/rakamlik").arg(n));
        }
    }
    // A black disc on a clear ground, a yellow wedge above the centre and two below it.
    void icon() {
        QFETCH(QString, name);
        const QImage image = load(name);
        const double r = image.width() / 2.0;
        const auto at = [&](double x, double y) {
            return image.pixel(int(std::floor(r + x * r)), int(std::floor(r + y * r)));
        };
        const int last = image.width() - 1;
        for (QPoint corner : {QPoint{0, 0}, QPoint{last, 0}, QPoint{0, last}, QPoint{last, last}}) {
            QCOMPARE(qAlpha(image.pixel(corner)), 0);
        }
        QCOMPARE(at(-0.8, -0.1), colour::black);
        QCOMPARE(at(0.8, -0.1), colour::black);
        QCOMPARE(at(0, -0.8), colour::black);
        QCOMPARE(at(0, -0.4), colour::yellow);
        QCOMPARE(at(-0.45, 0.3), colour::yellow);
        QCOMPARE(at(0.45, 0.3), colour::yellow);
        QCOMPARE(at(0, 0.3), colour::black); // between the two lower wedges
        if (image.width() >= 48) { // big enough to show that the upper wedge ends on the centre
            QCOMPARE(at(0, -0.15), colour::yellow);
            QCOMPARE(at(0, 0.06), colour::black);
        }
    }

    void invalidArgumentsGiveNull_data() {
        QTest::addColumn<QPixmap>("pixmap");
        QTest::newRow("face -1") << rakamlik::pictures::face(-1);
        QTest::newRow("face 8") << rakamlik::pictures::face(8);
        QTest::newRow("marker 0 0, the empty picture") << rakamlik::pictures::marker(0, 0);
        QTest::newRow("marker 3 1, impossible") << rakamlik::pictures::marker(3, 1);
        QTest::newRow("marker 5 0") << rakamlik::pictures::marker(5, 0);
        QTest::newRow("marker -1 2") << rakamlik::pictures::marker(-1, 2);
    }
    void invalidArgumentsGiveNull() {
        QFETCH(QPixmap, pixmap);
        QVERIFY(pixmap.isNull());
    }

    void pixmapsFitTheScreen_data() {
        QTest::addColumn<QPixmap>("pixmap");
        QTest::addColumn<QString>("name");
        QTest::addColumn<QSize>("size");
        using namespace rakamlik;
        QTest::newRow("face 5") << pictures::face(5) << "face5" << QSize{109, 74};
        QTest::newRow("marker 2 1") << pictures::marker(2, 1) << "marker_2_1" << QSize{71, 19};
        QTest::newRow("backdrop") << pictures::backdrop() << "backdrop" << QSize{404, 382};
    }
    // The same logical size everywhere; the @2x drawing on screens with a device pixel ratio
    // above 1.
    void pixmapsFitTheScreen() {
        QFETCH(QPixmap, pixmap);
        QFETCH(QString, name);
        QFETCH(QSize, size);
        const int scale = qGuiApp->devicePixelRatio() > 1 ? 2 : 1;
        QCOMPARE(pixmap.deviceIndependentSize(), QSizeF{size});
        QCOMPARE(pixmap.devicePixelRatio(), double(scale));
        QCOMPARE(pixmap.toImage().convertToFormat(QImage::Format_ARGB32),
                 load(variant(name, scale)));
    }

    void iconHasEverySize() {
        const QIcon icon = rakamlik::pictures::icon();
        const QList<QSize> sizes = icon.availableSizes();
        for (int n : {16, 32, 64}) {
            QVERIFY2(sizes.contains(QSize(n, n)), qPrintable(QString::number(n)));
        }
    }

private:
    static void addRow(const QString& name) { QTest::newRow(qPrintable(name)) << name; }
    static void addRow(const QString& name, QSize size, int margin) {
        QTest::newRow(qPrintable(name)) << name << size << margin;
    }
};

QTEST_MAIN(PicturesTest)
#include "tst_pictures.moc"
