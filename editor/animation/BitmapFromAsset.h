// The picture of an image asset ('BMAP') of an asset file as a 16-bit top-down bitmap,
// raw or through the engine's decoder, with the asset's colour-key flag.
#pragma once
#include <cstdint>
#include <string>

class Bitmap;

// The file handle is an open asset file's; false when the asset cannot be loaded or
// locked or is no image.
bool BitmapFromAsset(int32_t file, uint32_t asset, Bitmap& out, bool& transparent);
// Opens the asset file by name for the one picture and closes it again.
bool BitmapFromAssetFile(const std::string& fileName, uint32_t asset, Bitmap& out, bool& transparent);
