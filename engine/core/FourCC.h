// Four-letter codes as the engine compares them: the first letter in the lowest byte.
#pragma once
#include <cstdint>

constexpr uint32_t FourCC(const char (&s)[5]) {
    return uint32_t(uint8_t(s[0])) | uint32_t(uint8_t(s[1])) << 8 |
           uint32_t(uint8_t(s[2])) << 16 | uint32_t(uint8_t(s[3])) << 24;
}
static_assert(FourCC("DISK") == 0x4B534944u, "letter order");
static_assert(FourCC("BMAP") == 0x50414D42u, "letter order");
