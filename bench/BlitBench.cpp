// Pixels per second of the blitter's plain copy and keyed overlay of 16-bit pictures and of
// the 16-to-32-bit window conversion, each beside a plain memcpy of the same 16-bit bytes
// measured in the same run (the overlay also with rows that are no multiple of the vector
// width). Prints one line per operation and the ratio to memcpy.
#include <windows.h>

#include "BenchClock.h"

#include <cstdio>
#include <cstring>
#include <random>
#include <vector>

#include "BlitKernels.h"
#include "PixelConversion.h"

namespace {

const int kWidth = 640, kHeight = 480;

// Pixels per second of `work`, which handles one whole picture.
template <class Work>
double PixelsPerSecond(Work work) {
    return double(kWidth) * kHeight / SecondsPerCall(work);
}

volatile uint32_t g_sink;

}  // namespace

int main() {
    std::mt19937 rng(1);
    std::vector<uint16_t> src(size_t(kWidth) * kHeight), dst(src.size());
    std::vector<uint32_t> wide(src.size());
    const uint16_t key = 0x7C1F;
    // Sprite-like picture: about a third of the pixels are the key.
    for (uint16_t& p : src) p = rng() % 3 == 0 ? key : uint16_t(rng() & 0x7FFF);

    blit16::BlitJob job;
    job.src = src.data();
    job.srcRowPixels = kWidth;
    job.srcRows = kHeight;
    job.width = job.dstWidth = kWidth;
    job.height = job.dstHeight = kHeight;
    job.dst = dst.data();
    job.dstRowPixels = kWidth;

    quor::PixelPlane from{src.data(), kWidth, -kHeight, 16, kWidth * 2};
    quor::PixelPlane to{wide.data(), kWidth, -kHeight, 32, kWidth * 4};

    const double memcpyRate = PixelsPerSecond([&] {
        std::memcpy(dst.data(), src.data(), src.size() * 2);
        g_sink = dst[size_t(rng() % dst.size())];
    });
    std::vector<uint32_t> wideCopy(wide.size());
    const double memcpyWideRate = PixelsPerSecond([&] {
        std::memcpy(wideCopy.data(), wide.data(), wide.size() * 4);
        g_sink = wideCopy[size_t(rng() % wideCopy.size())];
    });
    const double copyRate = PixelsPerSecond([&] { blit16::Copy(job, nullptr); });
    const double overlayRate = PixelsPerSecond([&] { blit16::Overlay(job, key, nullptr); });
    // Rows one pixel short of a multiple of the vector width end with an overlapping vector.
    blit16::BlitJob ragged = job;
    ragged.width = ragged.dstWidth = kWidth - 1;
    const double raggedRate = PixelsPerSecond([&] { blit16::Overlay(ragged, key, nullptr); }) * (kWidth - 1) / kWidth;
    const double convertRate = PixelsPerSecond([&] { quor::ConvertRect(from, 0, 0, kWidth, kHeight, to, 0, 0); });

    std::printf("picture %dx%d, 16-bit pixels\n", kWidth, kHeight);
    std::printf("memcpy (same 16-bit bytes)   %8.1f Mpixels/s\n", memcpyRate / 1e6);
    std::printf("memcpy (32-bit bytes)        %8.1f Mpixels/s\n", memcpyWideRate / 1e6);
    std::printf("copy                         %8.1f Mpixels/s  memcpy/this %.2f\n", copyRate / 1e6, memcpyRate / copyRate);
    std::printf("keyed overlay                %8.1f Mpixels/s  memcpy/this %.2f  (goal: within 4)\n",
                overlayRate / 1e6, memcpyRate / overlayRate);
    std::printf("keyed overlay, rows of %d   %8.1f Mpixels/s  memcpy/this %.2f\n", kWidth - 1, raggedRate / 1e6,
                memcpyRate / raggedRate);
    std::printf("16-to-32-bit conversion      %8.1f Mpixels/s  memcpy/this %.2f  (goal: within 3)\n",
                convertRate / 1e6, memcpyRate / convertRate);
    return 0;
}
