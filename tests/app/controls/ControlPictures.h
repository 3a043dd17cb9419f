// Asset data for the sprite control tests and their demo: level pictures and SPRT data
// that shows pictures in order.
#pragma once
#include <cstdint>
#include <vector>

#include "AssetFileBuilder.h"
#include "ImageRecord.h"
#include "SprtAssetBuilder.h"
#include "TempAssetFile.h"

const uint32_t kSprtType = 0x54525053u, kBmapType = 0x50414D42u;

// A level picture's data after its type word, with the given pixels row by row.
inline std::vector<uint8_t> LevelPictureData(uint16_t w, uint16_t h, const std::vector<uint8_t>& pixels) {
    const uint32_t row = quor::RowBytes(w, 1);
    std::vector<uint8_t> v;
    AppendLE16(v, quor::KindLevelMask);
    AppendLE16(v, 0);
    AppendLE16(v, w);
    AppendLE16(v, h);
    AppendLE32(v, 0);
    AppendLE32(v, row * h);
    for (uint32_t y = 0; y < h; ++y)
        for (uint32_t x = 0; x < row; ++x) v.push_back(x < w ? pixels[y * w + x] : 0);
    return v;
}

// SPRT data of one sequence that shows the pictures in order.
inline std::vector<uint8_t> FramesOf(uint32_t firstPicture, uint32_t count) {
    SprtAssetBuilder b;
    std::vector<uint32_t> order;
    for (uint32_t i = 0; i < count; ++i) {
        SprtFrameSpec f;
        f.picture = firstPicture + i;
        b.Frame(f);
        order.push_back(i);
    }
    return b.Sequence(order).BuildData();
}

