// The picture of an image asset ('BMAP') of an asset file as a 15-bit top-down bitmap,
// raw or through the engine's decoder, with the asset's colour-key flag.
#pragma once
#include <cstdint>
#include <string>

class Bitmap;

// The file handle is an open asset file's; false when the asset cannot be loaded or
// locked, is no image, or is shorter than its picture (ImageAssetFault); then the error,
// when asked for, says why.
bool BitmapFromAsset(int32_t file, uint32_t asset, Bitmap& out, bool& transparent, std::string* error = nullptr);
// Opens the asset file by name for the one picture and closes it again.
bool BitmapFromAssetFile(const std::string& fileName, uint32_t asset, Bitmap& out, bool& transparent,
                         std::string* error = nullptr);
// The bytes of a locked asset, its type word included (0 when the engine does not say).
size_t LockedAssetSize(uint32_t handle);
