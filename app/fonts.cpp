// SPDX-License-Identifier: GPL-3.0-or-later
#include "fonts.h"

#include <QFontInfo>

#include <cmath>

namespace rakamlik {

QFont fontFor(const design::Font& font) {
    // Liberation Sans has the proportions of the classic sans-serif system
    // face; DejaVu Sans is the open face closest to the wide humanist sans
    // of the guess digits; Liberation Serif stands in for the serif face.
    const char* family = "Liberation Sans";
    switch (font.face) {
    case design::Face::SansSerif:
    case design::Face::Small:
        break;
    case design::Face::Tahoma:
        family = "DejaVu Sans";
        break;
    case design::Face::Serif:
        family = "Liberation Serif";
        break;
    }
    QFont f(QString::fromLatin1(family));
    f.setPixelSize(static_cast<int>(std::lround(font.points * 96.0 / 72.0)));
    f.setBold(font.bold);
    f.setStyleHint(font.face == design::Face::Serif ? QFont::Serif : QFont::SansSerif);
    return f;
}

void warnOfMissingFaces() {
    const std::pair<design::Face, const char*> faces[] = {
        {design::Face::SansSerif, "fonts-liberation2"},
        {design::Face::Tahoma, "fonts-dejavu-core"},
        {design::Face::Serif, "fonts-liberation2"},
    };
    for (const auto& [face, package] : faces) {
        const QFont font = fontFor({face});
        if (QFontInfo(font).family() != font.family()) {
            qWarning("rakamlik: the font \"%s\" is missing, so some texts may not fit; install "
                     "the Debian package %s",
                     qPrintable(font.family()), package);
        }
    }
}

} // namespace rakamlik
