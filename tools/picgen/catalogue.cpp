// SPDX-License-Identifier: GPL-3.0-or-later
// The list of picture files and the contact sheet that shows them all.

#include "drawings.h"

#include <QPainter>

#include <algorithm>

namespace picgen {
namespace {

QString markerName(int blue, int red) {
    return QStringLiteral("marker_%1_%2").arg(blue).arg(red);
}

// Adds `name` at 1x and its "@2x" twin drawn by `draw(scale)`.
template <typename Draw> void addBoth(std::vector<Picture>& out, const QString& name, Draw draw) {
    out.push_back({name, draw(1)});
    out.push_back({name + QStringLiteral("@2x"), draw(2)});
}

} // namespace

std::vector<Picture> allPictures() {
    std::vector<Picture> out;
    for (int face = 0; face <= 7; ++face) {
        addBoth(out, QStringLiteral("face%1").arg(face), [&](int s) { return drawFace(face, s); });
    }
    for (const auto& [blue, red] : markerPairs()) {
        addBoth(out, markerName(blue, red),
                [blue = blue, red = red](int s) { return drawMarker(blue, red, s); });
    }
    addBoth(out, QStringLiteral("backdrop"), drawBackdrop);
    // The window's icon is drawn at each size a taskbar or window switcher asks for, so none has
    // to be scaled.
    for (int size : windowIconSizes) {
        out.push_back({QStringLiteral("icon%1").arg(size), drawIcon(size)});
    }
    for (int size : hicolorSizes) {
        out.push_back({QStringLiteral("hicolor/%1x%1/apps/rakamlik").arg(size), drawIcon(size)});
    }
    return out;
}

namespace {

// Lays out labelled pictures in rows that wrap at the sheet's width, under section headings.
class Sheet {
public:
    static constexpr int width = 1180;
    static constexpr int gap = 16;
    static constexpr int labelHeight = 18;

    void heading(const QString& text) {
        newRow();
        items_.push_back({text, {}, {gap, y_}, true});
        y_ += 28;
    }
    void add(const QString& label, const QImage& image) {
        const int w = std::max(image.width(), 90);
        if (x_ + w > width - gap) {
            newRow();
        }
        items_.push_back({label, image, {x_, y_}, false});
        x_ += w + gap;
        rowHeight_ = std::max(rowHeight_, image.height() + labelHeight);
    }
    QImage render() {
        newRow();
        QImage sheet{width, y_, QImage::Format_ARGB32};
        sheet.fill(QColor{212, 208, 200});
        QPainter p{&sheet};
        QFont font{QStringLiteral("DejaVu Sans")};
        for (const Item& item : items_) {
            font.setBold(item.heading);
            font.setPixelSize(item.heading ? 15 : 11);
            p.setFont(font);
            if (item.heading) {
                p.drawText(QPoint{item.at.x(), item.at.y() + 18}, item.label);
                continue;
            }
            // A checkerboard behind each picture shows its transparent parts.
            const QRect area{item.at, item.image.size()};
            for (int y = area.top(); y <= area.bottom(); y += 4) {
                for (int x = area.left(); x <= area.right(); x += 4) {
                    const bool dark = ((x - area.left()) / 4 + (y - area.top()) / 4) % 2 != 0;
                    p.fillRect(QRect{x, y, 4, 4}.intersected(area),
                               dark ? QColor{150, 150, 150} : QColor{235, 235, 235});
                }
            }
            p.drawImage(item.at, item.image);
            p.drawText(QPoint{item.at.x(), area.bottom() + 14}, item.label);
        }
        return sheet;
    }

private:
    struct Item {
        QString label;
        QImage image;
        QPoint at;
        bool heading;
    };
    void newRow() {
        if (rowHeight_ > 0) {
            y_ += rowHeight_ + gap;
        }
        x_ = gap;
        rowHeight_ = 0;
    }
    std::vector<Item> items_;
    int x_ = gap;
    int y_ = gap;
    int rowHeight_ = 0;
};

} // namespace

QImage drawContactSheet() {
    const std::vector<Picture> pictures = allPictures();
    const auto picturesWhere = [&](auto wanted) {
        std::vector<Picture> chosen;
        std::copy_if(pictures.begin(), pictures.end(), std::back_inserter(chosen), wanted);
        return chosen;
    };
    const auto at2x = [](const Picture& pic) { return pic.name.endsWith(QStringLiteral("@2x")); };
    Sheet sheet;
    const auto section = [&](const QString& title, const QString& prefix) {
        sheet.heading(title + QStringLiteral(" at 1x"));
        for (const Picture& pic : picturesWhere(
                 [&](const Picture& p) { return p.name.startsWith(prefix) && !at2x(p); })) {
            sheet.add(pic.name, pic.image);
        }
        sheet.heading(title + QStringLiteral(" at 2x"));
        for (const Picture& pic : picturesWhere(
                 [&](const Picture& p) { return p.name.startsWith(prefix) && at2x(p); })) {
            sheet.add(pic.name, pic.image);
        }
    };
    section(QStringLiteral("Dial faces"), QStringLiteral("face"));
    section(QStringLiteral("Ledger markers"), QStringLiteral("marker"));
    sheet.heading(QStringLiteral("Window icon: icon16 to icon64, and the hicolor theme sizes"));
    for (const Picture& pic : picturesWhere([](const Picture& p) {
             return p.name.startsWith(QStringLiteral("icon")) ||
                    p.name.startsWith(QStringLiteral("hicolor"));
         })) {
        sheet.add(pic.name.startsWith(QStringLiteral("hicolor"))
                      ? pic.name.section(QLatin1Char('/'), 1, 1)
                      : pic.name,
                  pic.image);
    }
    sheet.heading(QStringLiteral("Backdrop at 1x"));
    sheet.add(QStringLiteral("backdrop"), drawBackdrop(1));
    return sheet.render();
}

} // namespace picgen
