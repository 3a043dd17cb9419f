// A picture the award card is made of, as the wizard loads it: a bitmap with its
// transparent colour, from a bitmap file, an image asset or a sprite's frame.
#pragma once
#include <windows.h>

#include <cstdint>
#include <string>

#include "Bitmap.h"
#include "Nerine.h"
#include "StyleTables.h"

struct CardPicture {
    Bitmap bitmap;
    bool transparent = false;
    COLORREF key = 0;

    // The picture as the award-card generator receives it.
    AwardImage Image() const;
};

// Image asset `index` of an open asset file as a 15-bit bitmap (plain or compressed).
bool LoadBitmapAsset(CardPicture& picture, int32_t file, int32_t index);
bool LoadBitmapAssetFromFile(CardPicture& picture, const std::string& path, int32_t index);
// The picture of a frame of a sprite asset of an open asset file.
bool LoadSpriteFrameBitmap(CardPicture& picture, int32_t file, int32_t index, int sequence, int frame);
// A picture of the style tables: a bitmap file, or an image asset.
bool LoadArtBitmap(CardPicture& picture, const ArtRef& ref, const std::string& clipArt);
