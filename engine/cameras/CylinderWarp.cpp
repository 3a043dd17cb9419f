#include "CylinderWarp.h"

#include <cmath>

namespace {
const double kTwoPi = 6.28318530718;
}  // namespace

CylinderWarp::CylinderWarp(double circumference, int32_t centreRow, int32_t startColumn, int32_t mode)
    : step_(circumference > 0 ? kTwoPi / circumference : 0), centreRow_(centreRow),
      startColumn_(startColumn), mode_(mode) {}

void CylinderWarp::Prepare(int32_t width, int32_t height, double scale) {
    if (width == width_ && height == height_ && scale == scale_) return;
    width_ = width;
    height_ = height;
    scale_ = scale;
    steps_.assign(size_t(width > 0 ? width : 0), int64_t(1) << 32);
    // Each column's angle is its distance from the middle in steps, the same on both
    // sides, so the table is mirrored about the centre.
    for (int32_t c = 0; c < width; ++c) {
        double factor = std::cos(std::fabs(c + 0.5 - width / 2.0) * step_) * scale;
        // A column at right angles (or beyond) would need infinitely many rows.
        if (factor < 1.0 / 64) factor = 1.0 / 64;
        steps_[size_t(c)] = int64_t(std::ldexp(1.0 / factor, 32));
    }
}

void CylinderWarp::Resample(const uint16_t* src, int32_t srcRowPixels, uint16_t* dst, int32_t dstRowPixels) const {
    if (width_ <= 0 || height_ <= 0) return;
    const int32_t centre = centreRow_ >= 0 && centreRow_ < height_ ? centreRow_ : height_ / 2;
    int32_t column = ((startColumn_ % width_) + width_) % width_;
    for (int32_t c = 0; c < width_; ++c, column = column + 1 == width_ ? 0 : column + 1) {
        const int64_t step = steps_[size_t(c)];
        // The centre row stays where it is; rows above and below spread out from it.
        int64_t row = (int64_t(centre) << 32) - int64_t(centre) * step + (mode_ == 0 ? int64_t(1) << 31 : 0);
        for (int32_t y = 0; y < height_; ++y, row += step) {
            uint16_t out = 0;
            const int64_t whole = row >> 32;
            if (row >= 0 && whole < height_) {
                const uint16_t a = src[whole * srcRowPixels + column];
                if (mode_ == 1 && whole + 1 < height_) {
                    const int quarter = int((row >> 30) & 3);
                    out = BlendQuarter(a, src[(whole + 1) * srcRowPixels + column], quarter);
                } else {
                    out = a;
                }
            }
            dst[int64_t(y) * dstRowPixels + c] = out;
        }
    }
}
