// Fills the request that the blitter's entries take: the destination (an engine picture, or
// a plane of pixels such as a DIB section's), the source, the rectangle, flips and the
// entry's extra word. Every field not given stays 0.
#pragma once
#include <cstdint>

#include "BlitRequest.h"
#include "ImageRecord.h"

class BlitRequestBuilder {
public:
    // Into an engine picture: its pixels follow its header. With no source given, the
    // request names the destination's format for both (fills and fades).
    explicit BlitRequestBuilder(quor::ImageHeader* picture) : r_() {
        r_.srcFormat = r_.dstFormat = int16_t(picture->kind);
        r_.dstPixels = Address(picture + 1);
        r_.dstRowPixels = RowPixelsOf(*picture);
    }
    // Into a plane of pixels `rowPixels` apart.
    BlitRequestBuilder(void* pixels, uint32_t rowPixels, int16_t format = int16_t(quor::kFormatCode15)) : r_() {
        r_.srcFormat = r_.dstFormat = format;
        r_.dstPixels = Address(pixels);
        r_.dstRowPixels = rowPixels;
    }

    // From an engine picture.
    BlitRequestBuilder& From(const quor::ImageHeader* picture) {
        return From(picture + 1, RowPixelsOf(*picture), picture->height, int16_t(picture->kind));
    }
    // From a plane of `rows` rows of pixels `rowPixels` apart.
    BlitRequestBuilder& From(const void* pixels, uint32_t rowPixels, int32_t rows,
                             int16_t format = int16_t(quor::kFormatCode15)) {
        r_.srcFormat = format;
        r_.srcPixels = Address(pixels);
        r_.srcRowPixels = rowPixels;
        r_.srcRows = rows;
        return *this;
    }
    // The source rectangle's corner.
    BlitRequestBuilder& FromAt(int32_t x, int32_t y) {
        r_.srcX = x;
        r_.srcY = y;
        return *this;
    }
    // The destination rectangle's corner.
    BlitRequestBuilder& To(int32_t x, int32_t y) {
        r_.dstX = x;
        r_.dstY = y;
        return *this;
    }
    // Source and destination of one size: nothing is scaled.
    BlitRequestBuilder& Size(int32_t width, int32_t height) {
        r_.width = r_.dstWidth = width;
        r_.height = r_.dstHeight = height;
        return *this;
    }
    // A source of one size scaled to a destination of another.
    BlitRequestBuilder& Scaled(int32_t width, int32_t height, int32_t dstWidth, int32_t dstHeight) {
        r_.width = width;
        r_.height = height;
        r_.dstWidth = dstWidth;
        r_.dstHeight = dstHeight;
        return *this;
    }
    // BlitFlip bits.
    BlitRequestBuilder& Flip(uint32_t flips) {
        r_.flip = flips;
        return *this;
    }
    // Translate entries, fill colour or fade table entries, as the entry wants.
    BlitRequestBuilder& Extra(uint32_t extra) {
        r_.extra = extra;
        return *this;
    }
    BlitRequestBuilder& Extra(const void* extra) { return Extra(Address(extra)); }

    BlitRequest* Get() { return &r_; }

    static uint32_t RowPixelsOf(const quor::ImageHeader& picture) {
        const uint32_t bpp = quor::BytesPerPixel(picture.kind);
        return quor::RowBytes(picture.width, bpp) / bpp;
    }

private:
    static uintptr_t Address(const void* p) { return uintptr_t(p); }

    BlitRequest r_;
};
