// The picture coding of ZORUDOR.DLL (BMAP decoder slot 1): lossless packets over the 16-bit
// pixels of a picture. The format is described at the top of ZorudorCodec.cpp.
#pragma once
#include <cstddef>
#include <cstdint>

namespace zorudor {

// Encodes width x height pixels (rows `rowPixels` apart) into `out`. Returns the encoded
// size, or 0 when it would reach `capacity` bytes (nothing is written past it).
size_t EncodePixels(const uint16_t* pixels, uint32_t width, uint32_t height, uint32_t rowPixels,
                    uint8_t* out, size_t capacity);

// Decodes exactly `size` bytes into width x height pixels, rows `rowPixels` apart; row
// padding is zeroed. `dstBytes` is the room at `dst`. False for truncated, corrupt or
// oversized data, in which case the destination holds no meaningful picture.
bool DecodePixels(const uint8_t* data, size_t size, uint32_t width, uint32_t height,
                  uint32_t rowPixels, uint16_t* dst, size_t dstBytes);

// The plug-in entries' work on BMAP records (type word first).
// Replaces the raw pixels of `record` by their encoding and returns its size; 0 when the
// record is not a raw 16-bit picture with all its pixel bytes or the encoding is not smaller.
uint32_t EncodeRecord(uint8_t* record);
// Decodes the pixels of `record` (srcBytes of encoded data) into dst (dstBytes).
bool DecodeRecord(void* dst, const uint8_t* record, uint32_t dstBytes, uint32_t srcBytes);

}  // namespace zorudor
