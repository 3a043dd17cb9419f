// The 16 slots of BMAP image decoder plug-ins that encoded pictures name.
#pragma once
#include <cstddef>
#include <cstdint>

#include "DecoderRegistry.h"
#include "QuorErrors.h"

// 1, or raises the registry's error; a library of the same name in its slot again is a
// success.
int RegisterBitmapDecoder(uint32_t slot, const char* library);
// The decode entry of a slot, or null when the slot is empty or out of range.
DecoderDecodeEntry BitmapDecoderEntry(uint32_t slot);
void ReleaseBitmapDecoders();

// Decodes the encoded picture record `src` (type word first, its pixel bytes readable)
// into dstBytes of room at dstPixels, rows padded to 4 bytes. Records nothing, so the
// frame thread can use it: QuorOk, or ErrNullArgument, ErrWrongKind (not an encoded
// picture: slot 0 or not "BMAP"), ErrBadDecoderSlot (slot 16 or more, or empty),
// ErrBufferTooSmall (the room is below the picture's decoded size) or ErrReadFailed (the
// decoder refused the data).
QUORERRS DecodeBitmapInto(void* dstPixels, uint64_t dstBytes, const void* src);
// The same for the host (service 11): 1 on success, else 0 with ErrNullArgument or
// ErrBadDecoderSlot recorded when that was the reason.
int DecodeBitmapPixels(void* dstPixels, uint32_t dstBytes, const void* src);
