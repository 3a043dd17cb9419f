#include "EnginePicture.h"

#include <cstdio>
#include <stdexcept>

#include "Bitmap.h"
#include "DepthConversion.h"
#include "PictureFileText.h"

std::unique_ptr<Bitmap> MakeEnginePicture(const Bitmap& source, const RECT& part) {
    Bitmap converted(source);
    if (!converted.StretchInto(15)) return nullptr;
    std::unique_ptr<Bitmap> picture(new Bitmap(part.right - part.left, part.bottom - part.top, 15, true));
    if (!picture->IsValid()) return nullptr;
    converted.BlitClipped(*picture, POINT{0, 0}, part);
    return picture;
}

uint32_t GetColorKey(const Bitmap& bitmap) {
    GdiFlush();
    return PixelColour(bitmap.View(), 0, 0);
}

std::unique_ptr<Bitmap> LoadBmpAsDib16(const std::string& name, const RECT* crop, bool inset, uint32_t* key) {
    if (std::FILE* probe = std::fopen(name.c_str(), "rb")) std::fclose(probe);
    else throw std::runtime_error("Cant open " + name);
    Bitmap loaded;
    if (!loaded.LoadImageFile(name)) throw std::runtime_error(PictureNotReadText(name));
    RECT part = loaded.Bounds();
    if (crop) part = *crop;
    else if (inset) part = RECT{1, 1, loaded.Width() - 1, loaded.Height() - 1};
    if (part.right <= part.left || part.bottom <= part.top) throw std::runtime_error("Can't read " + name);
    if (key) *key = GetColorKey(loaded);
    std::unique_ptr<Bitmap> picture = MakeEnginePicture(loaded, part);
    if (!picture) throw std::runtime_error("Bad DIB Section " + name);
    return picture;
}
