// Changing a bitmap's depth and size, flipping it, filling it white and copying or drawing
// rectangles between bitmaps.
#include <algorithm>
#include <cstring>

#include "Bitmap.h"
#include "DepthConversion.h"
#include "PixelCopy.h"
#include "Resampling.h"

bool Bitmap::StretchInto(int depth, const RGBQUAD* colours) {
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
    if (!StretchInto(24)) return false;
    // The axis that shrinks more goes first, so the second pass works on fewer pixels.
    const bool widthFirst = int64_t(width) * height_ < int64_t(height) * width_;
    const bool resampled = widthFirst ? ResampleWidth(width) && ResampleHeight(height)
                                      : ResampleHeight(height) && ResampleWidth(width);
    if (!resampled) return false;
    return original < 15 || StretchInto(original);
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

bool Bitmap::Convert(const BitmapPlacement& placement, const Bitmap& source) {
    if (!valid_ || !source.valid_) return false;
    const int32_t width = placement.right - placement.left, height = placement.bottom - placement.top;
    const int32_t takenWidth = std::min(placement.sourceWidth, source.width_);
    const int32_t takenHeight = std::min(placement.sourceHeight, source.height_);
    if (width <= 0 || height <= 0 || takenWidth <= 0 || takenHeight <= 0) return false;
    Bitmap taken(takenWidth, takenHeight, 24, source.topDown_);
    Bitmap whole(source);
    if (!taken.IsValid() || !whole.StretchInto(24) ||
        !whole.BlitClipped(taken, POINT{0, 0}, RECT{0, 0, takenWidth, takenHeight}))
        return false;
    if (!taken.Resize(width, height) || !taken.StretchInto(depth_, depth_ == 8 ? Colours() : nullptr)) return false;
    return taken.BlitClipped(*this, POINT{placement.left, placement.top}, taken.Bounds());
}

bool Bitmap::FillWhite() {
    if (!valid_) return false;
    GdiFlush();
    const PixelView view = View();
    const size_t bytes = size_t(width_) * size_t(StoredBits(depth_) / 8);
    const uint8_t index = depth_ == 8 ? NearestColour(view.colours).Find(255, 255, 255) : 0xFF;
    for (int32_t y = 0; y < height_; ++y) {
        uint8_t* row = view.Row(y);
        if (depth_ == 15)
            for (int32_t x = 0; x < width_; ++x) reinterpret_cast<uint16_t*>(row)[x] = 0x7FFF;
        else
            std::memset(row, index, bytes);
    }
    return true;
}
