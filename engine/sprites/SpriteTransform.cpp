#include "SpriteTransform.h"

#include <cmath>
#include <utility>

namespace quor {

namespace {

inline void Put(const PictureView& pic, uint16_t* out, int32_t col, int32_t row) {
    uint16_t p = pic.pixels[size_t(row) * size_t(pic.rowPixels) + size_t(col)];
    if (pic.keyed && p == pic.key) return;
    *out = (pic.xlate && p < pic.xlateCount) ? pic.xlate[p] : p;
}

// Floor of a value within the 32-bit range, and a value as 16.16 fixed point, without the
// 64-bit conversions that 32-bit targets make through slow library calls.
inline int32_t IFloor(double x) {
    const int32_t i = int32_t(x);
    return double(i) > x ? i - 1 : i;
}
inline int64_t ToFixed(double x) {
    const int32_t i = IFloor(x);
    return int64_t(i) * 65536 + int32_t((x - i) * 65536.0);
}

// Narrows [lo, hi) towards the steps i for which start + i * step lies in [0, limit): an
// estimate from the reciprocal of the step, one step wider each way. The caller settles the
// ends exactly.
inline void Estimate(int64_t start, int32_t step, double reciprocal, int64_t limit, int32_t& lo, int32_t& hi) {
    if (step == 0) {
        if (start < 0 || start >= limit) hi = lo;
        return;
    }
    double t0 = -double(start) * reciprocal, t1 = double(limit - start) * reciprocal;
    if (t0 > t1) std::swap(t0, t1);
    const int32_t a = t0 <= lo ? lo : t0 >= hi ? hi : IFloor(t0);
    const int32_t b = t1 <= lo ? lo : t1 >= hi ? hi : IFloor(t1) + 2;
    if (a > lo) lo = a;
    if (b < hi) hi = b;
}

template <bool Keyed, bool Xlate>
void AffineRow(const PictureView& pic, uint16_t* out, int32_t count, uint32_t u, uint32_t v, uint32_t du,
               uint32_t dv) {
    // Every step lies inside the picture: the span was narrowed to it.
    const uint16_t* src = pic.pixels;
    const uint32_t stride = uint32_t(pic.rowPixels);
    const uint16_t key = pic.key;
    const uint16_t* xlate = pic.xlate;
    const uint32_t xlateCount = pic.xlateCount;
    for (uint16_t* const end = out + count; out != end; ++out, u += du, v += dv) {
        const uint16_t p = src[(v >> 16) * stride + (u >> 16)];
        const uint16_t shown = Xlate ? (p < xlateCount ? xlate[p] : p) : p;
        // Without a branch: transparent pixels are scattered through most pictures.
        if (Keyed) *out = p == key ? *out : shown;
        else *out = shown;
    }
}

}  // namespace

namespace {
void Multiply3(const double a[9], const double b[9], double out[9]) {
    for (int r = 0; r < 3; ++r)
        for (int c = 0; c < 3; ++c)
            out[r * 3 + c] = a[r * 3] * b[c] + a[r * 3 + 1] * b[3 + c] + a[r * 3 + 2] * b[6 + c];
}

bool Invert3(const double m[9], double out[9]) {
    double c00 = m[4] * m[8] - m[5] * m[7];
    double c01 = m[5] * m[6] - m[3] * m[8];
    double c02 = m[3] * m[7] - m[4] * m[6];
    double det = m[0] * c00 + m[1] * c01 + m[2] * c02;
    if (!std::isfinite(det) || std::fabs(det) < 1e-12) return false;
    double k = 1.0 / det;
    out[0] = c00 * k;
    out[1] = (m[2] * m[7] - m[1] * m[8]) * k;
    out[2] = (m[1] * m[5] - m[2] * m[4]) * k;
    out[3] = c01 * k;
    out[4] = (m[0] * m[8] - m[2] * m[6]) * k;
    out[5] = (m[2] * m[3] - m[0] * m[5]) * k;
    out[6] = c02 * k;
    out[7] = (m[1] * m[6] - m[0] * m[7]) * k;
    out[8] = (m[0] * m[4] - m[1] * m[3]) * k;
    return true;
}

}  // namespace

Affine MakeAffine(const double matrix[4]) {
    Affine t;
    for (int i = 0; i < 4; ++i) t.m[i] = matrix[i];
    double a = matrix[0], b = matrix[1], c = matrix[2], d = matrix[3];
    double det = a * d - b * c;
    if (!(std::fabs(det) >= kSingularLimit) || !std::isfinite(det)) {
        t.singular = true;
        return t;
    }
    t.inv[0] = d / det;
    t.inv[1] = -b / det;
    t.inv[2] = -c / det;
    t.inv[3] = a / det;
    return t;
}

Corners AffineCorners(const Affine& t, int32_t frameX, int32_t frameY, int32_t width, int32_t height) {
    const double u[4] = {double(frameX), double(frameX) + width, double(frameX) + width, double(frameX)};
    const double v[4] = {double(frameY), double(frameY), double(frameY) + height, double(frameY) + height};
    Point2 raw[4];
    for (int i = 0; i < 4; ++i)
        raw[i] = {t.m[0] * u[i] + t.m[2] * v[i], t.m[1] * u[i] + t.m[3] * v[i]};
    int top = 0;
    for (int i = 1; i < 4; ++i)
        if (raw[i].y < raw[top].y) top = i;
    int step = raw[(top + 1) % 4].y > raw[(top + 3) % 4].y ? 1 : 3;
    Corners c;
    for (int i = 0; i < 4; ++i) c.p[i] = raw[(top + i * step) % 4];
    return c;
}

Rect32 CornerBounds(const Corners& c, int32_t x, int32_t y) {
    double l = c.p[0].x, r = l, t = c.p[0].y, b = t;
    for (int i = 1; i < 4; ++i) {
        l = std::fmin(l, c.p[i].x);
        r = std::fmax(r, c.p[i].x);
        t = std::fmin(t, c.p[i].y);
        b = std::fmax(b, c.p[i].y);
    }
    const double limit = 1e9;
    if (!(std::fabs(l) < limit && std::fabs(r) < limit && std::fabs(t) < limit && std::fabs(b) < limit))
        return {0, 0, 0, 0};
    return {int32_t(std::floor(l)) - 1 + x, int32_t(std::floor(t)) - 1 + y, int32_t(std::floor(r)) + 2 + x,
            int32_t(std::floor(b)) + 2 + y};
}

void DrawAffine(const PictureView& pic, const Affine& t, int32_t x, int32_t y, const Rect32& region,
                const PixelTarget& dst) {
    if (t.singular || IsEmpty(region) || pic.width <= 0 || pic.height <= 0 || !pic.pixels) return;
    const double ia = t.inv[0], ib = t.inv[1], ic = t.inv[2], id = t.inv[3];
    // Picture coordinates move by (ia, ib) per pixel to the right and (ic, id) per row down.
    // Steps beyond 32767 picture pixels per destination pixel would not fit 16.16; such a
    // picture shrinks to next to nothing and is not drawn.
    if (!(std::fabs(ia) < 32767 && std::fabs(ib) < 32767)) return;
    const int32_t du = int32_t(std::lround(ia * 65536.0));
    const int32_t dv = int32_t(std::lround(ib * 65536.0));
    const double rdu = du ? 1.0 / du : 0.0, rdv = dv ? 1.0 / dv : 0.0;
    const int64_t width = int64_t(pic.width) << 16, height = int64_t(pic.height) << 16;
    const double limit = 1e9;
    for (int32_t row = region.top; row < region.bottom; ++row) {
        const double ry = row + 0.5 - y;
        const double rx = region.left + 0.5 - x;
        const double u0 = ia * rx + ic * ry - pic.frameX;
        const double v0 = ib * rx + id * ry - pic.frameY;
        if (!(std::fabs(u0) < limit && std::fabs(v0) < limit)) continue;
        const int64_t U = ToFixed(u0);
        const int64_t V = ToFixed(v0);
        int32_t lo = 0, hi = region.right - region.left;
        Estimate(U, du, rdu, width, lo, hi);
        Estimate(V, dv, rdv, height, lo, hi);
        auto inside = [&](int32_t i) {
            const int64_t pu = U + int64_t(i) * du, pv = V + int64_t(i) * dv;
            return pu >= 0 && pu < width && pv >= 0 && pv < height;
        };
        while (lo < hi && !inside(lo)) ++lo;
        while (hi > lo && !inside(hi - 1)) --hi;
        if (hi <= lo) continue;
        const uint32_t u = uint32_t(U + int64_t(lo) * du);
        const uint32_t v = uint32_t(V + int64_t(lo) * dv);
        uint16_t* out = dst.pixels + size_t(row - dst.originY) * size_t(dst.rowPixels) +
                        (region.left + lo - dst.originX);
        const int32_t count = hi - lo;
        if (pic.xlate) {
            if (pic.keyed) AffineRow<true, true>(pic, out, count, u, v, uint32_t(du), uint32_t(dv));
            else AffineRow<false, true>(pic, out, count, u, v, uint32_t(du), uint32_t(dv));
        } else {
            if (pic.keyed) AffineRow<true, false>(pic, out, count, u, v, uint32_t(du), uint32_t(dv));
            else AffineRow<false, false>(pic, out, count, u, v, uint32_t(du), uint32_t(dv));
        }
    }
}

void RotationColumns(const double q[4], double c1[3], double c2[3]) {
    const double w = q[0], x = q[1], y = q[2], z = q[3];
    c1[0] = w * w + x * x - y * y - z * z;
    c1[1] = 2 * (x * y + w * z);
    c1[2] = 2 * (x * z - w * y);
    c2[0] = 2 * (x * y - w * z);
    c2[1] = w * w - x * x + y * y - z * z;
    c2[2] = 2 * (y * z + w * x);
}

Projection MakeProjection(const double rotation[4], const double position[3], double focal,
                          double centreX, double centreY, int32_t x, int32_t y) {
    Projection p;
    double c1[3], c2[3];
    RotationColumns(rotation, c1, c2);
    const double w = rotation[0], qx = rotation[1], qy = rotation[2], qz = rotation[3];
    p.facing = w * w + qx * qx + qy * qy < qz * qz;
    const double ax = x - centreX + position[0], ay = y - centreY + position[1];
    // (u, v, 1) -> (X, Y, W) with world = centre + (X / W, Y / W).
    const double h[9] = {focal * c1[0], focal * c2[0], focal * ax,
                         focal * c1[1], focal * c2[1], focal * ay,
                         c1[2],         c2[2],         focal + position[2]};
    const double toCentre[9] = {1, 0, -centreX, 0, 1, -centreY, 0, 0, 1};
    const double fromCentre[9] = {1, 0, centreX, 0, 1, centreY, 0, 0, 1};
    Multiply3(fromCentre, h, p.forward);
    double hinv[9];
    if (!Invert3(h, hinv)) return p;
    Multiply3(hinv, toCentre, p.inverse);
    p.valid = true;
    return p;
}

Rect32 ProjectedBounds(const Projection& p, int32_t frameX, int32_t frameY, int32_t width,
                       int32_t height) {
    if (!p.valid || width <= 0 || height <= 0) return {0, 0, 0, 0};
    const double u[4] = {double(frameX), double(frameX) + width, double(frameX) + width, double(frameX)};
    const double v[4] = {double(frameY), double(frameY), double(frameY) + height, double(frameY) + height};
    double l = 0, r = 0, t = 0, b = 0;
    for (int i = 0; i < 4; ++i) {
        const double* f = p.forward;
        double W = f[6] * u[i] + f[7] * v[i] + f[8];
        if (!(W > 1e-9)) return {0, 0, 0, 0};
        double X = (f[0] * u[i] + f[1] * v[i] + f[2]) / W;
        double Y = (f[3] * u[i] + f[4] * v[i] + f[5]) / W;
        if (!(std::fabs(X) < 1e9 && std::fabs(Y) < 1e9)) return {0, 0, 0, 0};
        double rx = std::floor(X + 0.5), ry = std::floor(Y + 0.5);
        if (i == 0 || rx < l) l = rx;
        if (i == 0 || rx > r) r = rx;
        if (i == 0 || ry < t) t = ry;
        if (i == 0 || ry > b) b = ry;
    }
    return {int32_t(l) - 1, int32_t(t) - 1, int32_t(r) + 2, int32_t(b) + 2};
}

void DrawProjective(const PictureView& pic, const Projection& p, const Rect32& region,
                    const PixelTarget& dst) {
    if (!p.valid || IsEmpty(region) || pic.width <= 0 || pic.height <= 0 || !pic.pixels) return;
    const double* m = p.inverse;
    for (int32_t row = region.top; row < region.bottom; ++row) {
        const double qy = row + 0.5, qx = region.left + 0.5;
        double X = m[0] * qx + m[1] * qy + m[2];
        double Y = m[3] * qx + m[4] * qy + m[5];
        double W = m[6] * qx + m[7] * qy + m[8];
        uint16_t* out = dst.pixels + size_t(row - dst.originY) * size_t(dst.rowPixels) +
                        (region.left - dst.originX);
        for (int32_t col = region.left; col < region.right; ++col, ++out, X += m[0], Y += m[3], W += m[6]) {
            if (!(W > 1e-12)) continue;
            const double k = 1.0 / W;
            const double u = X * k - pic.frameX, v = Y * k - pic.frameY;
            if (!(u >= 0 && v >= 0 && u < pic.width && v < pic.height)) continue;
            Put(pic, out, int32_t(u), int32_t(v));
        }
    }
}

}  // namespace quor
