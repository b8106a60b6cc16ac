// SPDX-License-Identifier: GPL-3.0-or-later
// The ledger's markers: a row of small square marks, blue for the digits in place, red for the
// digits elsewhere.

#include "drawings.h"

#include <QColor>

namespace picgen {
namespace {

// One mark is drawn as a 12 x 8 pixel design and shown enlarged to 19 x 15 at 1x.
constexpr int designWidth = 12;
constexpr int designHeight = 8;
constexpr int markWidth = 19;
constexpr int markHeight = 15;
// The marks stand 24 px apart, so 5 px of ground separates two marks; the first one sits inside
// the 2 px margin.
constexpr int pitch = 24;
constexpr int margin = 2;

struct MarkColours {
    QRgb body;
    QRgb highlight;
};
constexpr MarkColours blueMark{qRgb(128, 128, 255), qRgb(128, 255, 255)};
constexpr MarkColours redMark{qRgb(255, 0, 0), qRgb(255, 255, 255)};

// The design: a black outer ring; inside it a highlight along the top row and the two leftmost
// columns; the remaining 8 x 5 pixels are the body.
QImage markDesign(MarkColours colours) {
    QImage design{designWidth, designHeight, QImage::Format_ARGB32};
    for (int y = 0; y < designHeight; ++y) {
        for (int x = 0; x < designWidth; ++x) {
            const bool ring = x == 0 || y == 0 || x == designWidth - 1 || y == designHeight - 1;
            const bool highlight = y == 1 || x <= 2;
            design.setPixel(x, y,
                            ring        ? qRgb(0, 0, 0)
                            : highlight ? colours.highlight
                                        : colours.body);
        }
    }
    return design;
}

// Copies `design` enlarged to `size` at `topLeft`, each target pixel taking the design pixel under
// its centre: hard edges, no smoothing.
void stamp(QImage& target, const QImage& design, QPoint topLeft, QSize size) {
    for (int y = 0; y < size.height(); ++y) {
        const int sy = (2 * y + 1) * design.height() / (2 * size.height());
        for (int x = 0; x < size.width(); ++x) {
            const int sx = (2 * x + 1) * design.width() / (2 * size.width());
            target.setPixel(topLeft.x() + x, topLeft.y() + y, design.pixel(sx, sy));
        }
    }
}

} // namespace

std::vector<std::pair<int, int>> markerPairs() {
    std::vector<std::pair<int, int>> pairs;
    for (int blue = 0; blue <= 4; ++blue) {
        for (int red = 0; blue + red <= 4; ++red) {
            if (blue + red > 0 && !(blue == 3 && red == 1)) {
                pairs.emplace_back(blue, red);
            }
        }
    }
    return pairs;
}

QImage drawMarker(int blue, int red, int scale) {
    const int marks = blue + red;
    QImage image{QSize{pitch * marks - 1, markHeight + 2 * margin} * scale, QImage::Format_ARGB32};
    image.fill(Qt::transparent);
    const QImage blueDesign = markDesign(blueMark);
    const QImage redDesign = markDesign(redMark);
    for (int i = 0; i < marks; ++i) {
        stamp(image, i < blue ? blueDesign : redDesign, QPoint{margin + i * pitch, margin} * scale,
              QSize{markWidth, markHeight} * scale);
    }
    return image;
}

} // namespace picgen
