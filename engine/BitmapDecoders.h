// The 16 slots of BMAP image decoder plug-ins that encoded pictures name.
#pragma once
#include <windows.h>
#include <cstddef>
#include <cstdint>

typedef uint32_t(__stdcall* DecoderTypeEntry)();
typedef int(__stdcall* DecoderDecodeEntry)(void* dst, const void* src, uint32_t dstBytes,
                                           uint32_t srcBytes);

// Records the error and returns 0 on failure, 1 on success.
int RegisterBitmapDecoder(uint32_t slot, const char* library);
// The decode entry of a slot, or null when the slot is empty or out of range.
DecoderDecodeEntry BitmapDecoderEntry(uint32_t slot);
void ReleaseBitmapDecoders();

// Decodes the encoded picture record `src` (type word first) into the pixels of the
// picture buffer `dst`, which must have the same width and height and room for all their
// pixels. A record naming slot 0 is never decoded; a slot of 16 or more, or an empty one,
// records ErrBadDecoderSlot. Returns the decoder's result, 0 on any failure.
int DecodeBitmap(const void* src, void* dst);
// The same into bare pixels: dstBytes of room at dstPixels, rows padded to 4 bytes.
int DecodeBitmapPixels(void* dstPixels, uint32_t dstBytes, const void* src);
