#include "fonts.h"

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

} // namespace rakamlik
