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
        // Screen readers hear how far the gauge has run: "7 adımdan 3", three of seven steps.
        return {pictures::face(ref.first), QStringLiteral("7 adımdan %1").arg(ref.first)};
    case Kind::Marker:
        // A marker's words depend on the guess it scores, so the ledger gives them.
        return {pictures::marker(ref.first, ref.second), {}};
    }
    return {};
}

} // namespace rakamlik
