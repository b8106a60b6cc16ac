// SPDX-License-Identifier: GPL-3.0-or-later
// picgen: draws every picture of the game and writes them as PNG files, and as the raw pixels the
// program embeds.
//
//   picgen <folder>                   writes name.png, name@2x.png, name.argb and name@2x.argb for
//                                     every picture (the window icon's sizes without @2x), and
//                                     the icon theme's hicolor/<N>x<N>/apps/rakamlik.png
//   picgen --contact-sheet <file.png> writes one sheet showing every picture with its name

#include "drawings.h"

#include "assets/raw_image.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QGuiApplication>

#include <cstdio>

namespace {

bool save(const QImage& image, const QString& path) {
    if (!QDir{}.mkpath(QFileInfo{path}.absolutePath()) || !image.save(path, "PNG")) {
        std::fprintf(stderr, "picgen: cannot write %s\n", qPrintable(path));
        return false;
    }
    return true;
}

bool saveRaw(const QImage& image, const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(rakamlik::raw::encode(image)) < 0 ||
        !file.flush()) {
        std::fprintf(stderr, "picgen: cannot write %s\n", qPrintable(path));
        return false;
    }
    return true;
}

int usage() {
    std::fprintf(stderr, "usage: picgen <output folder>\n"
                         "       picgen --contact-sheet <file.png>\n");
    return 2;
}

} // namespace

int main(int argc, char* argv[]) {
    if (argc == 2 && argv[1][0] != '-') {
        const QString folder = QString::fromLocal8Bit(argv[1]);
        for (const picgen::Picture& picture : picgen::allPictures()) {
            const QString path = folder + QLatin1Char('/') + picture.name;
            if (!save(picture.image, path + QStringLiteral(".png"))) {
                return 1;
            }
            // The icon theme's files are for the desktop, not the program.
            if (!picture.name.startsWith(QStringLiteral("hicolor/")) &&
                !saveRaw(picture.image, path + QStringLiteral(".argb"))) {
                return 1;
            }
        }
        return 0;
    }
    if (argc == 3 && qstrcmp(argv[1], "--contact-sheet") == 0) {
        // Only the sheet's labels need fonts, and fonts need a GUI application; no display is
        // needed.
        if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
            qputenv("QT_QPA_PLATFORM", "offscreen");
        }
        const QGuiApplication app{argc, argv};
        return save(picgen::drawContactSheet(), QString::fromLocal8Bit(argv[2])) ? 0 : 1;
    }
    return usage();
}
