// The machine bodies of the three styles, one per reel and pay-line layout: a cabinet in
// the style's colours with the award-card panel above the reel window, the sockets of
// the coin lights, the meters, the coin acceptor, the arm's housing and the button panel,
// where the style tables place them.
#include <cstdio>
#include <string>
#include <vector>

#include "Canvas.h"
#include "ClipArt.h"
#include "StyleTables.h"

namespace content {

namespace {

const int kBodySize = 720;

struct StyleLook {
    COLORREF top, bottom, trim, panel, text;
};

const StyleLook kLooks[] = {
    {RGB(160, 24, 36), RGB(70, 8, 16), RGB(205, 205, 215), RGB(40, 8, 12), RGB(250, 235, 200)},
    {RGB(245, 205, 95), RGB(140, 100, 25), RGB(255, 245, 190), RGB(70, 50, 10), RGB(90, 50, 0)},
    {RGB(110, 200, 240), RGB(240, 220, 160), RGB(20, 120, 150), RGB(10, 60, 80), RGB(255, 255, 255)},
};

// The reel windows the layout's Art text places ("ReelPosition n = x , y , w x h").
std::vector<RECT> ReelWindows(const std::string& art) {
    std::vector<RECT> reels;
    for (std::string::size_type at = art.find("ReelPosition"); at != std::string::npos;
         at = art.find("ReelPosition", at + 1)) {
        int n = 0, x = 0, y = 0, w = 0, h = 0;
        if (std::sscanf(art.c_str() + at, "ReelPosition %d = %d , %d , %d x %d", &n, &x, &y, &w, &h) == 5)
            reels.push_back(RECT{x, y, x + w, y + h});
    }
    return reels;
}

void Cabinet(Canvas& c, const StyleLook& look, int style) {
    c.Gradient(RECT{0, 0, kBodySize, kBodySize}, look.top, look.bottom);
    if (style == 2) {  // the beach: sea, sun and sand behind the cabinet's frame
        c.Gradient(RECT{0, 400, kBodySize, 470}, RGB(30, 130, 190), RGB(60, 170, 200));
        c.Ellipse(RECT{600, 8, 690, 98}, RGB(255, 220, 80), RGB(255, 180, 40), 3);
        for (int x = 0; x < kBodySize; x += 60) c.Line(POINT{x, 430}, POINT{x + 30, 424}, RGB(230, 250, 255), 2);
    }
    for (const RECT& edge : {RECT{0, 0, kBodySize, 8}, RECT{0, kBodySize - 8, kBodySize, kBodySize},
                             RECT{0, 0, 8, kBodySize}, RECT{kBodySize - 8, 0, kBodySize, kBodySize}})
        c.Fill(edge, look.trim);
    c.RoundBox(RECT{28, 28, 492, 382}, 16, look.panel, look.trim, 4);  // the award card's panel
}

void ReelWindow(Canvas& c, const StyleLook& look, const std::vector<RECT>& reels, int lines) {
    if (reels.empty()) return;
    const RECT window{reels.front().left - 12, reels.front().top - 10, reels.back().right + 12,
                      reels.front().bottom + 10};
    c.RoundBox(window, 12, RGB(16, 16, 20), look.trim, 4);
    const int middle = (window.top + window.bottom) / 2, step = (window.bottom - window.top) / 3;
    const int rows[3] = {middle, middle - step, middle + step};
    for (int i = 0; i < (lines < 3 ? 1 : 3); ++i) {  // line markers either side of the reels
        const POINT left[3] = {{window.left - 14, rows[i] - 7}, {window.left - 2, rows[i]}, {window.left - 14, rows[i] + 7}};
        const POINT right[3] = {{window.right + 14, rows[i] - 7}, {window.right + 2, rows[i]}, {window.right + 14, rows[i] + 7}};
        c.Polygon(left, 3, RGB(230, 40, 30), RGB(90, 0, 0));
        c.Polygon(right, 3, RGB(230, 40, 30), RGB(90, 0, 0));
    }
}

void CoinLightSockets(Canvas& c, const BodyLayout& layout) {
    for (const CoinLight& light : layout.coinLights)
        c.Ellipse(RECT{light.left - 3, light.top - 3, light.right + 3, light.bottom + 3}, RGB(25, 25, 25),
                  RGB(120, 120, 120), 2);
}

void Meters(Canvas& c, const StyleLook& look) {
    c.RoundBox(RECT{108, 640, 462, 700}, 10, look.panel, look.trim, 3);
    const char* const labels[3] = {"CREDIT", "BET", "WINNER PAID"};
    const RECT windows[3] = {{122, 650, 242, 674}, {262, 650, 310, 674}, {330, 650, 450, 674}};
    for (int i = 0; i < 3; ++i) {
        c.Fill(windows[i], RGB(20, 0, 0));
        c.Text(labels[i], RECT{windows[i].left - 10, 676, windows[i].right + 10, 696}, FontSpec{"Arial", 13, FW_BOLD},
               RGB(255, 255, 255));
    }
}

void CoinAcceptor(Canvas& c, const StyleLook& look) {
    c.RoundBox(RECT{532, 430, 648, 600}, 12, RGB(190, 190, 200), RGB(60, 60, 70), 3);
    c.RoundBox(RECT{562, 444, 582, 494}, 6, RGB(10, 10, 10), RGB(90, 90, 90), 2);   // the coin slot
    c.Fill(RECT{545, 524, 625, 548}, RGB(20, 0, 0));                                  // the denomination
    c.RoundBox(RECT{542, 568, 638, 590}, 6, RGB(30, 30, 30), RGB(90, 90, 90), 2);   // the bill slot
    c.Text("BILLS", RECT{542, 552, 638, 568}, FontSpec{"Arial", 12, FW_BOLD}, look.panel);
}

void ArmAndButtons(Canvas& c, const StyleLook& look) {
    c.RoundBox(RECT{500, 180, 566, 430}, 14, look.panel, look.trim, 3);  // the arm's housing
    c.RoundBox(RECT{598, 96, 714, 392}, 14, look.panel, look.trim, 3);   // the buttons' panel
}

// The marquee names the maker, not the style.
void Marquee(Canvas& c, const StyleLook& look) {
    c.ShadowText("VELLMOOR", RECT{480, 610, 714, 700}, FontSpec{"Times New Roman", 26, FW_BOLD, true},
                 look.text, RGB(0, 0, 0));
}

void Body(const std::string& folder, int style, const MachineBody& body, int layout) {
    const StyleLook& look = kLooks[style];
    const BodyLayout& l = body.layouts[layout];
    Canvas c(kBodySize, kBodySize);
    Cabinet(c, look, style);
    const int lines = layout == 0 || layout == 3 ? 1 : layout == 2 ? 5 : 3;
    ReelWindow(c, look, ReelWindows(l.artText), lines);
    CoinLightSockets(c, l);
    Meters(c, look);
    CoinAcceptor(c, look);
    ArmAndButtons(c, look);
    Marquee(c, look);
    SaveClipArt(c, folder, l.bitmap.file, 15);  // half the size of a 24-bit picture
}

}  // namespace

void MakeMachineBodies(const std::string& folder) {
    const std::vector<MachineBody>& bodies = GetMachineBodies();
    for (std::size_t style = 0; style < bodies.size(); ++style)
        for (int layout = 0; layout < kBodyLayouts; ++layout) Body(folder, int(style), bodies[style], layout);
}

}  // namespace content
