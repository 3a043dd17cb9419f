// Turning pictures into the engine's form: 16-bit 5-5-5 top-down DIB sections, and the
// colour key that a picture's key pixel gives.
#pragma once
#include <windows.h>

#include <cstdint>
#include <memory>
#include <string>

class Bitmap;

// The part of `source` as a 5-5-5 top-down bitmap of the part's size; null when the
// section cannot be made.
std::unique_ptr<Bitmap> MakeEnginePicture(const Bitmap& source, const RECT& part);

// Loads a .bmp file and takes the crop rectangle when there is one, else the picture
// inset by one pixel on every side when `inset` is set, else all of it. The 0x00RRGGBB
// colour of the file's key pixel goes to `key` when it is not null. Throws "Cant open " or
// "Bad DIB Section " followed by the file name, the picture file text (PictureNotReadText)
// for a file that is not read, or "Can't read " and the name for an empty crop.
std::unique_ptr<Bitmap> LoadBmpAsDib16(const std::string& name, const RECT* crop, bool inset, uint32_t* key);

// The 0x00RRGGBB colour of the key pixel, the top-left one, of an 8, 15, 16 or 24-bit
// bitmap.
uint32_t GetColorKey(const Bitmap& bitmap);
