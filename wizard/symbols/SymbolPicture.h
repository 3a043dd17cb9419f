// The pictures of the symbols page: a bitmap from a file or the clipboard made into a
// symbol picture (fitted into the reel symbols' 64 by 64 keeping its proportions, centred
// on the colour of its own top-left corner, 15-bit colour), and a gallery picture shown
// with its key colour as white.
#pragma once
#include <windows.h>

#include "Bitmap.h"

const int kSymbolPictureWidth = 64;
const int kSymbolPictureHeight = 64;

// False when the source has no pixels or cannot be scaled.
bool MakeSymbolPicture(const Bitmap& source, Bitmap& picture);

// Every pixel of the key colour (a 15-bit picture) becomes white.
void WhitenKeyColour(Bitmap& picture, COLORREF key);
