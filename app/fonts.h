#pragma once

#include "design.h"

#include <QFont>

namespace rakamlik {

// The available face that stands in for a designed one, at the designed
// size in logical pixels (points at 96 dots per inch), so every text keeps
// its designed size whatever the screen's dots per inch.
QFont fontFor(const design::Font& font);

} // namespace rakamlik
