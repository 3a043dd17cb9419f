#include "BmjpegDecoder.h"

#include <cstring>

#include "ImageRecord.h"

#define STBI_ONLY_JPEG
#define STBI_NO_STDIO
#define STBI_MAX_DIMENSIONS 65535
#define STB_IMAGE_STATIC
#define STB_IMAGE_IMPLEMENTATION
#include <stb_image.h>

namespace bmjpeg {

bool DecodeRecord(void* dst, const uint8_t* record, uint32_t dstBytes, uint32_t srcBytes) {
    if (!dst || !record || srcBytes == 0 || srcBytes > 0x7FFFFFFFu) return false;
    quor::ImageHeader h;
    std::memcpy(&h, record, sizeof h);
    if (h.type != quor::kBmapType || h.kind == quor::KindLevelMask) return false;
    const uint32_t rowBytes = quor::RowBytes(h.width, 2);
    if (uint64_t(rowBytes) * h.height > dstBytes) return false;

    int width = 0, height = 0, channels = 0;
    stbi_uc* rgb = stbi_load_from_memory(record + sizeof h, int(srcBytes), &width, &height, &channels, 3);
    if (!rgb) return false;
    const bool fits = width == h.width && height == h.height;
    if (fits) {
        uint8_t* out = static_cast<uint8_t*>(dst);
        for (int y = 0; y < height; ++y) {
            uint16_t* row = reinterpret_cast<uint16_t*>(out + size_t(y) * rowBytes);
            const stbi_uc* s = rgb + size_t(y) * width * 3;
            for (int x = 0; x < width; ++x, s += 3)
                row[x] = uint16_t((s[0] >> 3) << 10 | (s[1] >> 3) << 5 | (s[2] >> 3));
            std::memset(out + size_t(y) * rowBytes + size_t(width) * 2, 0, rowBytes - size_t(width) * 2);
        }
    }
    stbi_image_free(rgb);
    return fits;
}

}  // namespace bmjpeg
