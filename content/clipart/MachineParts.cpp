// The parts every body's Art text names (denomination and meter digits, the coin and its
// drop, the coin light, the pay-line marker) and the blank reel symbol.
#include <string>

#include "Canvas.h"
#include "ClipArt.h"

namespace content {

namespace {

// "0" to "9", "$" and "." side by side, as the indicators read digits.
void Digits(const std::string& folder, const std::string& file, int width, COLORREF ink) {
    const char* const glyphs = "0123456789$.";
    Canvas c(12 * width, 24, RGB(20, 0, 0));
    for (int i = 0; i < 12; ++i)
        c.Text(std::string(1, glyphs[i]), RECT{i * width, 0, i * width + width, 24},
               FontSpec{"Courier New", 22, FW_BOLD}, ink);
    SaveClipArt(c, folder, file);
}

void Coins(const std::string& folder) {
    Canvas coin(32, 32, kKeyColour);
    coin.Ellipse(RECT{1, 1, 31, 31}, RGB(240, 195, 60), RGB(120, 80, 0), 2);
    coin.Text("V", RECT{1, 1, 31, 31}, FontSpec{"Times New Roman", 18, FW_BOLD}, RGB(120, 80, 0));
    SaveClipArt(coin, folder, "parts\\coin.bmp");
    Canvas drop(32, 32, kKeyColour);  // the coin on its edge as it falls
    drop.Ellipse(RECT{10, 1, 22, 31}, RGB(240, 195, 60), RGB(120, 80, 0), 2);
    SaveClipArt(drop, folder, "parts\\coindrop.bmp");
}

void Lights(const std::string& folder) {
    Canvas light(48, 24, RGB(25, 25, 25));  // unlit, then lit
    light.Ellipse(RECT{1, 1, 23, 23}, RGB(90, 60, 20), RGB(50, 30, 0), 2);
    light.Ellipse(RECT{25, 1, 47, 23}, RGB(255, 220, 60), RGB(200, 120, 0), 2);
    SaveClipArt(light, folder, "parts\\coinlight.bmp");
    Canvas payline(20, 20, kKeyColour);
    const POINT arrow[3] = {{1, 2}, {19, 10}, {1, 18}};
    payline.Polygon(arrow, 3, RGB(230, 40, 30), RGB(90, 0, 0));
    SaveClipArt(payline, folder, "parts\\payline.bmp");
}

}  // namespace

void MakeMachineParts(const std::string& folder) {
    Digits(folder, "parts\\led.bmp", 16, RGB(255, 60, 40));
    Digits(folder, "parts\\denom.bmp", 12, RGB(80, 255, 80));
    Coins(folder);
    Lights(folder);
    Canvas blank(64, 64, RGB(250, 248, 238));
    SaveClipArt(blank, folder, "BlankSym.bmp");
}

}  // namespace content
