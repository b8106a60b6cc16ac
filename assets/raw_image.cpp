// SPDX-License-Identifier: GPL-3.0-or-later
#include "assets/raw_image.h"

#include <QtEndian>

#include <cstring>

namespace rakamlik::raw {
namespace {

constexpr char magic[4] = {'R', 'K', 'P', 'X'};
constexpr qsizetype headerSize = 16;
// Far beyond any picture of the game; it keeps a corrupt size from asking for gigabytes.
constexpr quint32 maxSide = 4096;

quint32 numberAt(QByteArrayView bytes, qsizetype offset) {
    return qFromLittleEndian<quint32>(bytes.data() + offset);
}

} // namespace

QByteArray encode(const QImage& image) {
    const QImage::Format format =
        image.hasAlphaChannel() ? QImage::Format_ARGB32_Premultiplied : QImage::Format_RGB32;
    const QImage pixels = image.convertToFormat(format);
    const auto width = static_cast<quint32>(pixels.width());
    const auto height = static_cast<quint32>(pixels.height());
    QByteArray out(headerSize + qsizetype{4} * width * height, Qt::Uninitialized);
    char* p = out.data();
    std::memcpy(p, magic, sizeof magic);
    qToLittleEndian<quint32>(width, p + 4);
    qToLittleEndian<quint32>(height, p + 8);
    qToLittleEndian<quint32>(static_cast<quint32>(format), p + 12);
    p += headerSize;
    for (int y = 0; y < pixels.height(); ++y) {
        qToLittleEndian<quint32>(pixels.constScanLine(y), width, p);
        p += qsizetype{4} * width;
    }
    return out;
}

QImage decode(QByteArrayView bytes) {
    if (bytes.size() < headerSize || std::memcmp(bytes.data(), magic, sizeof magic) != 0) {
        return {};
    }
    const quint32 width = numberAt(bytes, 4);
    const quint32 height = numberAt(bytes, 8);
    const quint32 format = numberAt(bytes, 12);
    if (width == 0 || height == 0 || width > maxSide || height > maxSide ||
        (format != QImage::Format_RGB32 && format != QImage::Format_ARGB32_Premultiplied) ||
        bytes.size() != headerSize + qsizetype{4} * width * height) {
        return {};
    }
    QImage image(static_cast<int>(width), static_cast<int>(height),
                 static_cast<QImage::Format>(format));
    if (image.isNull()) { // out of memory
        return {};
    }
    const char* p = bytes.data() + headerSize;
    for (int y = 0; y < image.height(); ++y) {
        qFromLittleEndian<quint32>(p, width, image.scanLine(y));
        p += qsizetype{4} * width;
    }
    return image;
}

} // namespace rakamlik::raw
