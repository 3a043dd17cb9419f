#include "TextSprite.h"

#include <windows.h>

#include <cstring>

#include "BlitRequestBuilder.h"
#include "Blitter.h"
#include "DibSurface.h"
#include "LibraryContext.h"
#include "PictureBuffer.h"

namespace {

uintptr_t Address(const void* p) { return uintptr_t(p); }
template <class T>
T* At(uintptr_t address) {
    return reinterpret_cast<T*>(uintptr_t(address));
}

typedef uint32_t(__stdcall* TransparentEntry)(const void* properties);
typedef uint32_t(__stdcall* TranslateEntry)(COLORREF colour);

// Pictures larger than this are refused rather than made.
const uint64_t kLargestPictureBytes = uint64_t(1) << 28;

// A memory DC like the desktop's, released however the drawing ends.
class MemoryDc {
public:
    MemoryDc() {
        HDC screen = GetDC(nullptr);
        dc_ = CreateCompatibleDC(screen);
        ReleaseDC(nullptr, screen);
    }
    ~MemoryDc() {
        if (!dc_) return;
        if (oldBitmap_) SelectObject(dc_, oldBitmap_);
        if (oldFont_) SelectObject(dc_, oldFont_);
        DeleteDC(dc_);
    }
    MemoryDc(const MemoryDc&) = delete;
    MemoryDc& operator=(const MemoryDc&) = delete;
    HDC Get() const { return dc_; }
    void Select(HFONT font) {
        if (font) {
            HGDIOBJ old = SelectObject(dc_, font);
            if (old && !oldFont_) oldFont_ = old;
        }
    }
    void Select(HBITMAP bitmap) {
        HGDIOBJ old = SelectObject(dc_, bitmap);
        if (old && !oldBitmap_) oldBitmap_ = old;
    }
    // Lets go of the selected bitmap, so that its owner can delete it.
    void RestoreBitmap() {
        if (oldBitmap_) SelectObject(dc_, oldBitmap_);
        oldBitmap_ = nullptr;
    }

private:
    HDC dc_ = nullptr;
    HGDIOBJ oldFont_ = nullptr;
    HGDIOBJ oldBitmap_ = nullptr;
};

}  // namespace

TextSprite::TextSprite(int32_t handle, const SpriteCreateRecord& record) : Sprite(handle, record) {
    if (!record.extra) Errors().Raise(ErrNullArgument);
    // Bits 0-1 anchor the text here; they never mirror it.
    SetMirrorable(false);
    std::memcpy(&properties_, At<const void>(record.extra), sizeof properties_);
    MutableRecord().extra = Address(&properties_);
    RenderText();
    Invalidate();
    MarkConstructed();
}

TextSprite::~TextSprite() { FreePicture(); }

void TextSprite::FreePicture() {
    SetPicture(nullptr, 0, 0);
    FreePictureBuffer(picture_);
    picture_ = nullptr;
}

int TextSprite::Modify(const TextProperties& properties) {
    properties_ = properties;
    FreePicture();
    RenderText();
    Invalidate();
    return 1;
}

// A picture of the given size, every pixel the key.
void TextSprite::BlankPicture(uint16_t width, uint16_t height, uint32_t key, bool keyed) {
    picture_ = NewPictureBuffer(width, height, false);
    if (!picture_) Errors().Raise(ErrOutOfMemory);
    quor::ImageHeader* h = static_cast<quor::ImageHeader*>(picture_);
    if (keyed) h->kind |= quor::KindKeyed;
    h->key = key;
    uint16_t* px = reinterpret_cast<uint16_t*>(h + 1);
    for (size_t i = 0, n = h->pixelBytes / 2; i < n; ++i) px[i] = uint16_t(key);
}

