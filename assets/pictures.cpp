// SPDX-License-Identifier: GPL-3.0-or-later
#include "assets/pictures.h"

#include "assets/raw_image.h"

#include <QGuiApplication>
#include <QPixmapCache>
#include <QResource>
#include <QStringList>

#include <stdexcept>

namespace rakamlik::pictures {
namespace {

const QString folder = QStringLiteral(":/pictures/");

bool denseScreen() {
    return qGuiApp != nullptr && qGuiApp->devicePixelRatio() > 1.0;
}

// The picture in the embedded file `name`.argb, or `name`@2x.argb drawn at double resolution.
QPixmap loadFile(const QString& name, bool sharp) {
    const QString path =
        folder + name + (sharp ? QStringLiteral("@2x.argb") : QStringLiteral(".argb"));
    const QResource file(path);
    const QImage image = file.isValid() ? raw::decode(file.uncompressedData()) : QImage();
    if (image.isNull()) {
        throw std::runtime_error(QStringLiteral("the picture %1 is %2")
                                     .arg(path, file.isValid()
                                                    ? QStringLiteral("damaged")
                                                    : QStringLiteral("missing from the program"))
                                     .toStdString());
    }
    QPixmap pixmap = QPixmap::fromImage(image);
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
    QPixmapCache::insert(key, pixmap);
    return pixmap;
}

} // namespace

QPixmap face(int n) {
    return load(QStringLiteral("face%1").arg(n));
}

QPixmap marker(int blue, int red) {
    if (blue == 0 && red == 0) {
        return {}; // nothing found, nothing shown
    }
    return load(QStringLiteral("marker_%1_%2").arg(blue).arg(red));
}

QPixmap backdrop() {
    return load(QStringLiteral("backdrop"));
}

void checkPresent() {
    QStringList names{QStringLiteral("backdrop")};
    for (int n = 0; n <= 7; ++n) {
        names.append(QStringLiteral("face%1").arg(n));
    }
    for (int blue = 0; blue <= 4; ++blue) {
        for (int red = 0; blue + red <= 4; ++red) {
            if ((blue != 0 || red != 0) && !(blue == 3 && red == 1)) {
                names.append(QStringLiteral("marker_%1_%2").arg(blue).arg(red));
            }
        }
    }
    QStringList files;
    for (const QString& name : std::as_const(names)) {
        files << name + QStringLiteral(".argb") << name + QStringLiteral("@2x.argb");
    }
    for (const int size : {16, 24, 32, 48, 64}) {
        files << QStringLiteral("icon%1.argb").arg(size);
    }
    for (const QString& file : std::as_const(files)) {
        if (!QResource(folder + file).isValid()) {
            throw std::runtime_error(QStringLiteral("the picture %1 is missing from the program")
                                         .arg(folder + file)
                                         .toStdString());
        }
    }
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
