#include "PictureReader.h"

namespace {

int BitsOfKind(uint32_t kind)
{
    switch (kind & kAwardKindMask) {
    case 0: return 8;
    case 2: return 15;
    case 3: return 16;
    case 4: return 24;
    default: return 0;
    }
}

// The colour as a pixel of that depth stores it.
uint32_t Stored(COLORREF c, int bits)
{
    const uint32_t r = GetRValue(c), g = GetGValue(c), b = GetBValue(c);
    if (bits == 15)
        return (r >> 3) << 10 | (g >> 3) << 5 | b >> 3;
    if (bits == 16)
        return (r >> 3) << 11 | (g >> 2) << 5 | b >> 3;
    return r << 16 | g << 8 | b;
}

}  // namespace

PictureReader::PictureReader(const AwardImage& image) : image_(image)
{
    bits_ = BitsOfKind(image.kind);
    width_ = image.rect.right - image.rect.left;
    height_ = image.rect.bottom - image.rect.top;
    if (height_ < 0)
        height_ = -height_;
    if (bits_ == 0 || width_ <= 0 || height_ <= 0 || image.pixels == nullptr || image.info == nullptr)
        return;
    const int stored = bits_ == 15 ? 16 : bits_;
    stride_ = (width_ * stored + 31) / 32 * 4;
    bottomUp_ = image.info->bmiHeader.biHeight > 0;
    keyed_ = (image.kind & kAwardTransparent) != 0;
    key_ = Stored(image.transparent, bits_);
    valid_ = true;
}

bool PictureReader::Read(int x, int y, int& red, int& green, int& blue) const
{
    const uint8_t* row = static_cast<const uint8_t*>(image_.pixels) + (bottomUp_ ? height_ - 1 - y : y) * stride_;
    uint32_t value = 0;
    if (bits_ == 8) {
        const RGBQUAD& c = image_.info->bmiColors[row[x]];
        red = c.rgbRed, green = c.rgbGreen, blue = c.rgbBlue;
        value = uint32_t(red) << 16 | uint32_t(green) << 8 | blue;
    } else if (bits_ == 24) {
        const uint8_t* p = row + 3 * x;
        blue = p[0], green = p[1], red = p[2];
        value = uint32_t(red) << 16 | uint32_t(green) << 8 | blue;
    } else {
        value = uint32_t(row[2 * x] | row[2 * x + 1] << 8);
        if (bits_ == 15) {
            value &= 0x7FFF;
            red = (value >> 10 & 31) * 255 / 31, green = (value >> 5 & 31) * 255 / 31, blue = (value & 31) * 255 / 31;
        } else {
            red = (value >> 11 & 31) * 255 / 31, green = (value >> 5 & 63) * 255 / 63, blue = (value & 31) * 255 / 31;
        }
    }
    return !(keyed_ && value == key_);
}

PixelAverage PictureReader::Average(int x0, int x1, int y0, int y1) const
{
    if (x1 <= x0)
        x1 = x0 + 1;
    if (y1 <= y0)
        y1 = y0 + 1;
    int sum[3] = {}, opaque = 0, total = 0;
    for (int y = y0; y < y1 && y < height_; ++y)
        for (int x = x0; x < x1 && x < width_; ++x) {
            int r, g, b;
            ++total;
            if (!Read(x, y, r, g, b))
                continue;
            sum[0] += r, sum[1] += g, sum[2] += b;
            ++opaque;
        }
    PixelAverage average;
    if (opaque == 0)
        return average;
    average.red = sum[0] / opaque, average.green = sum[1] / opaque, average.blue = sum[2] / opaque;
    average.weight = opaque * 256 / total;
    return average;
}
