// Reading the little-endian words of engine asset records.
#pragma once
#include <cstddef>
#include <cstdint>
#include <cstring>

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
