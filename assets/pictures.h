// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QIcon>
#include <QPixmap>

// The game's pictures, built into the program. Each pixmap comes at double resolution (device
// pixel ratio 2) when the application's device pixel ratio is above 1, so its
// deviceIndependentSize() is always the natural size given below. Call from the GUI thread, after
// the QGuiApplication exists.
namespace rakamlik::pictures {

// The dial's faces: 0 is the rest face, 1..7 the steps. 109 x 74 logical pixels.
QPixmap face(int n);
// A ledger marker with `blue` marks in place and `red` marks elsewhere; a null pixmap for (0, 0).
QPixmap marker(int blue, int red);
// The board's parchment backdrop, 404 x 382 logical pixels.
QPixmap backdrop();
// The window icon at 16, 24, 32, 48 and 64 px.
QIcon icon();

} // namespace rakamlik::pictures
