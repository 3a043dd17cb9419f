#include "SpriteAssetReading.h"

#include <cstring>

#include "ImageRecord.h"
#include "SprtAsset.h"

namespace {

uint32_t Word(const uint8_t* p, size_t offset) {
    uint32_t v;
    std::memcpy(&v, p + offset, 4);
    return v;
}

uint16_t HalfWord(const uint8_t* p, size_t offset) {
    uint16_t v;
    std::memcpy(&v, p + offset, 2);
    return v;
}

}  // namespace

bool FirstFramePicture(const uint8_t* data, size_t size, uint32_t assetCount, uint32_t& picture) {
    if (!data || size < quor::kSprtHeaderBytes || Word(data, 0) != quor::kSprtType) return false;
    // Fixed-up tables hold the data's 32-bit address plus the offset.
    const uint32_t bias = Word(data, 4) ? uint32_t(uintptr_t(data)) : 0;
    if (!quor::CheckSprt(data, size, bias, assetCount)) return false;
    if (Word(data, 8) == 0) return false;
    const uint32_t sequence = Word(data, Word(data, 12) - bias) - bias;
    if (Word(data, sequence) == 0) return false;
    const uint32_t frame = Word(data, sequence + 4) - bias;
    picture = Word(data, frame) & 0xFFFFFFu;
    return true;
}

PictureSize ImageRecordSize(const uint8_t* data, size_t size) {
    if (!data || size < 12 || Word(data, 0) != quor::kBmapType) return PictureSize();
    return PictureSize{HalfWord(data, 8), HalfWord(data, 10)};
}
