// What the picture probe reads from the data of engine assets: the picture that the first
// frame of a SPRT asset shows, and the size of a BMAP image. Both check the data first, as
// asset files come from anywhere.
#pragma once
#include <cstddef>
#include <cstdint>

#include "PictureProbe.h"

// The asset index (within the sprite's file) of the picture of the first frame of the
// first sequence. False when the data is no SPRT asset, its tables do not lie inside its
// `size` bytes, or it has no frame. Data that the engine has already fixed up (its offsets
// turned into addresses of the data) is read in that form.
bool FirstFramePicture(const uint8_t* data, size_t size, uint32_t assetCount, uint32_t& picture);

// The width and height of a BMAP image of `size` bytes; 0 by 0 for anything else.
PictureSize ImageRecordSize(const uint8_t* data, size_t size);
