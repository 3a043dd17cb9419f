#include "BlitKernels.h"

#include "OverlayRows.h"

#include <algorithm>
#include <cstddef>
#include <cstring>
#include <limits>
#include <vector>

namespace blit16 {
namespace {

// The range [first, end) of rectangle indices on one axis whose destination and source
// both lie inside their limits.
struct Span {
    int32_t first = 0, end = 0;
    int32_t Count() const { return end - first; }
};

Span ClipAxis(int32_t n, int64_t dst, int64_t dstLimit, int64_t src, int64_t srcLimit,
              bool mirrored) {
    int64_t lo = 0, hi = n;
    lo = std::max<int64_t>(lo, -dst);
    hi = std::min<int64_t>(hi, dstLimit - dst);
    if (!mirrored) {
        lo = std::max<int64_t>(lo, -src);
        hi = std::min<int64_t>(hi, srcLimit - src);
    } else {
        // source index src + n - 1 - i must lie in [0, srcLimit)
        hi = std::min<int64_t>(hi, src + n);
        lo = std::max<int64_t>(lo, src + n - srcLimit);
    }
    Span s;
    if (hi > lo) {
        s.first = int32_t(lo);
        s.end = int32_t(hi);
    }
    return s;
}

const int64_t kNoLimit = std::numeric_limits<int32_t>::max();


inline uint16_t Channelwise(uint16_t p, int32_t keep, uint16_t target, int32_t level) {
    int32_t r = (p >> 10) & 31, g = (p >> 5) & 31, b = p & 31;
    int32_t tr = (target >> 10) & 31, tg = (target >> 5) & 31, tb = target & 31;
    r = (r * keep + tr * level) / 255;
    g = (g * keep + tg * level) / 255;
    b = (b * keep + tb * level) / 255;
    return uint16_t(r << 10 | g << 5 | b);
}

// The clipped rows of an unscaled job: `rows` rows of `count` pixels, d the first
// destination pixel and s the matching source pixel, each row `dstStep` and `srcStep`
// pixels after the one before; the source runs backwards along a row (`srcDir` -1) when
// mirrored horizontally.
template <class Src>
struct RowWalk {
    uint16_t* d = nullptr;
    const Src* s = nullptr;
    int32_t rows = 0, count = 0, srcDir = 1;
    ptrdiff_t dstStep = 0, srcStep = 0;
};

template <class Src>
RowWalk<Src> WalkOf(const BlitJob& job) {
    RowWalk<Src> w;
    if (!job.src || !job.dst || job.width <= 0 || job.height <= 0) return w;
    const bool mh = job.flip & MirrorH, mv = job.flip & MirrorV;
    Span xs = ClipAxis(job.width, job.dstX, job.dstRowPixels, job.srcX, job.srcRowPixels, mh);
    Span ys = ClipAxis(job.height, job.dstY, kNoLimit, job.srcY, job.srcRows, mv);
    if (xs.Count() <= 0 || ys.Count() <= 0) return w;
    const Src* src = static_cast<const Src*>(job.src);
    const int32_t sj = mv ? job.height - 1 - ys.first : ys.first;
    const Src* s = src + ptrdiff_t(job.srcY + sj) * job.srcRowPixels + job.srcX;
    w.d = job.dst + ptrdiff_t(job.dstY + ys.first) * job.dstRowPixels + job.dstX + xs.first;
    w.s = mh ? s + (job.width - 1 - xs.first) : s + xs.first;
    w.rows = ys.Count();
    w.count = xs.Count();
    w.srcDir = mh ? -1 : 1;
    w.dstStep = job.dstRowPixels;
    w.srcStep = mv ? -ptrdiff_t(job.srcRowPixels) : ptrdiff_t(job.srcRowPixels);
    return w;
}

// Runs `row(d, s, count, step)` over the clipped rows of an unscaled job: d is the first
// destination pixel, s the matching source pixel, step +1 or -1 through the source.
template <class Src, class Row>
void ForEachRow(const BlitJob& job, Row row) {
    RowWalk<Src> w = WalkOf<Src>(job);
    for (int32_t j = 0; j < w.rows; ++j, w.d += w.dstStep, w.s += w.srcStep) row(w.d, w.s, w.count, w.srcDir);
}

// Nearest-sample map from destination index to source index (-1 where the pixel is
// skipped) for one axis of a scaled job.
std::vector<int32_t> ScaleMap(int32_t dstN, int32_t dstOrigin, int64_t dstLimit, int32_t n,
                              int32_t srcOrigin, int64_t srcLimit, bool mirrored) {
    std::vector<int32_t> map(size_t(std::max(dstN, 0)), -1);
    for (int32_t i = 0; i < dstN; ++i) {
        const int64_t d = int64_t(dstOrigin) + i;
        if (d < 0 || d >= dstLimit) continue;
        int64_t k = (int64_t(2) * i + 1) * n / (int64_t(2) * dstN);
        if (mirrored) k = n - 1 - k;
        const int64_t s = srcOrigin + k;
        if (s < 0 || s >= srcLimit) continue;
        map[size_t(i)] = int32_t(s);
    }
    return map;
}

template <class Pixel>
void ForEachScaled(const BlitJob& job, Pixel pixel) {
    if (!job.src || !job.dst || job.width <= 0 || job.height <= 0 || job.dstWidth <= 0 ||
        job.dstHeight <= 0)
        return;
    const std::vector<int32_t> cols = ScaleMap(job.dstWidth, job.dstX, job.dstRowPixels, job.width,
                                               job.srcX, job.srcRowPixels, job.flip & MirrorH);
    const std::vector<int32_t> rows = ScaleMap(job.dstHeight, job.dstY, kNoLimit, job.height,
                                               job.srcY, job.srcRows, job.flip & MirrorV);
    const uint16_t* src = static_cast<const uint16_t*>(job.src);
    for (int32_t j = 0; j < job.dstHeight; ++j) {
        if (rows[size_t(j)] < 0) continue;
        const uint16_t* s = src + ptrdiff_t(rows[size_t(j)]) * job.srcRowPixels;
        uint16_t* d = job.dst + ptrdiff_t(job.dstY + j) * job.dstRowPixels + job.dstX;
        for (int32_t i = 0; i < job.dstWidth; ++i) {
            const int32_t c = cols[size_t(i)];
            if (c >= 0) pixel(d[i], s[c]);
        }
    }
}

}  // namespace

void Copy(const BlitJob& job, const uint16_t* xlate) {
    if (xlate) {
        ForEachRow<uint16_t>(job, [xlate](uint16_t* d, const uint16_t* s, int32_t n, int step) {
            for (int32_t k = 0; k < n; ++k, s += step) d[k] = xlate[*s & 0x7FFF];
        });
    } else {
        ForEachRow<uint16_t>(job, [](uint16_t* d, const uint16_t* s, int32_t n, int step) {
            if (step > 0) {
                std::memmove(d, s, size_t(n) * 2);
            } else {
                for (int32_t k = 0; k < n; ++k) d[k] = s[-k];
            }
        });
    }
}

void Overlay(const BlitJob& job, uint16_t key, const uint16_t* xlate) {
    if (xlate) {
        ForEachRow<uint16_t>(job, [key, xlate](uint16_t* d, const uint16_t* s, int32_t n, int step) {
            for (int32_t k = 0; k < n; ++k, s += step) {
                const uint16_t v = *s;
                if (v != key) d[k] = xlate[v & 0x7FFF];
            }
        });
    } else if (!(job.flip & MirrorH)) {
        const RowWalk<uint16_t> w = WalkOf<uint16_t>(job);
        if (w.rows > 0) OverlayRows(w.d, w.dstStep, w.s, w.srcStep, w.rows, w.count, key);
    } else {
        ForEachRow<uint16_t>(job, [key](uint16_t* d, const uint16_t* s, int32_t n, int) {
            for (int32_t k = 0; k < n; ++k) {
                const uint16_t v = s[-k];
                d[k] = v == key ? d[k] : v;
            }
        });
    }
}

void Scale(const BlitJob& job, const uint16_t* xlate) {
    if (xlate)
        ForEachScaled(job, [xlate](uint16_t& d, uint16_t s) { d = xlate[s & 0x7FFF]; });
    else
        ForEachScaled(job, [](uint16_t& d, uint16_t s) { d = s; });
}

void ScaleOverlay(const BlitJob& job, uint16_t key, const uint16_t* xlate) {
    if (xlate)
        ForEachScaled(job, [key, xlate](uint16_t& d, uint16_t s) {
            if (s != key) d = xlate[s & 0x7FFF];
        });
    else
        ForEachScaled(job, [key](uint16_t& d, uint16_t s) {
            if (s != key) d = s;
        });
}

void Fill(const BlitJob& job, uint16_t colour) {
    const bool dstSize = job.dstWidth > 0 && job.dstHeight > 0;
    const int32_t w = dstSize ? job.dstWidth : job.width;
    const int32_t h = dstSize ? job.dstHeight : job.height;
    if (!job.dst || w <= 0 || h <= 0) return;
    Span xs = ClipAxis(w, job.dstX, job.dstRowPixels, 0, kNoLimit, false);
    Span ys = ClipAxis(h, job.dstY, kNoLimit, 0, kNoLimit, false);
    for (int32_t j = ys.first; j < ys.end; ++j) {
        uint16_t* d = job.dst + ptrdiff_t(job.dstY + j) * job.dstRowPixels + job.dstX;
        std::fill(d + xs.first, d + xs.end, colour);
    }
}

void Shadow(const BlitJob& job) {
    ForEachRow<uint8_t>(job, [](uint16_t* d, const uint8_t* s, int32_t n, int step) {
        for (int32_t k = 0; k < n; ++k, s += step) {
            const int32_t level = *s;
            if (level) d[k] = Channelwise(d[k], 255 - level, 0, 0);
        }
    });
}

void Fade(const BlitJob& job, int32_t level, uint16_t target) {
    level = std::min(std::max(level, 0), 255);
    if (level == 0) return;
    BlitJob self = job;
    self.src = job.dst;
    self.srcRowPixels = job.dstRowPixels;
    self.srcRows = std::numeric_limits<int32_t>::max();
    self.srcX = job.dstX;
    self.srcY = job.dstY;
    self.flip = 0;
    if (job.dstWidth > 0 && job.dstHeight > 0) {
        self.width = job.dstWidth;
        self.height = job.dstHeight;
    }
    ForEachRow<uint16_t>(self, [level, target](uint16_t* d, const uint16_t*, int32_t n, int) {
        for (int32_t k = 0; k < n; ++k) d[k] = Channelwise(d[k], 255 - level, target, level);
    });
}

void FadeCopy(const BlitJob& job, int32_t level, uint16_t target) {
    level = std::min(std::max(level, 0), 255);
    ForEachRow<uint16_t>(job, [level, target](uint16_t* d, const uint16_t* s, int32_t n, int step) {
        for (int32_t k = 0; k < n; ++k, s += step) d[k] = Channelwise(*s, 255 - level, target, level);
    });
}

void ScaleAlpha(const AlphaScaleJob& job) {
    if (!job.src || !job.dst || job.srcWidth <= 0 || job.srcHeight <= 0 || job.dstWidth <= 0 ||
        job.dstHeight <= 0)
        return;
    if (job.stepInteger < 0) return;
    // Position of destination index i: i * (integer + fraction / 2^32), kept in two parts
    // so that nothing overflows.
    auto at = [&job](int32_t i, int32_t limit) {
        const uint64_t whole = uint64_t(uint32_t(job.stepInteger)) * uint64_t(i) +
                               ((uint64_t(job.stepFraction) * uint64_t(i)) >> 32);
        return int32_t(std::min<uint64_t>(whole, uint64_t(limit - 1)));
    };
    const size_t srcRow = PaddedRowBytes(uint32_t(job.srcWidth), 1);
    const size_t dstRow = PaddedRowBytes(uint32_t(job.dstWidth), 1);
    std::vector<int32_t> cols(size_t(job.dstWidth));
    for (int32_t i = 0; i < job.dstWidth; ++i) cols[size_t(i)] = at(i, job.srcWidth);
    for (int32_t j = 0; j < job.dstHeight; ++j) {
        const uint8_t* s = job.src + size_t(at(j, job.srcHeight)) * srcRow;
        uint8_t* d = job.dst + size_t(j) * dstRow;
        for (int32_t i = 0; i < job.dstWidth; ++i) d[i] = s[cols[size_t(i)]];
    }
}

}  // namespace blit16
