// ZORUDOR.DLL: the image codec of BMAP decoder slot 1 and the asset writer's encoder.
#include <cstdint>

#include "ZorudorCodec.h"

extern "C" uint32_t __stdcall getType() { return 0x50414D42u; }  // "BMAP"

extern "C" int __stdcall decode(void* dst, const uint8_t* record, uint32_t dstBytes, uint32_t srcBytes) {
    try {
        return zorudor::DecodeRecord(dst, record, dstBytes, srcBytes) ? 1 : 0;
    } catch (...) {
        return 0;
    }
}

extern "C" uint32_t __stdcall encode(uint8_t* record) {
    try {
        return zorudor::EncodeRecord(record);
    } catch (...) {
        return 0;
    }
}
