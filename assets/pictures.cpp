#include "assets/pictures.h"

#include <QGuiApplication>
#include <QPixmapCache>

namespace rakamlik::pictures {
namespace {

const QString folder = QStringLiteral(":/pictures/");

bool denseScreen() {
    return qGuiApp != nullptr && qGuiApp->devicePixelRatio() > 1.0;
}

// Loads `name`.png, or its sharper `name`@2x.png on dense screens. QPixmapCache keeps the loaded
// ones, keyed by file, and lets them go with the application.
QPixmap load(const QString& name) {
    const bool sharp = denseScreen();
    const QString file =
        folder + name + (sharp ? QStringLiteral("@2x.png") : QStringLiteral(".png"));
    QPixmap pixmap;
    if (QPixmapCache::find(file, &pixmap)) {
        return pixmap;
    }
    if (!pixmap.load(file)) {
        return {};
    }
    pixmap.setDevicePixelRatio(sharp ? 2.0 : 1.0);
    QPixmapCache::insert(file, pixmap);
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
    // All four files, whatever the screen: the window manager and the taskbar ask for sizes of
    // their own, and QIcon picks the nearest of 16, 32 and 64 pixels.
    QIcon icon;
    for (const char* name : {"icon16", "icon16@2x", "icon32", "icon32@2x"}) {
        icon.addPixmap(QPixmap{folder + QLatin1String(name) + QStringLiteral(".png")});
    }
    return icon;
}

} // namespace rakamlik::pictures
