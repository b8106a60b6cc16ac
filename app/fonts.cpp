// SPDX-License-Identifier: GPL-3.0-or-later
#include "fonts.h"

#include <QFontInfo>

#include <cmath>

namespace rakamlik {

namespace {

// The free face that stands in for a designed one, and the Debian package that brings it.
// Liberation Sans has the proportions of the classic sans-serif system face; DejaVu Sans is the
// open face closest to the wide humanist sans of the guess digits; Liberation Serif stands in
// for the serif face.
struct StandIn {
    const char* family;
    const char* package;
};

StandIn standInFor(design::Face face) {
    switch (face) {
    case design::Face::Tahoma:
        return {"DejaVu Sans", "fonts-dejavu-core"};
    case design::Face::Serif:
        return {"Liberation Serif", "fonts-liberation2"};
    case design::Face::SansSerif:
    case design::Face::Small:
        break;
    }
    return {"Liberation Sans", "fonts-liberation2"};
}

} // namespace

QFont fontFor(const design::Font& font) {
    QFont f(QString::fromLatin1(standInFor(font.face).family));
    f.setPixelSize(static_cast<int>(std::lround(font.points * 96.0 / 72.0)));
    f.setBold(font.bold);
    f.setStyleHint(font.face == design::Face::Serif ? QFont::Serif : QFont::SansSerif);
    return f;
}

void warnOfMissingFaces() {
    // Small Fonts shares Liberation Sans with the sans-serif face.
    for (const design::Face face :
         {design::Face::SansSerif, design::Face::Tahoma, design::Face::Serif}) {
        const QFont font = fontFor({face});
        if (QFontInfo(font).family() != font.family()) {
            qWarning("rakamlik: the font \"%s\" is missing, so some texts may not fit; install "
                     "the Debian package %s",
                     qPrintable(font.family()), standInFor(face).package);
        }
    }
}

} // namespace rakamlik
