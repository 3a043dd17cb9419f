// Changing a bitmap's depth and size, flipping it and copying rectangles between bitmaps.
#include "Bitmap.h"
#include "DepthConversion.h"
#include "PixelCopy.h"
#include "Resampling.h"

bool Bitmap::SetDepth(int depth, const RGBQUAD* colours) {
    if (!valid_) return false;
    if (depth == depth_ && !colours) return true;
    if (depth == 8 && !colours) return false;
    Bitmap converted(width_, height_, depth, topDown_, colours);
    if (!converted.IsValid()) return false;
    GdiFlush();
    if (!ConvertPixels(View(), converted.View())) return false;
    Swap(converted);
    return true;
}

bool Bitmap::Resize(int32_t width, int32_t height) {
    if (!valid_ || width <= 0 || height <= 0) return false;
    if (width == width_ && height == height_) return true;
    const int original = depth_;
    if (!SetDepth(24)) return false;
    // The axis that shrinks more goes first, so the second pass works on fewer pixels.
    const bool widthFirst = int64_t(width) * height_ < int64_t(height) * width_;
    const bool resampled = widthFirst ? ResampleWidth(width) && ResampleHeight(height)
                                      : ResampleHeight(height) && ResampleWidth(width);
    if (!resampled) return false;
    return original < 15 || SetDepth(original);
}

bool Bitmap::ReplaceBy24(int32_t width, int32_t height, bool byWidth) {
    if (!valid_ || depth_ != 24 || width <= 0 || height <= 0) return false;
    if (width == width_ && height == height_) return true;
    Bitmap resampled(width, height, 24, topDown_);
    if (!resampled.IsValid()) return false;
    GdiFlush();
    if (byWidth) ResampleWidth24(View(), resampled.View());
    else ResampleHeight24(View(), resampled.View());
    Swap(resampled);
    return true;
}

bool Bitmap::ResampleWidth(int32_t width) { return ReplaceBy24(width, height_, true); }

bool Bitmap::ResampleHeight(int32_t height) { return ReplaceBy24(width_, height, false); }

bool Bitmap::FlipVertical() {
    if (!valid_) return false;
    GdiFlush();
    FlipRows(View());
    return true;
}

bool Bitmap::BlitClipped(Bitmap& destination, POINT place, const RECT& source) const {
    if (!valid_ || !destination.valid_ || depth_ != destination.depth_) return false;
    GdiFlush();
    return CopyRect(View(), source.left, source.top, source.right, source.bottom, destination.View(), place.x,
                    place.y);
}
