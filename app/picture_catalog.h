#pragma once

#include "controls.h"
#include "design.h"

namespace rakamlik {

// The picture the design names, ready to show.
Picture pictureFor(const design::PictureRef& ref);

} // namespace rakamlik
