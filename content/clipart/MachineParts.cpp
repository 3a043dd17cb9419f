// The parts every body's Art text names (denomination labels and meter digits, the coin
// and its drop, the coin lights, the pay-line marker) and the blank reel symbol.
#include <string>

#include "Canvas.h"
#include "ClipArt.h"

namespace content {

namespace {

// A meter's pictures, one file per sequence as an indicator shows them: a blank cell, then
// one cell for each digit 0 to 9 ("led_blank.bmp", "led_0.bmp" and so on).
void Digits(const std::string& folder, const std::string& stem, int width, COLORREF ink) {
    const COLORREF cell = RGB(20, 0, 0);
    Canvas blank(width, 24, cell);
    SaveClipArt(blank, folder, stem + "_blank.bmp");
    for (int d = 0; d < 10; ++d) {
        Canvas c(width, 24, cell);
        c.Text(std::to_string(d), RECT{0, 0, width, 24}, FontSpec{"Courier New", 22, FW_BOLD}, ink);
        SaveClipArt(c, folder, stem + "_" + std::to_string(d) + ".bmp");
    }
}

// The denomination window's pictures: blank, then the label of each denomination the
// wizard's machines take, in their order.
void DenominationLabels(const std::string& folder) {
    const char* const labels[] = {"25\xA2", "$1", "$5", "$25", "$100"};
    Canvas blank(80, 24, RGB(0, 20, 0));
    SaveClipArt(blank, folder, "parts\\denom_blank.bmp");
    for (int i = 0; i < 5; ++i) {
        Canvas c(80, 24, RGB(0, 20, 0));
        c.Text(labels[i], RECT{0, 0, 80, 24}, FontSpec{"Courier New", 20, FW_BOLD}, RGB(80, 255, 80));
        SaveClipArt(c, folder, "parts\\denom_" + std::to_string(i) + ".bmp");
    }
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

// Lamps show their first picture when off and their second when on.
void Lights(const std::string& folder) {
    Canvas off(24, 24, RGB(25, 25, 25));
    off.Ellipse(RECT{1, 1, 23, 23}, RGB(90, 60, 20), RGB(50, 30, 0), 2);
    SaveClipArt(off, folder, "parts\\coinlight_off.bmp");
    Canvas on(24, 24, RGB(25, 25, 25));
    on.Ellipse(RECT{1, 1, 23, 23}, RGB(255, 220, 60), RGB(200, 120, 0), 2);
    SaveClipArt(on, folder, "parts\\coinlight_on.bmp");
    Canvas clear(20, 20, kKeyColour);
    SaveClipArt(clear, folder, "parts\\payline_off.bmp");
    Canvas payline(20, 20, kKeyColour);
    const POINT arrow[3] = {{1, 2}, {19, 10}, {1, 18}};
    payline.Polygon(arrow, 3, RGB(230, 40, 30), RGB(90, 0, 0));
    SaveClipArt(payline, folder, "parts\\payline.bmp");
}

}  // namespace

void MakeMachineParts(const std::string& folder) {
    Digits(folder, "parts\\led", 16, RGB(255, 60, 40));
    DenominationLabels(folder);
    Coins(folder);
    Lights(folder);
    Canvas blank(64, 64, RGB(250, 248, 238));
    SaveClipArt(blank, folder, "BlankSym.bmp");
}

}  // namespace content
