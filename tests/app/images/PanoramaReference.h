// A floating-point model of the panorama view, worked out pixel by pixel from the
// positions themselves (no carried fractions, no tables), to check the renders against.
// Where a position lies within a millionth of a boundary that decides the sample, both
// sides are accepted: the renders carry 32-bit fractions and may fall either way.
#pragma once
#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <vector>

struct PanoramaScene {
    // The logical panorama, rows of `width` 5-5-5 pixels.
    int32_t width = 0, height = 0, horizon = 0;
    double angle = 0;
    std::vector<uint16_t> pixels;
    // The view, in logical coordinates.
    int32_t w = 0, h = 0;
    double zoom = 1;
    int32_t x = 0, y = 0;

    uint16_t At(int32_t column, int32_t row) const { return pixels[size_t(row) * size_t(width) + size_t(column)]; }
};

namespace panorama_reference {

struct Colour {
    double r, g, b;
};

inline Colour Channels(uint16_t p) { return Colour{double((p >> 10) & 31), double((p >> 5) & 31), double(p & 31)}; }

inline Colour Mix(const Colour& a, const Colour& b, double weightOfB) {
    return Colour{a.r + (b.r - a.r) * weightOfB, a.g + (b.g - a.g) * weightOfB, a.b + (b.b - a.b) * weightOfB};
}

const uint16_t kGrey = 0x3DEF;
const double kNear = 1e-6;

// Panorama rows per view row in view column i: the cosine of the column's angle from the
// view's centre (the outer of the two middle columns of an even width).
inline double RowStep(const PanoramaScene& s, int32_t i) {
    const int32_t j = std::max(s.w / 2 - i, i - (s.w - 1 - s.w / 2));
    return std::cos(j * s.angle / (s.width * s.zoom)) / s.zoom;
}

// Panorama columns per view column in 16.16.
inline int64_t ColumnStep(const PanoramaScene& s) { return int64_t(65536.0 / s.zoom); }

inline int32_t Wrap(const PanoramaScene& s, int64_t column) { return int32_t(((column % s.width) + s.width) % s.width); }

// The panorama row (as a real number) that view row k of view column `plan` shows, and
// whether the rule for a horizon below the view paints the row grey.
struct RowPlace {
    double row;
    bool bottomGrey;
};

inline RowPlace Place(const PanoramaScene& s, int32_t plan, int32_t k) {
    const double d = RowStep(s, plan);
    const int32_t H = s.horizon - s.y;
    const double top = H - d * H * s.zoom;
    const double first = s.y + top;
    int32_t greyTop = 0;
    if (H < 0 && first < 0) greyTop = int32_t(std::min(double(s.h), std::ceil(-first / d)));
    int32_t greyBottom = 0;
    if (s.h - H < 1) {
        const int32_t left = s.h - greyTop;
        const double last = std::trunc(first + (greyTop + left) * d);
        if (last >= s.height) greyBottom = int32_t(std::min(double(left), std::ceil((last - s.height + 1) / d)));
    }
    return RowPlace{first + k * d, k >= s.h - greyBottom};
}

// The colours that a column of panorama column `column` may show at view row k, as seen
// with the row steps of view column `plan`: nearest takes the row the position lies in,
// smooth blends it with the row below by the quarter of the position within its row.
inline std::vector<Colour> ColumnSamples(const PanoramaScene& s, int32_t column, int32_t plan, int32_t k,
                                         bool smooth) {
    const RowPlace place = Place(s, plan, k);
    std::vector<Colour> out;
    for (double p : {place.row - kNear, place.row + kNear}) {
        if (place.bottomGrey || p < 0 || p >= s.height) {
            out.push_back(Channels(kGrey));
            continue;
        }
        const int32_t r = int32_t(std::floor(p));
        const Colour upper = Channels(s.At(column, r));
        if (!smooth) {
            out.push_back(upper);
            continue;
        }
        const int quarter = int((p - r) * 4);
        const Colour lower = Channels(s.At(column, r + 1 < s.height ? r + 1 : r));
        out.push_back(Mix(upper, lower, quarter / 4.0));
    }
    return out;
}

// The candidates of view pixel (i, k) for the nearest render (smooth = false) and for the
// smooth one at a zoom of at most 1: panorama columns at an even pace from x.
inline std::vector<Colour> Expected(const PanoramaScene& s, int32_t i, int32_t k, bool smooth) {
    const int32_t column = Wrap(s, s.x + (int64_t(i) * ColumnStep(s) >> 16));
    return ColumnSamples(s, column, i, k, smooth);
}

// The candidates of view pixel (i, k) for the smooth render zoomed in: two neighbouring
// panorama columns, each blended down its rows with the row steps of the view column at
// which the render reached it, mixed by the quarter of the column position (which runs one
// step ahead: (i + 1) steps at view column i).
inline std::vector<Colour> ExpectedZoomedIn(const PanoramaScene& s, int32_t i, int32_t k) {
    const int64_t step = ColumnStep(s);
    const int64_t position = (int64_t(i) + 1) * step;
    const int64_t offset = position >> 16;
    auto reachedAt = [&](int64_t o) {
        int32_t at = 0;
        if (o > 1)
            while (((int64_t(at) + 1) * step >> 16) != o - 1) ++at;
        return at;
    };
    const std::vector<Colour> current = ColumnSamples(s, Wrap(s, s.x + offset), reachedAt(offset), k, true);
    const std::vector<Colour> next = ColumnSamples(s, Wrap(s, s.x + offset + 1), reachedAt(offset + 1), k, true);
    const double weight = double((position & 0xFFFF) >> 14) / 4.0;
    std::vector<Colour> out;
    for (const Colour& a : current)
        for (const Colour& b : next) out.push_back(Mix(a, b, weight));
    return out;
}

// The largest channel difference of `pixel` from the nearest of the candidates.
inline double Distance(uint16_t pixel, const std::vector<Colour>& candidates) {
    const Colour c = Channels(pixel);
    double best = 1e9;
    for (const Colour& e : candidates)
        best = std::min(best, std::max({std::fabs(c.r - e.r), std::fabs(c.g - e.g), std::fabs(c.b - e.b)}));
    return best;
}

}  // namespace panorama_reference
