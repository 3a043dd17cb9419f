// The lobby's view of its panorama: a 15-bit top-down bitmap that receives, for a view of
// a given size, zoom and position, the part of the panorama bitmap warped as seen from
// inside a cylinder (see PanoramaWarp). Setup when the view changes, then one of the two
// renders for each frame: the nearest-sample one while panning, the smooth one at rest.
#pragma once
#include <windows.h>

#include <cstdint>

#include "Bitmap.h"
#include "PanoramaWarp.h"

class PanoramaImage : public Bitmap {
public:
    // `width` and `height` describe the panorama as seen (for one stored rotated, the
    // stored bitmap's height and width); `angle` in radians is spanned by its full width.
    PanoramaImage(int32_t width, int32_t height, int32_t horizon, bool rotated, double angle);
    PanoramaImage(const PanoramaImage&) = delete;
    PanoramaImage& operator=(const PanoramaImage&) = delete;

    // Prepares a view of w x h pixels and returns the part of the panorama (in the stored
    // bitmap's coordinates, as x and y are) that the next render reads. The image's
    // pixels are made anew, w x (h + 1), the first time and whenever the view grows.
    RECT Setup(int32_t w, int32_t h, double zoom, int32_t x, int32_t y);
    // This image, drawn from `panorama`; null, drawing nothing, before a Setup or when the
    // panorama is not a 15-bit bitmap of the size given at construction.
    PanoramaImage* Render(const Bitmap& panorama, int32_t x, int32_t y);
    PanoramaImage* RenderSmooth(const Bitmap& panorama, int32_t x, int32_t y);

    const PanoramaWarp& Warp() const { return warp_; }

private:
    PanoramaWarp warp_;
};
