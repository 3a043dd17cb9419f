// BMJPEG.DLL: the image decoder of BMAP decoder slot 2 (pictures stored as JPEG files).
#include <cstdint>

#include "BmjpegDecoder.h"

extern "C" uint32_t __stdcall getType() { return 0x50414D42u; }  // "BMAP"

extern "C" int __stdcall decode(void* dst, const uint8_t* record, uint32_t dstBytes, uint32_t srcBytes) {
    try {
        return bmjpeg::DecodeRecord(dst, record, dstBytes, srcBytes) ? 1 : 0;
    } catch (...) {
        return 0;
    }
}
