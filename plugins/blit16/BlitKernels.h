// The pixel loops of the 16-bit blitter, free of any platform so that they build and are
// tested natively as well. Pixels are 16-bit 5-5-5 (red in bits 10-14, green 5-9, blue 0-4).
//
// Geometry of every rectangle operation: the rectangle is `width` x `height` pixels;
// destination pixel (dstX + i, dstY + j) takes source pixel (srcX + i', srcY + j') where i'
// is i, or width - 1 - i when mirrored horizontally (flip bit 1), and j' likewise with flip
// bit 2. Pixels whose source lies outside the source picture (srcRowPixels x srcRows) or
// whose destination lies left of, above or right of the destination rows (x < 0, y < 0,
// x >= dstRowPixels) are skipped; the destination's row count is the caller's to respect.
// Scaled operations map a destination rectangle of dstWidth x dstHeight onto the source
// rectangle by nearest sample: destination column i reads rectangle column
// ((2i + 1) * width) / (2 * dstWidth), and rows alike.
#pragma once
#include <cstdint>

namespace blit16 {

enum Flip : uint32_t { MirrorH = 1, MirrorV = 2 };

struct BlitJob {
    const void* src = nullptr;  // 16-bit pixels, or one level byte per pixel for shadows
    int32_t srcRowPixels = 0;   // row length in pixels (padding included)
    int32_t srcRows = 0;
    int32_t srcX = 0, srcY = 0, width = 0, height = 0;
    uint32_t flip = 0;
    uint16_t* dst = nullptr;
    int32_t dstRowPixels = 0;
    int32_t dstX = 0, dstY = 0, dstWidth = 0, dstHeight = 0;
};

// Translate entries: one 5-5-5 pixel per source pixel value (entry v replaces pixel v);
// a full table has kMaxXlateEntries entries.
const int32_t kMaxXlateEntries = 32768;

void Copy(const BlitJob& job, const uint16_t* xlate);
// Skips source pixels equal to the key (compared before translation).
void Overlay(const BlitJob& job, uint16_t key, const uint16_t* xlate);
void Scale(const BlitJob& job, const uint16_t* xlate);
void ScaleOverlay(const BlitJob& job, uint16_t key, const uint16_t* xlate);
// Fills the destination rectangle (dstWidth x dstHeight when both are set, else width x
// height) at dstX, dstY.
void Fill(const BlitJob& job, uint16_t colour);
// Darkens the destination under a level mask: level L keeps (255 - L) / 255 of each channel.
void Shadow(const BlitJob& job);
// Fades a destination rectangle in place towards `target` by level / 255 (0 leaves it,
// 255 gives the target); FadeCopy copies the source rectangle faded the same way.
void Fade(const BlitJob& job, int32_t level, uint16_t target);
void FadeCopy(const BlitJob& job, int32_t level, uint16_t target);

// Scales a level mask (one byte per pixel, rows padded to 4 bytes) by a 32.32 fixed-point
// step of source pixels per destination pixel, the same on both axes.
struct AlphaScaleJob {
    const uint8_t* src = nullptr;
    int32_t srcWidth = 0, srcHeight = 0;
    uint8_t* dst = nullptr;
    int32_t dstWidth = 0, dstHeight = 0;
    uint32_t stepFraction = 0;
    int32_t stepInteger = 0;
};
void ScaleAlpha(const AlphaScaleJob& job);

// A COLORREF (red in the low byte) as a 5-5-5 pixel.
inline uint16_t PixelFromColorRef(uint32_t c) {
    return uint16_t(((c >> 3) & 0x1F) << 10 | ((c >> 11) & 0x1F) << 5 | ((c >> 19) & 0x1F));
}
// Row length in bytes of a picture, padded to a multiple of 4.
inline uint32_t PaddedRowBytes(uint32_t width, uint32_t bytesPerPixel) {
    return (width * bytesPerPixel + 3) & ~3u;
}

}  // namespace blit16
