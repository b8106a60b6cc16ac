// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QIcon>
#include <QPixmap>

// The game's pictures, built into the program. Each pixmap comes at double resolution (device
// pixel ratio 2) when the application's device pixel ratio is above 1, so its
// deviceIndependentSize() is always the natural size given below. Call from the GUI thread, after
// the QGuiApplication exists.
//
// A picture is a part of the program: one that is missing, or that does not decode, is a fault
// of the build, and asking for it throws std::runtime_error naming it, for the fatal-error report.
// So does asking for a picture there is none of (face 8, a marker of five marks).
namespace rakamlik::pictures {

// The dial's faces: 0 is the rest face, 1..7 the steps. 109 x 74 logical pixels.
QPixmap face(int n);
// A ledger marker with `blue` marks in place and `red` marks elsewhere, at most four in all and
// never three blue and one red; a null pixmap for (0, 0), which shows nothing.
QPixmap marker(int blue, int red);
// The board's parchment backdrop, 404 x 382 logical pixels.
QPixmap backdrop();
// The window icon at 16, 24, 32, 48 and 64 px.
QIcon icon();

// Throws std::runtime_error, naming it, for a picture that is missing from the program. Cheap, so
// that start-up finds a faulty build at once, before the picture is first shown; whether each
// decodes is found as it is first loaded.
void checkPresent();

} // namespace rakamlik::pictures
