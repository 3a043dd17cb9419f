// Every overlay path this processor runs gives the plain loop's pixels, over row lengths
// on both sides of the vector width, keys scattered, in runs, everywhere and nowhere, and
// never writes a pixel beyond its rows.
#include <gtest/gtest.h>

#include <random>
#include <vector>

#include "OverlayRows.h"

namespace {

using blit16::OverlayPath;

const uint16_t kKey = 0x1234;
const uint16_t kGuard = 0xBEEF;

// A source row of `n` pixels where pixel i is the key as `pattern` says.
std::vector<uint16_t> SourceRow(int32_t n, int pattern, std::mt19937& random) {
    std::vector<uint16_t> row(static_cast<size_t>(n));
    for (int32_t i = 0; i < n; ++i) {
        bool key = false;
        switch (pattern) {
        case 0: key = false; break;                     // opaque
        case 1: key = true; break;                      // transparent
        case 2: key = random() % 11 == 0; break;        // a few holes
        case 3: key = (i / 7) % 2 == 0; break;          // runs
        default: key = random() % 2 == 0; break;        // half and half
        }
        row[size_t(i)] = key ? kKey : uint16_t(random() & 0x7FFF);
    }
    return row;
}

// `rows` rows of `n` pixels overlaid by one path into a destination whose rows are longer
// than `n` and lie between guard pixels.
std::vector<uint16_t> Overlaid(OverlayPath path, const std::vector<uint16_t>& src, int32_t rows, int32_t n,
                               int32_t dstStep, const std::vector<uint16_t>& start) {
    std::vector<uint16_t> dst = start;
    blit16::OverlayRowsBy(path, dst.data() + 16, dstStep, src.data(), n, rows, n, kKey);
    return dst;
}

}  // namespace

TEST(OverlayRows, EveryPathOfThisProcessorMatchesThePlainLoop) {
    std::mt19937 random(5);
    int checked = 0;
    for (OverlayPath path : {OverlayPath::Avx2, OverlayPath::Masked}) {
        if (!blit16::HasOverlayPath(path)) continue;
        for (int32_t n = 1; n <= 70; ++n)
            for (int pattern = 0; pattern < 5; ++pattern) {
                const int32_t rows = 1 + int32_t(random() % 3), dstStep = n + int32_t(random() % 5);
                std::vector<uint16_t> src;
                for (int32_t j = 0; j < rows; ++j) {
                    const std::vector<uint16_t> row = SourceRow(n, pattern, random);
                    src.insert(src.end(), row.begin(), row.end());
                }
                std::vector<uint16_t> start(size_t(16 + dstStep * rows + 16), kGuard);
                for (size_t i = 16; i + 16 < start.size(); ++i) start[i] = uint16_t(random() & 0x7FFF);
                const std::vector<uint16_t> want = Overlaid(OverlayPath::Plain, src, rows, n, dstStep, start);
                ASSERT_EQ(Overlaid(path, src, rows, n, dstStep, start), want)
                    << "path " << int(path) << ", " << rows << " rows of " << n << ", pattern " << pattern;
                ++checked;
            }
    }
    if (checked == 0) GTEST_SKIP() << "this processor runs only the plain loop";
}

TEST(OverlayRows, OverlappingBlocksTakeThePlainLoop) {
    // The source is the destination shifted by three pixels: the plain loop's order decides.
    std::vector<uint16_t> pixels(64), plain(64);
    for (size_t i = 0; i < pixels.size(); ++i) pixels[i] = uint16_t(i % 5 == 0 ? kKey : i);
    plain = pixels;
    blit16::OverlayRows(pixels.data() + 3, 0, pixels.data(), 0, 1, 40, kKey);
    blit16::OverlayRowsBy(OverlayPath::Plain, plain.data() + 3, 0, plain.data(), 0, 1, 40, kKey);
    EXPECT_EQ(pixels, plain);
}
