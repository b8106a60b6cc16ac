// SPDX-License-Identifier: GPL-3.0-or-later
// The board's backdrop: pale parchment, a fine mottle of beige tones with a few darker fibres.
// The random numbers come from a fixed seed, so every build writes the same bytes.

#include "drawings.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <vector>

namespace picgen {
namespace {

// Marsaglia's xorshift32: small, fast and the same on every platform.
class Xorshift32 {
public:
    explicit Xorshift32(std::uint32_t seed) : state_{seed} {}
    std::uint32_t next() {
        state_ ^= state_ << 13;
        state_ ^= state_ >> 17;
        state_ ^= state_ << 5;
        return state_;
    }
    // A value in [-1, 1].
    double symmetric() { return next() / double{UINT32_MAX} * 2 - 1; }

private:
    std::uint32_t state_;
};

// Smooth random bumps `cell` pixels apart: random heights on a lattice, blended between
// neighbours with a smoothstep.
class ValueNoise {
public:
    ValueNoise(Xorshift32& random, QSize size, int cell)
        : cell_{cell}, columns_{size.width() / cell + 2}, rows_{size.height() / cell + 2},
          heights_(static_cast<std::size_t>(columns_ * rows_)) {
        for (double& h : heights_) {
            h = random.symmetric();
        }
    }
    double at(int x, int y) const {
        const int cx = x / cell_;
        const int cy = y / cell_;
        const double fx = smooth((x % cell_ + 0.5) / cell_);
        const double fy = smooth((y % cell_ + 0.5) / cell_);
        const double top = std::lerp(height(cx, cy), height(cx + 1, cy), fx);
        const double bottom = std::lerp(height(cx, cy + 1), height(cx + 1, cy + 1), fx);
        return std::lerp(top, bottom, fy);
    }

private:
    static double smooth(double t) { return t * t * (3 - 2 * t); }
    double height(int cx, int cy) const {
        return heights_[static_cast<std::size_t>(cy) * static_cast<std::size_t>(columns_) +
                        static_cast<std::size_t>(cx)];
    }
    int cell_;
    int columns_;
    int rows_;
    std::vector<double> heights_;
};

struct Channel {
    double mean;
    double tone;  // how far the mottle moves it
    double grain; // how far the per-pixel grain moves it
    int low;
    int high;
    int at(double t, double g, double fibre) const {
        const double v = mean + tone * t + grain * g - fibre * (mean - low);
        return std::clamp(static_cast<int>(std::lround(v)), low, high);
    }
};

// Red lies close to its top, so it moves less; green and blue have room both ways.
constexpr Channel redChannel{250.1, 4.5, 1.0, 233, 255};
constexpr Channel greenChannel{230.1, 14.0, 2.0, 212, 246};
constexpr Channel blueChannel{177.1, 14.0, 2.0, 159, 193};

} // namespace

QImage drawBackdrop(int scale) {
    const QSize size = QSize{404, 382} * scale;
    Xorshift32 random{scale == 1 ? 0x5eed1u : 0x5eed2u};
    // Cell sizes grow with the scale so both variants show the same mottle at the same size.
    const ValueNoise coarse{random, size, 8 * scale};
    const ValueNoise middle{random, size, 4 * scale};
    const ValueNoise fine{random, size, 2 * scale};

    QImage image{size, QImage::Format_RGB32};
    for (int y = 0; y < size.height(); ++y) {
        auto* line = reinterpret_cast<QRgb*>(image.scanLine(y));
        for (int x = 0; x < size.width(); ++x) {
            const double tone = 0.5 * coarse.at(x, y) + 0.3 * middle.at(x, y) + 0.2 * fine.at(x, y);
            const double grain = random.symmetric();
            // About one pixel in 250 is a darker fibre.
            const double fibre =
                random.next() % 250 == 0 ? 0.4 + 0.5 * (random.next() % 100) / 100.0 : 0.0;
            line[x] = qRgb(redChannel.at(tone, grain, fibre), greenChannel.at(tone, grain, fibre),
                           blueChannel.at(tone, grain, fibre));
        }
    }
    return image;
}

} // namespace picgen
