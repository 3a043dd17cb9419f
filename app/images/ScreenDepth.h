// What the display shows and the palettes that 8-bit displays need.
#pragma once
#include <windows.h>

#include "Bitmap.h"

// The display's colour depth: 8, 15 (5-5-5), 16 (5-6-5), 24 or 32; 0 when it cannot be
// told.
int GetScreenDepth();

// A palette for showing the bitmap on an 8-bit display: its 256 colours, the twenty
// static ones as they are and the rest not to be collapsed. Bitmaps of other depths give
// an empty palette of 256 entries. The caller deletes it.
HPALETTE CreateBitmapPalette(const Bitmap& bitmap);
