// The 16 slots of BMAP image decoder plug-ins that encoded pictures name.
#pragma once
#include <windows.h>
#include <cstdint>

typedef uint32_t(__stdcall* DecoderTypeEntry)();
typedef int(__stdcall* DecoderDecodeEntry)(void* dst, const void* src, uint32_t dstBytes,
                                           uint32_t srcBytes);

// Records the error and returns 0 on failure, 1 on success.
int RegisterBitmapDecoder(uint32_t slot, const char* library);
// The decode entry of a slot, or null when the slot is empty or out of range.
DecoderDecodeEntry BitmapDecoderEntry(uint32_t slot);
void ReleaseBitmapDecoders();
