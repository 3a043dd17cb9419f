// The engine's own picture buffers (BMAP records in the 15-bit screen format, with an
// optional shadow after the pixels, and level masks). They come from the process heap,
// as do the pictures that the blitter's _CreateSurfaceQUORBITMAP@8 makes, so one routine
// frees both.
#pragma once
#include <cstddef>
#include <cstdint>

#include "QuorErrors.h"

// A zeroed picture of width x height, with a zeroed shadow of the same size when asked.
void* NewPictureBuffer(uint16_t width, uint16_t height, bool withShadow);
void* NewLevelMaskBuffer(uint16_t width, uint16_t height);
void FreePictureBuffer(void* buffer);

// Decodes an encoded picture asset of `available` bytes (type word first) into a new
// picture buffer: the asset's colour key is taken and kind flag 8 set when the asset has
// it; a shadow that follows the encoded data is copied after the decoded pixels. Null when
// the record fails its checks (ErrReadFailed), is too large for memory (ErrOutOfMemory),
// or cannot be decoded (the reasons of DecodeBitmapInto); the reason goes to `why` when
// given. Records nothing, so the frame thread can use it.
void* DecodePicture(const void* asset, size_t available, QUORERRS* why = nullptr);
