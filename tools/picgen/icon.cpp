// SPDX-License-Identifier: GPL-3.0-or-later
// The window icon: a black disc holding three yellow wedges that point down, one above the centre
// with its point on the centre and two side by side below it.

#include "drawings.h"

#include <QPainter>

namespace picgen {

QImage drawIcon(int size) {
    QImage image{size, size, QImage::Format_ARGB32_Premultiplied};
    image.fill(Qt::transparent);
    QPainter p{&image};
    p.setRenderHint(QPainter::Antialiasing);
    // Drawn on a disc of radius 1 around the origin.
    p.translate(size / 2.0, size / 2.0);
    p.scale(size / 2.0, size / 2.0);
    p.setPen(Qt::NoPen);
    p.setBrush(Qt::black);
    p.drawEllipse(QPointF{0, 0}, 1.0, 1.0);

    // A wedge whose flat top is `width` wide, pointing down to `tip`.
    constexpr double width = 0.74;
    constexpr double height = 0.6;
    const auto wedge = [&](QPointF tip) {
        const QPointF topLeft = tip + QPointF{-width / 2, -height};
        const QPointF topRight = tip + QPointF{width / 2, -height};
        p.drawPolygon(QPolygonF{topLeft, topRight, tip});
    };
    p.setBrush(QColor{255, 255, 0});
    wedge({0, 0});
    wedge({-0.45, 0.7});
    wedge({0.45, 0.7});
    p.end();
    return image.convertToFormat(QImage::Format_ARGB32);
}

} // namespace picgen
