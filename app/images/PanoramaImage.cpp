#include "PanoramaImage.h"

PanoramaImage::PanoramaImage(int32_t width, int32_t height, int32_t horizon, bool rotated, double angle)
    : warp_(width, height, horizon, rotated, angle) {}

RECT PanoramaImage::Setup(int32_t w, int32_t h, double zoom, int32_t x, int32_t y) {
    const bool grows = !warp_.HasTables() || w > warp_.ViewWidth() || h > warp_.ViewHeight();
    const PanoramaRect r = warp_.Setup(w, h, zoom, x, y);
    if (warp_.HasTables() && (grows || !IsValid())) Create(w, h + 1, 15, true);
    return RECT{r.left, r.top, r.right, r.bottom};
}

PanoramaImage* PanoramaImage::Render(const Bitmap& panorama, int32_t x, int32_t y) {
    if (!IsValid()) return nullptr;
    GdiFlush();
    return warp_.Render(panorama.View(), View(), x, y) ? this : nullptr;
}

PanoramaImage* PanoramaImage::RenderSmooth(const Bitmap& panorama, int32_t x, int32_t y) {
    if (!IsValid()) return nullptr;
    GdiFlush();
    return warp_.RenderSmooth(panorama.View(), View(), x, y) ? this : nullptr;
}
