// Reads the pixels of an award-card image of any of its kinds (8 bits with colours, 15,
// 16 or 24 bits; top-down or bottom-up rows), telling its transparent colour apart.
#pragma once
#include <cstdint>

#include "Nerine.h"

struct PixelAverage {
    int red = 0, green = 0, blue = 0;
    int weight = 0;  // 0 (all transparent) to 256 (all opaque)
};

class PictureReader {
public:
    explicit PictureReader(const AwardImage& image);

    bool IsValid() const { return valid_; }
    int Width() const { return width_; }
    int Height() const { return height_; }

    // false for a transparent pixel.
    bool Read(int x, int y, int& red, int& green, int& blue) const;
    // The opaque pixels of the columns [x0, x1) and rows [y0, y1) (each at least one).
    PixelAverage Average(int x0, int x1, int y0, int y1) const;

private:
    const AwardImage& image_;
    bool valid_ = false;
    int width_ = 0, height_ = 0, bits_ = 0;
    int stride_ = 0;
    bool bottomUp_ = false;
    bool keyed_ = false;
    uint32_t key_ = 0;  // the transparent colour as the pixels store it
};
