#include "PanoramaWarp.h"

#include <algorithm>
#include <cmath>
#include <utility>

namespace {

const double kOne32 = 4294967296.0;  // 1.0 in 32.32 fixed point
// Columns a quarter turn or more from the centre would advance no rows at all or go
// backwards; they keep this least cosine, which repeats one panorama pixel down the column.
const double kLeastCosine = 1.0 / 65536;
// Zooms beyond these would overflow the 16.16 column step and the 32.32 row positions.
const double kLeastZoom = 1.0 / 1024, kMostZoom = 1024.0;
// Row positions this far from the panorama cannot be held in 32.32; such columns are grey.
const double kFarthestRow = 1 << 30;

int32_t ToInt(double v) {
    return int32_t(std::max(-2147483648.0, std::min(2147483647.0, v)));
}

// A value in 32.32 fixed point: whole rows times 2^32 plus the 32-bit fraction.
int64_t Fixed(double v) {
    const double whole = std::floor(v);
    const double fraction = std::min((v - whole) * kOne32, kOne32 - 1);
    return int64_t(whole) * int64_t(kOne32) + int64_t(fraction);
}

}  // namespace

PanoramaWarp::PanoramaWarp(int32_t width, int32_t height, int32_t horizon, bool rotated, double angle)
    : panoramaWidth_(width), panoramaHeight_(height), horizon_(horizon), angle_(angle), rotated_(rotated) {}

PanoramaRect PanoramaWarp::Setup(int32_t w, int32_t h, double zoom, int32_t x, int32_t y) {
    if (rotated_) std::swap(x, y);
    if (w <= 0 || h <= 0 || !(zoom >= kLeastZoom && zoom <= kMostZoom)) {
        tablesValid_ = false;
        return PanoramaRect{};
    }
    if (!tablesValid_ || w != viewWidth_ || h != viewHeight_ || zoom != zoom_) {
        zoom_ = zoom;
        viewWidth_ = w;
        viewHeight_ = h;
        coveredColumns_ = ToInt(std::ceil((w - 1) / zoom)) + 1;
        coveredRows_ = ToInt(std::ceil((h - 1) / zoom)) + 1;
        if (zoom > 1.0 && h > bufferHeight_) {
            current_.assign(size_t(h) + 2, 0);
            next_.assign(size_t(h) + 2, 0);
            bufferHeight_ = h;
        }
        BuildColumnTable(w, zoom);
        tablesValid_ = true;
    }
    SetOrigin(x, y);
    return ReadRectangle(x, y);
}

// The step angle of one view column turns a unit vector outward from the centre; its x
// is the cosine of each pair of columns' angle. Walking outward, the later (outer) pair
// wins where the two middle pairs of an even width overlap.
void PanoramaWarp::BuildColumnTable(int32_t w, double zoom) {
    columns_.assign(size_t(w), 1.0 / zoom);
    const double t = panoramaWidth_ > 0 ? angle_ / (double(panoramaWidth_) * zoom) : 0.0;
    const double c = std::cos(t), s = std::sin(t);
    double vx = 1.0, vy = 0.0;
    for (int32_t j = 0; j <= w / 2; ++j) {
        const double d = std::max(vx, kLeastCosine) / zoom;
        columns_[size_t(w / 2 - j)] = d;
        columns_[size_t(w - 1 - w / 2 + j)] = d;
        const double nx = vx * c - vy * s;
        vy = vy * c + vx * s;
        vx = nx;
    }
}

void PanoramaWarp::SetOrigin(int32_t x, int32_t y) {
    originX_ = x;
    originY_ = y;
    horizonOffset_ = horizon_ - y;
    zoomedHorizonOffset_ = horizonOffset_ * zoom_;
    belowHorizon_ = viewHeight_ - horizonOffset_;
}

PanoramaRect PanoramaWarp::ReadRectangle(int32_t x, int32_t y) const {
    const double d0 = columns_[0], h = viewHeight_, H = horizonOffset_, Hz = zoomedHorizonOffset_;
    PanoramaRect r;
    r.left = x;
    r.right = ToInt(x + std::ceil(viewWidth_ / zoom_) + 2);
    r.top = horizonOffset_ < 0 ? std::max(0, ToInt(std::floor(y + H - d0 * Hz))) : y;
    r.bottom = belowHorizon_ < 1 ? ToInt(std::ceil(h * d0 + H - d0 * Hz + y) + 2) : ToInt(std::ceil(h / zoom_) + y + 2);
    r.bottom = std::min(panoramaHeight_, r.bottom);
    if (rotated_) {
        std::swap(r.left, r.top);
        std::swap(r.right, r.bottom);
    }
    return r;
}

int32_t PanoramaWarp::RowsBefore(int64_t start, int64_t step, int32_t count, int32_t row) {
    const int64_t limit = int64_t(row) * int64_t(kOne32);
    if (start >= limit) return 0;
    return int32_t(std::min<int64_t>(count, (limit - start + step - 1) / step));
}

// Grey rows at the top come from a horizon above the view near the panorama's top, grey
// rows at the bottom from a horizon below the view near its bottom. Any other row that
// would fall outside the panorama (a view that runs past it) is grey as well.
PanoramaWarp::ColumnRun PanoramaWarp::PlanColumn(int32_t i, int32_t y) const {
    const double d = columns_[size_t(i)];
    const int32_t h = viewHeight_;
    double top = horizonOffset_ - d * zoomedHorizonOffset_;
    ColumnRun run;
    if (horizonOffset_ < 0 && y + top < 0) {
        const double n = std::min(double(h), std::ceil(-(y + top) / d));
        run.greyTop = int32_t(n);
        top += n * d;
    }
    const int32_t rowsLeft = h - run.greyTop;
    if (belowHorizon_ < 1) {
        const double last = std::trunc(y + top + rowsLeft * d);
        if (last >= panoramaHeight_)
            run.greyBottom = int32_t(std::min(double(rowsLeft), std::ceil((last - panoramaHeight_ + 1) / d)));
    }
    if (std::fabs(y + top) > kFarthestRow) {
        run.greyTop = h;
        run.greyBottom = 0;
        return run;
    }
    run.start = int64_t(y) * int64_t(kOne32) + Fixed(top);
    run.step = Fixed(d);
    const int32_t count = h - run.greyTop - run.greyBottom;
    const int32_t above = RowsBefore(run.start, run.step, count, 0);
    const int32_t inside = RowsBefore(run.start, run.step, count, panoramaHeight_);
    run.greyTop += above;
    run.start += above * run.step;
    run.greyBottom += count - inside;
    return run;
}
