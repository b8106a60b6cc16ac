// SPDX-License-Identifier: GPL-3.0-or-later
#include "assets/pictures.h"

#include "assets/raw_image.h"

#include <QGuiApplication>
#include <QPixmapCache>
#include <QResource>

namespace rakamlik::pictures {
namespace {

const QString folder = QStringLiteral(":/pictures/");

bool denseScreen() {
    return qGuiApp != nullptr && qGuiApp->devicePixelRatio() > 1.0;
}

// The picture in the embedded file `name`.argb, or `name`@2x.argb drawn at double resolution.
QPixmap loadFile(const QString& name, bool sharp) {
    const QResource file(folder + name +
                         (sharp ? QStringLiteral("@2x.argb") : QStringLiteral(".argb")));
    if (!file.isValid()) {
        return {};
    }
    QPixmap pixmap = QPixmap::fromImage(raw::decode(file.uncompressedData()));
    pixmap.setDevicePixelRatio(sharp ? 2.0 : 1.0);
    return pixmap;
}

// Loads `name`, at double resolution on dense screens. QPixmapCache keeps the loaded ones, keyed
// by resource path and resolution, and lets them go with the application.
QPixmap load(const QString& name) {
    const bool sharp = denseScreen();
    const QString key = folder + name + (sharp ? QStringLiteral("@2x") : QString());
    QPixmap pixmap;
    if (QPixmapCache::find(key, &pixmap)) {
        return pixmap;
    }
    pixmap = loadFile(name, sharp);
    if (!pixmap.isNull()) {
        QPixmapCache::insert(key, pixmap);
    }
    return pixmap;
}

} // namespace

// A picture that doesn't exist (face 8, marker (3, 1), the empty marker (0, 0)) has no file, so it
// loads as a null pixmap.
QPixmap face(int n) {
    return load(QStringLiteral("face%1").arg(n));
}

QPixmap marker(int blue, int red) {
    return load(QStringLiteral("marker_%1_%2").arg(blue).arg(red));
}

QPixmap backdrop() {
    return load(QStringLiteral("backdrop"));
}

QIcon icon() {
    // Each size a window manager, taskbar or window switcher may ask for, once, drawn at that
    // size: none is scaled from another.
    QIcon icon;
    for (const char* name : {"icon16", "icon24", "icon32", "icon48", "icon64"}) {
        icon.addPixmap(loadFile(QLatin1String(name), false));
    }
    return icon;
}

} // namespace rakamlik::pictures
