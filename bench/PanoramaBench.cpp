// One full render of the lobby's panorama view (794 x 556) by each render, from a
// 4000 x 600 panorama stored rotated (as the lobby keeps it) and as it is, beside a
// memcpy of the view's bytes measured in turns with it. Run by hand:
//   wine build/bin/panorama_bench.exe
#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <random>
#include <vector>

#include "BenchClock.h"
#include "PanoramaImage.h"

namespace {

const int32_t kViewWidth = 794, kViewHeight = 556;
const int32_t kWidth = 4000, kHeight = 600, kHorizon = 150;
const double kAngle = 0.6 * 6.283185307179586;

void Paint(Bitmap& b, bool rotated) {
    b.Create(rotated ? kHeight : kWidth, rotated ? kWidth : kHeight, 15, true);
    std::mt19937 random(5);
    const PixelView v = b.View();
    for (int32_t y = 0; y < v.height; ++y) {
        uint16_t* row = reinterpret_cast<uint16_t*>(v.Row(y));
        for (int32_t x = 0; x < v.width; ++x) row[x] = uint16_t(random() & 0x7FFF);
    }
}

double Median(std::vector<double> v) {
    std::sort(v.begin(), v.end());
    return v[v.size() / 2];
}

// Short rounds of the render and the copy taken in turns, so that a busy moment of the
// machine weighs on both; the medians are printed with their ratio.
template <class Work>
void Measure(const char* name, Work render, const PanoramaImage& image) {
    std::vector<uint8_t> copy(size_t(image.RowBytes()) * kViewHeight);
    std::vector<double> renders, copies;
    for (int i = 0; i < 15; ++i) {
        renders.push_back(SecondsPerCall(render, 0.1));
        copies.push_back(SecondsPerCall([&] { std::memcpy(copy.data(), image.Pixels(), copy.size()); }, 0.1));
    }
    const double r = Median(renders), c = Median(copies);
    std::printf("%-34s %8.1f us   memcpy %6.1f us   ratio %5.1f\n", name, r * 1e6, c * 1e6, r / c);
}

}  // namespace

int main() {
    Bitmap plain, turned;
    Paint(plain, false);
    Paint(turned, true);
    std::printf("view %d x %d (%u bytes) from a panorama of %d x %d\n", kViewWidth, kViewHeight,
                unsigned(kViewHeight) * ((kViewWidth * 2 + 3) & ~3u), kWidth, kHeight);
    for (bool rotated : {true, false}) {
        const Bitmap& panorama = rotated ? turned : plain;
        PanoramaImage image(kWidth, kHeight, kHorizon, rotated, kAngle);
        // Views across the seam, as the lobby shows them past its last room.
        const int32_t x = 3800, y = 0;
        for (double zoom : {1.0, 1.25}) {
            image.Setup(kViewWidth, kViewHeight, zoom, rotated ? y : x, rotated ? x : y);
            char name[64];
            std::snprintf(name, sizeof name, "%s nearest, zoom %.2f", rotated ? "rotated" : "plain  ", zoom);
            Measure(name, [&] { image.Render(panorama, rotated ? y : x, rotated ? x : y); }, image);
            std::snprintf(name, sizeof name, "%s smooth,  zoom %.2f", rotated ? "rotated" : "plain  ", zoom);
            Measure(name, [&] { image.RenderSmooth(panorama, rotated ? y : x, rotated ? x : y); }, image);
        }
    }
    return 0;
}