void TextSprite::RenderText() {
    FreePicture();
    const char* text = At<const char>(properties_.text);
    const int length = text ? int(std::strlen(text)) : 0;
    auto nothing = [this] {
        // Nothing to show: a transparent 1 x 1 picture.
        BlankPicture(1, 1, 0, true);
        offsetX_ = offsetY_ = 0;
        SetPicture(static_cast<quor::ImageHeader*>(picture_), 0, 0);
    };
    if (length == 0) return nothing();
    MemoryDc dc;
    if (!dc.Get()) Errors().Raise(ErrOutOfMemory);
    dc.Select(reinterpret_cast<HFONT>(uintptr_t(properties_.font)));
    SIZE size = {0, 0};
    if (!GetTextExtentPoint32A(dc.Get(), text, length, &size) || size.cx <= 0 || size.cy <= 0) return nothing();
    TEXTMETRICA metrics = {};
    GetTextMetricsA(dc.Get(), &metrics);

    const uint32_t flags = Record().flags;
    const int32_t e = properties_.effectOffset;
    const int64_t d = e < 0 ? -int64_t(e) : int64_t(e);
    const uint32_t effect = (flags & kDropShadow) ? kDropShadow
                            : (flags & kEmboss)   ? kEmboss
                            : (flags & kOutline)  ? kOutline
                                                  : 0;
    int64_t cx = size.cx, cy = size.cy;
    if (effect == kDropShadow) {
        cx += d;
        cy += d;
    } else if (effect) {
        cx += 2 * d;
        cy += 2 * d;
    }
    if (cx > 0xFFFF || cy > 0xFFFF || uint64_t(cx * cy) * 2 > kLargestPictureBytes)
        Errors().Raise(ErrOutOfMemory, int32_t(length));

    switch (flags & 3) {
    case 0: offsetX_ = 0; break;
    case 1: offsetX_ = -int32_t(cx) / 2; break;
    case 2: offsetX_ = -int32_t(cx); break;
    default: break;  // 3: the offset stays as it was
    }
    switch ((flags >> 2) & 3) {
    case 0: offsetY_ = 0; break;
    case 1: offsetY_ = -int32_t(cy) / 2; break;
    case 2: offsetY_ = -int32_t(metrics.tmAscent); break;
    default: offsetY_ = -int32_t(cy); break;
    }

    Blitter& blitter = *Context()->blitter;
    const bool opaque = (properties_.options & kOpaqueBackground) != 0;
    const uint32_t key = blitter.As<TransparentEntry>(Blitter::SelectTransparentColorForText)(&properties_) & 0xFFFF;
    const uint32_t fill =
        opaque ? blitter.As<TranslateEntry>(Blitter::TranslateOneColor)(properties_.backgroundColour) & 0xFFFF : key;
    BlankPicture(uint16_t(cx), uint16_t(cy), opaque ? fill : key, !opaque);
    quor::ImageHeader* picture = static_cast<quor::ImageHeader*>(picture_);
    SetPicture(picture, offsetX_, offsetY_);

    DibSurface surface;
    if (!surface.Create15(int32_t(cx), int32_t(cy))) return;  // the blank picture stays
    const SurfaceRecord& s = surface.Record();
    BlitRequestBuilder r(s.pixels, s.rowBytes / 2);
    r.Size(int32_t(cx), int32_t(cy)).Extra(fill);
    blitter.As<BlitEntry1>(Blitter::FillBits)(r.Get());

    dc.Select(s.bitmap);
    SetBkMode(dc.Get(), TRANSPARENT);
    auto draw = [&](COLORREF colour, int64_t x, int64_t y) {
        SetTextColor(dc.Get(), colour);
        TextOutA(dc.Get(), int(x), int(y), text, length);
    };
    switch (effect) {
    case kDropShadow: {
        const int64_t at = e < 0 ? 0 : d;
        draw(properties_.effectColour1, at, at);
        draw(properties_.textColour, at - e, at - e);
        break;
    }
    case kEmboss:
        draw(properties_.effectColour1, d + e, d + e);
        draw(properties_.effectColour2, d - e, d - e);
        draw(properties_.textColour, d, d);
        break;
    case kOutline:
        for (int64_t k = 1; k <= e; ++k) {
            draw(properties_.effectColour1, d + k, d + k);
            draw(properties_.effectColour1, d - k, d + k);
            draw(properties_.effectColour1, d + k, d - k);
            draw(properties_.effectColour1, d - k, d - k);
        }
        draw(properties_.textColour, d, d);
        break;
    default:
        draw(properties_.textColour, 0, 0);
        break;
    }
    GdiFlush();

    BlitRequestBuilder c(picture);
    c.From(s.pixels, s.rowBytes / 2, int32_t(cy)).Size(int32_t(cx), int32_t(cy));
    blitter.As<BlitEntry1>(Blitter::CopyNoXlate)(c.Get());
    dc.RestoreBitmap();
}

void TextSprite::Invalidate() { InvalidatePicture(); }
