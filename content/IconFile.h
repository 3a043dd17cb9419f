// Icon (.ico) and cursor (.cur) files: a directory of images, each a 32-bit bottom-up
// device-independent bitmap of twice the height (colours, then the 1-bit AND mask).
#pragma once
#include <cstdint>
#include <vector>

namespace content {

// A square picture of top-down BGRA pixels; alpha 0 is transparent.
struct IconImage {
    int32_t size = 32;
    std::vector<uint32_t> pixels;
};

std::vector<uint8_t> IconFileImage(const std::vector<IconImage>& images);
std::vector<uint8_t> CursorFileImage(const IconImage& image, uint16_t hotX, uint16_t hotY);

}  // namespace content
