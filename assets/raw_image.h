// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QImage>

// The pictures are built into the program as raw pixels, not PNG: turning them into a pixmap is
// one copy, with no decoder to run and no image plugin to look up while the window starts.
//
// The format: "RKPX", then the width, the height and the pixel format (QImage::Format_RGB32 or
// Format_ARGB32_Premultiplied) as 32-bit little-endian numbers, then the rows top to bottom, each
// pixel a 32-bit little-endian 0xAARRGGBB.
namespace rakamlik::raw {

QByteArray encode(const QImage& image);

// The image `bytes` hold, or a null image when they are not a whole, well-formed picture.
QImage decode(QByteArrayView bytes);

} // namespace rakamlik::raw
