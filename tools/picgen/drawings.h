// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QImage>
#include <QString>

#include <utility>
#include <vector>

// Every picture of the game, drawn from vectors and pixel designs at any whole scale: scale 1 is
// the picture's natural size, scale 2 its sharp variant for dense screens.
namespace picgen {

// One picture file to write: its name without extension ("face3", "marker_1_2", "icon16@2x",
// "hicolor/48x48/apps/rakamlik") and its image.
struct Picture {
    QString name;
    QImage image;
};

// A dial face, 0 (rest) to 7: 109 x 74 times `scale`.
QImage drawFace(int face, int scale);
// The needle of a face, in degrees from pointing left, turning over the top.
double needleAngle(int face);

// A ledger marker with `blue` marks in place and `red` marks elsewhere: 24 * (blue + red) - 1
// by 19, times `scale`.
QImage drawMarker(int blue, int red, int scale);
// The (blue, red) pairs that have a marker: all pairs with one to four marks but (3, 1).
std::vector<std::pair<int, int>> markerPairs();

// The board's parchment backdrop, 404 x 382 times `scale`.
QImage drawBackdrop(int scale);

// The window icon as a square of `size` pixels.
QImage drawIcon(int size);
// The sizes the program offers as its window's icon.
inline constexpr int windowIconSizes[] = {16, 24, 32, 48, 64};
// The sizes a Linux desktop's hicolor icon theme holds.
inline constexpr int hicolorSizes[] = {16, 22, 24, 32, 48, 64, 128, 256};

// Every picture file at 1x and @2x, the window icon's sizes, and the icon theme's.
std::vector<Picture> allPictures();

// An overview of every picture with its name, for people to look at.
QImage drawContactSheet();

} // namespace picgen
