#include "DepthConversion.h"

#include <cstring>
#include <vector>

namespace {

uint8_t Widen5(uint32_t v) { return uint8_t(v << 3 | v >> 2); }
uint8_t Widen6(uint32_t v) { return uint8_t(v << 2 | v >> 4); }

void Expand16(const uint8_t* row, int32_t width, bool is565, uint8_t* bgr) {
    for (int32_t x = 0; x < width; ++x, bgr += 3) {
        const uint32_t p = uint32_t(row[2 * x] | row[2 * x + 1] << 8);
        bgr[0] = Widen5(p & 0x1F);
        if (is565) {
            bgr[1] = Widen6(p >> 5 & 0x3F);
            bgr[2] = Widen5(p >> 11 & 0x1F);
        } else {
            bgr[1] = Widen5(p >> 5 & 0x1F);
            bgr[2] = Widen5(p >> 10 & 0x1F);
        }
    }
}

void Pack16(const uint8_t* bgr, int32_t width, bool is565, uint8_t* row) {
    for (int32_t x = 0; x < width; ++x, bgr += 3) {
        const uint32_t p = is565 ? (bgr[2] >> 3) << 11 | (bgr[1] >> 2) << 5 | bgr[0] >> 3
                                 : (bgr[2] >> 3) << 10 | (bgr[1] >> 3) << 5 | bgr[0] >> 3;
        row[2 * x] = uint8_t(p);
        row[2 * x + 1] = uint8_t(p >> 8);
    }
}

}  // namespace

NearestColour::NearestColour(const ColourEntry* colours) : colours_(colours) { cache_.fill(-1); }

uint8_t NearestColour::Find(uint8_t blue, uint8_t green, uint8_t red) {
    int16_t& known = cache_[(red >> 3) << 10 | (green >> 3) << 5 | blue >> 3];
    if (known >= 0) return uint8_t(known);
    int best = 0;
    int32_t bestDistance = INT32_MAX;
    for (int k = 0; k < 256; ++k) {
        const ColourEntry& c = colours_[k];
        const int32_t db = c.blue - blue, dg = c.green - green, dr = c.red - red;
        const int32_t d = db * db + dg * dg + dr * dr;
        if (d < bestDistance) {
            bestDistance = d;
            best = k;
        }
    }
    known = int16_t(best);
    return uint8_t(best);
}

void RowTo24(const PixelView& view, int32_t y, uint8_t* bgr) {
    const uint8_t* row = view.Row(y);
    switch (view.depth) {
    case 8:
        for (int32_t x = 0; x < view.width; ++x) {
            const ColourEntry& c = view.colours[row[x]];
            bgr[3 * x] = c.blue;
            bgr[3 * x + 1] = c.green;
            bgr[3 * x + 2] = c.red;
        }
        break;
    case 15: Expand16(row, view.width, false, bgr); break;
    case 16: Expand16(row, view.width, true, bgr); break;
    default: std::memcpy(bgr, row, size_t(view.width) * 3); break;
    }
}

void RowFrom24(const PixelView& view, int32_t y, const uint8_t* bgr, NearestColour* nearest) {
    uint8_t* row = view.Row(y);
    switch (view.depth) {
    case 8:
        for (int32_t x = 0; x < view.width; ++x) row[x] = nearest->Find(bgr[3 * x], bgr[3 * x + 1], bgr[3 * x + 2]);
        break;
    case 15: Pack16(bgr, view.width, false, row); break;
    case 16: Pack16(bgr, view.width, true, row); break;
    default: std::memcpy(row, bgr, size_t(view.width) * 3); break;
    }
}

bool ConvertPixels(const PixelView& src, const PixelView& dst) {
    if (src.width != dst.width || src.height != dst.height) return false;
    if ((src.depth == 8 && !src.colours) || (dst.depth == 8 && !dst.colours)) return false;
    std::vector<uint8_t> bgr(size_t(src.width) * 3);
    NearestColour nearest(dst.colours);
    for (int32_t y = 0; y < src.height; ++y) {
        RowTo24(src, y, bgr.data());
        RowFrom24(dst, y, bgr.data(), &nearest);
    }
    return true;
}

uint32_t PixelColour(const PixelView& view, int32_t x, int32_t y) {
    PixelView one = view;
    one.pixels = view.Row(y) + size_t(x) * StoredBits(view.depth) / 8;
    one.width = 1;
    one.height = 1;
    one.topDown = true;
    uint8_t bgr[3];
    RowTo24(one, 0, bgr);
    return uint32_t(bgr[2]) << 16 | uint32_t(bgr[1]) << 8 | bgr[0];
}
