// "tarowind.avi" on the CD: four seconds of the company's title card, a gold coin rolling
// in under the name, drawn frame by frame.
#include <cmath>

#include "AviWriter.h"
#include "Canvas.h"
#include "ContentFolders.h"

namespace content {

namespace {

const int32_t kWidth = 320;
const int32_t kHeight = 240;
const uint32_t kFps = 10;
const int kFrameCount = 40;

void DrawFrame(Canvas& c, int frame) {
    const double t = double(frame) / (kFrameCount - 1);
    c.Gradient(RECT{0, 0, kWidth, kHeight}, Blend(RGB(0, 0, 0), RGB(10, 30, 70), t), RGB(0, 0, 0));
    const int x = int(-40 + (kWidth / 2 + 40) * std::min(1.0, t * 1.6));
    c.Ellipse(RECT{x - 28, 40, x + 28, 96}, RGB(240, 190, 50), RGB(130, 80, 0), 2);
    c.Text("$", RECT{x - 28, 40, x + 28, 96}, FontSpec{"Times New Roman", 34, FW_BOLD}, RGB(140, 80, 0));
    const COLORREF title = Blend(RGB(0, 0, 0), RGB(255, 220, 120), std::min(1.0, std::max(0.0, t * 2 - 0.4)));
    c.Text("TARROWIND", RECT{0, 110, kWidth, 160}, FontSpec{"Times New Roman", 42, FW_BOLD}, title);
    const COLORREF line = Blend(RGB(0, 0, 0), RGB(200, 210, 230), std::min(1.0, std::max(0.0, t * 2 - 1.0)));
    c.Text("presents Vellmoor Slots", RECT{0, 168, kWidth, 196}, FontSpec{"Arial", 18, FW_NORMAL, true}, line);
}

}  // namespace

void MakeIntroMovie(const ContentFolders& to) {
    AviWriter movie(kWidth, kHeight, kFps);
    Canvas canvas(kWidth, kHeight);
    std::vector<uint8_t> rows(movie.FrameBytes());
    for (int i = 0; i < kFrameCount; ++i) {
        DrawFrame(canvas, i);
        const Bitmap& b = canvas.Picture();
        for (int32_t y = 0; y < kHeight; ++y) {  // the movie's rows run bottom-up, in BGRX pixels
            const uint8_t* from = b.Pixels() + size_t(y) * b.RowBytes();
            uint8_t* to = &rows[size_t(kHeight - 1 - y) * kWidth * 4];
            for (int32_t x = 0; x < kWidth; ++x, from += 3, to += 4) to[0] = from[0], to[1] = from[1], to[2] = from[2];
        }
        movie.AddFrame(rows.data());
    }
    const std::string path = to.cd + "movies\\tarowind.avi";
    Check(movie.Write(path), path);
}

}  // namespace content
