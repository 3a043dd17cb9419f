// The work of BMJPEG.DLL (BMAP decoder slot 2): a BMAP record whose pixel data is a whole
// JPEG file, decoded into 16-bit 5-5-5 pixels.
#pragma once
#include <cstdint>

namespace bmjpeg {

// Decodes srcBytes of JPEG data after the record's header into dst (dstBytes of room, rows
// padded to 4 bytes). The JPEG must have the record's width and height.
bool DecodeRecord(void* dst, const uint8_t* record, uint32_t dstBytes, uint32_t srcBytes);

}  // namespace bmjpeg
