// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "design.h"

#include <QFont>

namespace rakamlik {

// The available face that stands in for a designed one, at the designed
// size in logical pixels (points at 96 dots per inch), so every text keeps
// its designed size whatever the screen's dots per inch.
QFont fontFor(const design::Font& font);

// Warns, once for each, of a designed face that the system lacks, naming the Debian package that
// brings it: the game goes on in another face, but some texts may no longer fit their boxes.
void warnOfMissingFaces();

} // namespace rakamlik
