// A DISK decoder for the tests: expands (count, byte) pairs.
#include <cstdint>

extern "C" uint32_t __stdcall getType() { return 0x4B534944u; }  // "DISK"

extern "C" int __stdcall decode(uint8_t* dst, const uint8_t* src, uint32_t dstBytes,
                                uint32_t srcBytes) {
    uint32_t out = 0;
    for (uint32_t i = 0; i + 1 < srcBytes; i += 2) {
        for (uint32_t n = src[i]; n > 0; --n) {
            if (out == dstBytes) return 0;
            dst[out++] = src[i + 1];
        }
    }
    return out == dstBytes;
}
