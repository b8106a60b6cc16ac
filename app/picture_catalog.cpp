#include "picture_catalog.h"

#include "assets/pictures.h"

namespace rakamlik {

Picture pictureFor(const design::PictureRef& ref) {
    using Kind = design::PictureRef::Kind;
    switch (ref.kind) {
    case Kind::None:
        break;
    case Kind::Backdrop:
        return {pictures::backdrop(), {}};
    case Kind::Face:
        // Screen readers hear how far the gauge has run: "3/7".
        return {pictures::face(ref.first), QStringLiteral("%1/7").arg(ref.first)};
    case Kind::Marker: {
        // The customary notation of the game: "+2 -1" for two digits in
        // place and one elsewhere.
        QStringList marks;
        if (ref.first > 0) {
            marks << QStringLiteral("+%1").arg(ref.first);
        }
        if (ref.second > 0) {
            marks << QStringLiteral("-%1").arg(ref.second);
        }
        return {pictures::marker(ref.first, ref.second), marks.join(u' ')};
    }
    }
    return {};
}

} // namespace rakamlik
