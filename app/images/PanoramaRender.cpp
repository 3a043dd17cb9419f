// The two renders of PanoramaWarp: nearest samples, and samples blended in quarters from
// the two panorama rows (and, zoomed in, the two panorama columns) around each position.
// Per pixel they only add 32-bit fractions and step by the carry.
#include <algorithm>
#include <utility>

#include "Blend555.h"
#include "PanoramaWarp.h"

bool PanoramaWarp::Prepare(const PixelView& panorama, const PixelView& image, int32_t& x, int32_t& y,
                           Source& source, Target& target) const {
    if (!tablesValid_ || panoramaWidth_ <= 0 || panoramaHeight_ <= 0) return false;
    if (!panorama.pixels || panorama.depth != 15 || !image.pixels || image.depth != 15) return false;
    const int32_t storedWidth = rotated_ ? panoramaHeight_ : panoramaWidth_;
    const int32_t storedHeight = rotated_ ? panoramaWidth_ : panoramaHeight_;
    if (panorama.width < storedWidth || panorama.height < storedHeight) return false;
    if (image.width < viewWidth_ || image.height < viewHeight_) return false;
    if (rotated_) std::swap(x, y);
    const ptrdiff_t storedRow = panorama.RowStep() / 2;
    source.origin = reinterpret_cast<const uint16_t*>(panorama.Row(0));
    source.rowStride = rotated_ ? 1 : storedRow;
    source.columnStride = rotated_ ? storedRow : 1;
    target.origin = reinterpret_cast<uint16_t*>(image.Row(0));
    target.rowStride = image.RowStep() / 2;
    return true;
}

// Panorama columns per view column in 16.16.
uint32_t PanoramaWarp::ColumnStep() const { return uint32_t(65536.0 / zoom_); }

int32_t PanoramaWarp::Wrap(int64_t column) const {
    const int64_t w = panoramaWidth_;
    return int32_t(((column % w) + w) % w);
}

namespace {

uint16_t* Fill(uint16_t* out, ptrdiff_t stride, int32_t count, uint16_t value) {
    for (int32_t k = 0; k < count; ++k, out += stride) *out = value;
    return out;
}

}  // namespace

// The lower pixel of each blended pair is the next panorama row. On the panorama's last
// row there is none, and the row stands alone: a pixel blended with itself.
template <bool blend>
void PanoramaWarp::DrawColumn(const Source& source, int32_t column, const ColumnRun& run, uint16_t* out,
                              ptrdiff_t outStride) const {
    out = Fill(out, outStride, run.greyTop, kGrey);
    const int32_t count = viewHeight_ - run.greyTop - run.greyBottom;
    const int32_t paired = blend ? RowsBefore(run.start, run.step, count, panoramaHeight_ - 1) : 0;
    const uint16_t* src = source.origin + column * source.columnStride;
    ptrdiff_t at = ptrdiff_t(run.start >> 32) * source.rowStride;
    const ptrdiff_t below = source.rowStride, whole = ptrdiff_t(run.step >> 32) * below, carried = whole + below;
    const uint32_t step = uint32_t(run.step);
    uint32_t fraction = uint32_t(run.start);
    int32_t k = 0;
    for (; k < paired; ++k, out += outStride) {
        *out = BlendQuarter(src[at], src[at + below], int(fraction >> 30));
        fraction += step;
        at += fraction < step ? carried : whole;
    }
    for (; k < count; ++k, out += outStride) {
        *out = src[at];
        fraction += step;
        at += fraction < step ? carried : whole;
    }
    Fill(out, outStride, run.greyBottom, kGrey);
}

void PanoramaWarp::RenderColumns(const Source& source, const Target& target, int32_t x, int32_t y, bool blend) {
    const uint32_t columnStep = ColumnStep();
    uint32_t fraction = 0;
    int32_t column = Wrap(x);
    for (int32_t i = 0; i < viewWidth_; ++i) {
        const ColumnRun run = PlanColumn(i, y);
        if (blend) DrawColumn<true>(source, column, run, target.origin + i, target.rowStride);
        else DrawColumn<false>(source, column, run, target.origin + i, target.rowStride);
        fraction += columnStep;
        column = Wrap(int64_t(column) + (fraction >> 16));
        fraction &= 0xFFFF;
    }
}

bool PanoramaWarp::Render(const PixelView& panorama, const PixelView& image, int32_t x, int32_t y) {
    Source source;
    Target target;
    if (!Prepare(panorama, image, x, y, source, target)) return false;
    RenderColumns(source, target, x, y, false);
    return true;
}

bool PanoramaWarp::RenderSmooth(const PixelView& panorama, const PixelView& image, int32_t x, int32_t y) {
    Source source;
    Target target;
    if (!Prepare(panorama, image, x, y, source, target)) return false;
    if (zoom_ > 1.0) RenderBetweenColumns(source, target, x, y);
    else RenderColumns(source, target, x, y, true);
    return true;
}

// Zoomed in, several view columns fall between two panorama columns. Both are blended
// vertically into buffers, each with the row steps of the view column where it was
// built, and the view columns blend the two buffers by their own column fraction, which
// moves on by one step before every view column, the first included.
void PanoramaWarp::RenderBetweenColumns(const Source& source, const Target& target, int32_t x, int32_t y) {
    const uint32_t columnStep = ColumnStep();
    uint32_t fraction = 0;
    int32_t column = Wrap(x);
    for (int32_t i = 0; i < viewWidth_; ++i) {
        fraction += columnStep;
        if (i == 0) {
            const ColumnRun run = PlanColumn(i, y);
            DrawColumn<true>(source, column, run, current_.data(), 1);
            DrawColumn<true>(source, Wrap(int64_t(column) + 1), run, next_.data(), 1);
        } else if (fraction >= 0x10000) {
            fraction -= 0x10000;
            column = Wrap(int64_t(column) + 1);
            std::swap(current_, next_);
            DrawColumn<true>(source, Wrap(int64_t(column) + 1), PlanColumn(i, y), next_.data(), 1);
        }
        const int quarter = int(fraction >> 14);
        uint16_t* out = target.origin + i;
        for (int32_t k = 0; k < viewHeight_; ++k, out += target.rowStride)
            *out = BlendQuarter(current_[size_t(k)], next_[size_t(k)], quarter);
    }
}
