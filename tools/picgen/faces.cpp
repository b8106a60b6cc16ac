// SPDX-License-Identifier: GPL-3.0-or-later
// The dial's faces: a little speedometer whose needle sweeps over the top of a half disc, colouring
// the part it has passed.

#include "drawings.h"

#include <QPainter>
#include <QPainterPath>

#include <array>
#include <cmath>
#include <numbers>

namespace picgen {
namespace {

const QColor ground{192, 192, 192};
const QColor needleBody{128, 128, 255};
const QColor needleEdge{128, 255, 255};
const QColor green{15, 172, 129};
const QColor yellow{255, 255, 0};
const QColor red{255, 0, 0};

// Geometry at 1x. The gauge fills the picture but for a 2 px margin; the half disc stands on the
// base, its centre on the middle column of the gauge.
const QRectF gauge{2, 2, 105, 70};
const QPointF hub{54.5, 58};
constexpr double discRadius = 46; // the white or coloured part
constexpr double rimRadius = 47;  // middle of the 2 px black rim
constexpr double rimWidth = 2;
constexpr double needleLength = 45; // just short of the rim
constexpr double hubRadius = 4.5;

constexpr std::array<double, 8> angles{0, 22, 51, 77, 100, 125, 154, 180};

QColor fillColour(int face) {
    if (face >= 6) {
        return red;
    }
    if (face >= 4) {
        return yellow;
    }
    return green;
}

QRectF circle(double radius) {
    return {hub.x() - radius, hub.y() - radius, 2 * radius, 2 * radius};
}

// The direction of a needle at `degrees` from pointing left, turning over the top.
QPointF direction(double degrees) {
    const double a = degrees * std::numbers::pi / 180;
    return {-std::cos(a), -std::sin(a)};
}

// The slice of the half disc from `from` to `to` degrees (same measure as the needle). The slice
// reaches half a pixel under the rim so no seam of ground shows between them.
QPainterPath slice(double from, double to) {
    QPainterPath path{hub};
    path.arcTo(circle(discRadius + 0.5), 180 - from, from - to);
    path.closeSubpath();
    return path;
}

void drawTicks(QPainter& p) {
    p.setPen(QPen{Qt::black, 1, Qt::SolidLine, Qt::FlatCap});
    for (int degrees = 15; degrees < 180; degrees += 15) {
        const bool major = degrees % 45 == 0;
        const QPointF d = direction(degrees);
        p.drawLine(hub + d * (major ? 38 : 41), hub + d * discRadius);
    }
}

void drawBase(QPainter& p) {
    p.setPen(Qt::NoPen);
    p.setBrush(Qt::black);
    // The base reaches two pixels past the rim on both sides and stands on two small feet.
    p.drawRect(QRectF{4, hub.y(), 101, 2});
    const double w = gauge.left() + gauge.right(); // mirrors x about the gauge's middle
    p.drawPolygon(QPolygonF{{4, 60}, {12, 60}, {10, 64}, {6, 64}});
    p.drawPolygon(QPolygonF{{w - 4, 60}, {w - 12, 60}, {w - 10, 64}, {w - 6, 64}});
}

void drawNeedle(QPainter& p, double degrees) {
    const QPointF d = direction(degrees);
    const QPointF across{-d.y(), d.x()};
    const QPointF tip = hub + d * needleLength;
    p.setPen(QPen{needleEdge, 1, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin});
    p.setBrush(needleBody);
    p.drawPolygon(
        QPolygonF{hub + across * 2.2, tip + across * 0.6, tip - across * 0.6, hub - across * 2.2});
    p.setPen(QPen{needleEdge, 1.5});
    p.drawEllipse(hub, hubRadius, hubRadius);
}

} // namespace

double needleAngle(int face) {
    return angles.at(face);
}

QImage drawFace(int face, int scale) {
    QImage image{QSize{109, 74} * scale, QImage::Format_ARGB32_Premultiplied};
    image.fill(Qt::transparent);
    QPainter p{&image};
    p.setRenderHint(QPainter::Antialiasing);
    p.scale(scale, scale);

    p.fillRect(gauge, ground);
    const double angle = needleAngle(face);
    p.setPen(Qt::NoPen);
    if (angle > 0) {
        p.fillPath(slice(0, angle), fillColour(face));
    }
    if (angle < 180) {
        p.fillPath(slice(angle, 180), Qt::white);
    }
    drawTicks(p);

    p.setPen(QPen{Qt::black, rimWidth, Qt::SolidLine, Qt::FlatCap});
    p.setBrush(Qt::NoBrush);
    p.drawArc(circle(rimRadius), 0, 180 * 16);

    drawBase(p);
    drawNeedle(p, angle);
    p.end();
    return image.convertToFormat(QImage::Format_ARGB32);
}

} // namespace picgen
