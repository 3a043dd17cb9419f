// One picture of an AssetBuilder: a 5-5-5 top-down DIB section, or data that is already
// encoded or comes from another asset file.
#pragma once
#include <cstdint>
#include <memory>
#include <vector>

#include "AssetBuilder.h"
#include "Bitmap.h"

struct AssetBuilder::ImageEntry {
    ImageSource source;
    std::unique_ptr<Bitmap> dib;
    std::vector<uint8_t> data;
    // The picture's size as it was read; Write refuses one that 16 bits cannot hold.
    int32_t width = 0;
    int32_t height = 0;
    uint32_t key = 0;  // 0x00RRGGBB with a DIB section, else the 5-5-5 key as stored
    bool keyed = false;
    uint16_t slot = 0;  // 0 raw, 1 encoded by the codec plug-in, 2 JPEG
    uint32_t rawSize = 0;

    const uint8_t* Pixels() const { return dib ? dib->Pixels() : data.data(); }
    uint32_t PixelBytes() const { return dib ? rawSize : uint32_t(data.size()); }
    uint32_t StoredKey() const { return dib ? PackColourKey(key) : key; }
};
