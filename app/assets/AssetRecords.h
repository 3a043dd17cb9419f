// The data of the assets that the asset-file writer stores, as the engine reads them (each
// without its type word, which the container writes): pictures, backdrops, sprites and
// region tables.
#pragma once
#include <cstdint>
#include <vector>

class Region;

const uint32_t kImageAssetType = 0x50414D42u;     // "BMAP"
const uint32_t kBackdropAssetType = 0x4B434142u;  // "BACK"
const uint32_t kSpriteAssetType = 0x54525053u;    // "SPRT"
const uint32_t kWaveChunkType = 0x45564157u;      // "WAVE"
const uint32_t kCompressedWaveType = 0x56415743u; // "CWAV"
const uint32_t kRegionChunkType = 0x6E676572u;    // "regn"

// A picture: raw 16-bit 5-5-5 pixels (decoder slot 0) or data for a decoder.
struct PictureAsset {
    bool keyed = false;
    uint16_t slot = 0;
    uint16_t width = 0;
    uint16_t height = 0;
    uint32_t key = 0xFFFFFFFF;  // 5-5-5, or 0xFFFFFFFF when not keyed
    const uint8_t* pixels = nullptr;
    uint32_t pixelBytes = 0;
};

// One frame of a sprite sequence.
struct SpriteFrame {
    uint32_t picture = 0;  // 1-based asset index of the picture in the same file
    int32_t x = 0;
    int32_t y = 0;
    int16_t moveX = 0;
    int16_t moveY = 0;
    int16_t moveDepthLow = 0;
    int16_t moveDepthHigh = 0;
    uint32_t hold = 1;
    uint32_t sound = 0;  // a complete WAVE asset handle, or 0
};
typedef std::vector<SpriteFrame> SpriteSequence;

// Kind 10 when keyed, else 2; slot; width; height; key; pixel bytes; pixels.
std::vector<uint8_t> PictureAssetData(const PictureAsset& picture);

// A static backdrop of one image that wraps both ways.
std::vector<uint8_t> BackdropAssetData(uint16_t width, uint16_t height, uint16_t image);

// Header with the sequence table at 24 and no frame table; every sequence is followed by
// its own frame records.
std::vector<uint8_t> SpriteAssetData(const std::vector<SpriteSequence>& sequences);

// Origin, two reserved words (0), vertex count, entry count, the vertices, then each
// entry's text (its bytes up to the first zero) as a length and zero-padded words.
std::vector<uint8_t> RegionChunkData(const Region& region);

// The 5-5-5 form of a 0x00RRGGBB colour.
uint32_t PackColourKey(uint32_t rgb);
