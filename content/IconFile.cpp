#include "IconFile.h"

#include "SoundImage.h"

namespace content {

namespace {

using aulo::AppendLE16;
using aulo::AppendLE32;

// The bitmap of one image: header, colours bottom-up, AND mask (1 = transparent).
std::vector<uint8_t> ImageBits(const IconImage& image) {
    const int32_t n = image.size;
    std::vector<uint8_t> v;
    for (uint32_t x : {40u, uint32_t(n), uint32_t(n * 2)}) AppendLE32(v, x);
    AppendLE16(v, 1);
    AppendLE16(v, 32);
    for (int i = 0; i < 6; ++i) AppendLE32(v, 0);
    for (int32_t y = n - 1; y >= 0; --y)
        for (int32_t x = 0; x < n; ++x) AppendLE32(v, image.pixels[size_t(y * n + x)]);
    const int32_t maskRow = ((n + 31) / 32) * 4;
    for (int32_t y = n - 1; y >= 0; --y) {
        std::vector<uint8_t> row(size_t(maskRow), 0);
        for (int32_t x = 0; x < n; ++x)
            if ((image.pixels[size_t(y * n + x)] >> 24) == 0) row[size_t(x / 8)] |= uint8_t(0x80 >> (x % 8));
        v.insert(v.end(), row.begin(), row.end());
    }
    return v;
}

// The directory (type 1 icon, 2 cursor) and the images; for a cursor the two words of
// each entry hold the hot spot instead of planes and depth.
std::vector<uint8_t> Directory(const std::vector<IconImage>& images, uint16_t type, uint16_t a, uint16_t b) {
    std::vector<std::vector<uint8_t>> bits;
    for (const IconImage& image : images) bits.push_back(ImageBits(image));
    std::vector<uint8_t> v;
    AppendLE16(v, 0);
    AppendLE16(v, type);
    AppendLE16(v, uint16_t(images.size()));
    uint32_t offset = uint32_t(6 + 16 * images.size());
    for (size_t i = 0; i < images.size(); ++i) {
        v.push_back(uint8_t(images[i].size & 0xFF));
        v.push_back(uint8_t(images[i].size & 0xFF));
        v.push_back(0);
        v.push_back(0);
        AppendLE16(v, a);
        AppendLE16(v, b);
        AppendLE32(v, uint32_t(bits[i].size()));
        AppendLE32(v, offset);
        offset += uint32_t(bits[i].size());
    }
    for (const auto& b2 : bits) v.insert(v.end(), b2.begin(), b2.end());
    return v;
}

}  // namespace

std::vector<uint8_t> IconFileImage(const std::vector<IconImage>& images) { return Directory(images, 1, 1, 32); }

std::vector<uint8_t> CursorFileImage(const IconImage& image, uint16_t hotX, uint16_t hotY) {
    return Directory({image}, 2, hotX, hotY);
}

}  // namespace content
