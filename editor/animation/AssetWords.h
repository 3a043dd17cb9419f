// Reading the little-endian words of engine asset records, and checking that a record
// holds what its words say before it is read.
#pragma once
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <string>

inline uint16_t AssetWord16(const uint8_t* data, size_t offset) {
    uint16_t value;
    std::memcpy(&value, data + offset, sizeof value);
    return value;
}

inline uint32_t AssetWord32(const uint8_t* data, size_t offset) {
    uint32_t value;
    std::memcpy(&value, data + offset, sizeof value);
    return value;
}

// An image asset ('BMAP'): the type word, the flags at 4, the compression at 6 (0 raw),
// width and height at 8 and 10, the pixels from 20, 16-bit rows padded to 4 bytes.
const size_t kImageHeaderBytes = 20;

// Why an image asset of `size` bytes (the type word included) cannot be read, empty when
// it can: its header, and for a raw picture every row of its pixels, must lie within it.
inline std::string ImageAssetFault(const uint8_t* data, size_t size) {
    if (size < kImageHeaderBytes)
        return "The picture asset is cut short: " + std::to_string(size) + " bytes, too few for its header.";
    const uint32_t width = AssetWord16(data, 8), height = AssetWord16(data, 10);
    if (width == 0 || height == 0) return "The picture asset has no pixels (its size is 0).";
    if (AssetWord16(data, 6) != 0) return std::string();  // the decoder is given the size it may fill
    const size_t needed = kImageHeaderBytes + size_t((width * 2 + 3) & ~3u) * height;
    if (size >= needed) return std::string();
    return "The picture asset is cut short: its picture of " + std::to_string(width) + " x " +
           std::to_string(height) + " needs " + std::to_string(needed) + " bytes, and it has " +
           std::to_string(size) + ".";
}
