#include "AssetRecords.h"

#include <cstring>

#include "Region.h"

namespace {

void Put16(std::vector<uint8_t>& v, uint32_t x) {
    v.push_back(uint8_t(x));
    v.push_back(uint8_t(x >> 8));
}
void Put32(std::vector<uint8_t>& v, uint32_t x) {
    Put16(v, x);
    Put16(v, x >> 16);
}
void Set32(std::vector<uint8_t>& v, size_t at, uint32_t x) { std::memcpy(&v[at], &x, 4); }

void PutFrame(std::vector<uint8_t>& v, const SpriteFrame& f) {
    Put32(v, f.picture);
    Put32(v, 0);
    Put32(v, uint32_t(f.x));
    Put32(v, uint32_t(f.y));
    Put16(v, uint16_t(f.moveX));
    Put16(v, uint16_t(f.moveY));
    Put16(v, uint16_t(f.moveDepthLow));
    Put16(v, uint16_t(f.moveDepthHigh));
    Put32(v, f.hold);
    Put32(v, f.sound);
}

// Offsets in the SPRT data count from the type word, four bytes before the data.
uint32_t FromTypeWord(const std::vector<uint8_t>& v) { return uint32_t(v.size() + 4); }

}  // namespace

uint32_t PackColourKey(uint32_t rgb) {
    return (rgb >> 19 & 0x1F) << 10 | (rgb >> 11 & 0x1F) << 5 | (rgb >> 3 & 0x1F);
}

std::vector<uint8_t> PictureAssetData(const PictureAsset& p) {
    std::vector<uint8_t> v;
    v.reserve(16 + p.pixelBytes);
    Put16(v, p.keyed ? 10 : 2);
    Put16(v, p.slot);
    Put16(v, p.width);
    Put16(v, p.height);
    Put32(v, p.keyed ? p.key : 0xFFFFFFFFu);
    Put32(v, p.pixelBytes);
    if (p.pixelBytes) v.insert(v.end(), p.pixels, p.pixels + p.pixelBytes);
    return v;
}

std::vector<uint8_t> BackdropAssetData(uint16_t width, uint16_t height, uint16_t image) {
    std::vector<uint8_t> v;
    for (uint32_t word : {0xC000u, 1u, 1u, uint32_t(width), uint32_t(height), uint32_t(image)}) Put16(v, word);
    return v;
}

std::vector<uint8_t> SpriteAssetData(const std::vector<SpriteSequence>& sequences) {
    std::vector<uint8_t> v;
    Put32(v, 0);  // not fixed up
    Put32(v, uint32_t(sequences.size()));
    Put32(v, 24);
    Put32(v, 0);
    Put32(v, 0);
    const size_t table = v.size();
    v.resize(table + 4 * sequences.size());
    for (size_t s = 0; s < sequences.size(); ++s) {
        const SpriteSequence& frames = sequences[s];
        Set32(v, table + 4 * s, FromTypeWord(v));
        Put32(v, uint32_t(frames.size()));
        const size_t offsets = v.size();
        v.resize(offsets + 4 * frames.size());
        for (size_t f = 0; f < frames.size(); ++f) {
            Set32(v, offsets + 4 * f, FromTypeWord(v));
            PutFrame(v, frames[f]);
        }
    }
    return v;
}

std::vector<uint8_t> RegionChunkData(const Region& region) {
    std::vector<uint8_t> v;
    Put32(v, uint32_t(region.originX));
    Put32(v, uint32_t(region.originY));
    Put32(v, 0);
    Put32(v, 0);
    Put32(v, uint32_t(region.vertices.size()));
    Put32(v, uint32_t(region.entries.size()));
    for (const Point& p : region.vertices) {
        Put32(v, uint32_t(p.x));
        Put32(v, uint32_t(p.y));
    }
    for (const auto& entry : region.entries) {
        const size_t length = strnlen(reinterpret_cast<const char*>(entry.data()), entry.size());
        Put32(v, uint32_t(length));
        const size_t at = v.size();
        v.resize(at + (length + 3) / 4 * 4, 0);
        std::memcpy(&v[at], entry.data(), length);
    }
    return v;
}
