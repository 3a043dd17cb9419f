#include "SymbolPicture.h"

#include "SymbolChecks.h"

namespace {

const uint16_t kWhite = 0x7FFF;

uint16_t* Row(const Bitmap& b, int32_t y) { return reinterpret_cast<uint16_t*>(b.View().Row(y)); }

uint16_t To555(COLORREF colour)
{
    return uint16_t((GetRValue(colour) >> 3) << 10 | (GetGValue(colour) >> 3) << 5 | (GetBValue(colour) >> 3));
}

}  // namespace

bool MakeSymbolPicture(const Bitmap& source, Bitmap& picture)
{
    if (!source.IsValid() || source.Width() <= 0 || source.Height() <= 0)
        return false;
    const PictureSize size = FitSymbolPicture(source.Width(), source.Height());
    Bitmap scaled(source);
    if (!scaled.StretchInto(15) || !scaled.Resize(size.width, size.height) || !scaled.StretchInto(15))
        return false;
    // The margins take the picture's own background: the colour of its top-left corner.
    Bitmap framed;
    if (!framed.Create(kSymbolPictureWidth, kSymbolPictureHeight, 15, true))
        return false;
    GdiFlush();
    const uint16_t background = Row(scaled, 0)[0];
    for (int32_t y = 0; y < framed.Height(); ++y)
        for (int32_t x = 0; x < framed.Width(); ++x)
            Row(framed, y)[x] = background;
    const POINT place = {(kSymbolPictureWidth - size.width) / 2, (kSymbolPictureHeight - size.height) / 2};
    if (!scaled.BlitClipped(framed, place, scaled.Bounds()))
        return false;
    picture.Swap(framed);
    return true;
}

void WhitenKeyColour(Bitmap& picture, COLORREF key)
{
    if (!picture.IsValid() || !picture.StretchInto(15))
        return;
    GdiFlush();
    const uint16_t keyed = To555(key);
    for (int32_t y = 0; y < picture.Height(); ++y)
        for (int32_t x = 0; x < picture.Width(); ++x)
            if ((Row(picture, y)[x] & kWhite) == keyed)
                Row(picture, y)[x] = kWhite;
}
