// The machine bodies of the three styles, one per reel and pay-line layout: a cabinet in
// the style's colours with the award-card panel above the reel window, the sockets of
// the coin lights, the meters, the coin acceptor, the arm's housing and the button panel,
// where the style tables place them.
#include <string>
#include <vector>

#include "BodyParts.h"
#include "Canvas.h"
#include "ClipArt.h"
#include "StyleTables.h"

namespace content {

namespace {

const int kBodySize = kBodyPictureSize;

struct StyleLook {
    COLORREF top, bottom, trim, panel, text;
};

const StyleLook kLooks[] = {
    {RGB(160, 24, 36), RGB(70, 8, 16), RGB(205, 205, 215), RGB(40, 8, 12), RGB(250, 235, 200)},
    {RGB(245, 205, 95), RGB(140, 100, 25), RGB(255, 245, 190), RGB(70, 50, 10), RGB(90, 50, 0)},
    {RGB(110, 200, 240), RGB(240, 220, 160), RGB(20, 120, 150), RGB(10, 60, 80), RGB(255, 255, 255)},
};

RECT Rect(const PartBox& b) { return RECT{b.left, b.top, b.right, b.bottom}; }

void Cabinet(Canvas& c, const StyleLook& look, int style) {
    c.Gradient(RECT{0, 0, kBodySize, kBodySize}, look.top, look.bottom);
    if (style == 2) {  // the beach: sea, sun and sand behind the cabinet's frame
        c.Gradient(RECT{0, 400, kBodySize, 470}, RGB(30, 130, 190), RGB(60, 170, 200));
        c.Ellipse(RECT{600, 8, 690, 98}, RGB(255, 220, 80), RGB(255, 180, 40), 3);
        for (int x = 0; x < kBodySize; x += 60) c.Line(POINT{x, 430}, POINT{x + 30, 424}, RGB(230, 250, 255), 2);
    }
    const int trim = kBodyTrim;
    for (const RECT& edge : {RECT{0, 0, kBodySize, trim}, RECT{0, kBodySize - trim, kBodySize, kBodySize},
                             RECT{0, 0, trim, kBodySize}, RECT{kBodySize - trim, 0, kBodySize, kBodySize}})
        c.Fill(edge, look.trim);
    c.RoundBox(Rect(kAwardPanel), 16, look.panel, look.trim, 4);
}

void ReelWindow(Canvas& c, const StyleLook& look, const BodyLayout& layout, int lines) {
    if (layout.reels.empty()) return;
    const PartBox window = ReelWindowBox(layout.reels);
    c.RoundBox(Rect(window), 12, RGB(16, 16, 20), look.trim, 4);
    const std::vector<PartBox> markers = LineMarkerBoxes(window, lines);
    for (std::size_t i = 0; i + 1 < markers.size(); i += 2) {  // line markers either side of the reels
        const PartBox& l = markers[i];
        const PartBox& r = markers[i + 1];
        const int row = (l.top + l.bottom) / 2;
        const POINT left[3] = {{l.left + 1, l.top}, {l.right - 1, row}, {l.left + 1, l.bottom - 1}};
        const POINT right[3] = {{r.right - 1, r.top}, {r.left + 1, row}, {r.right - 1, r.bottom - 1}};
        c.Polygon(left, 3, RGB(230, 40, 30), RGB(90, 0, 0));
        c.Polygon(right, 3, RGB(230, 40, 30), RGB(90, 0, 0));
    }
}

void CoinLightSockets(Canvas& c, const BodyLayout& layout) {
    for (const CoinLight& light : layout.coinLights)
        c.Ellipse(Rect(CoinLightSocket(light)), RGB(25, 25, 25), RGB(120, 120, 120), 2);
}

void Meters(Canvas& c, const StyleLook& look) {
    c.RoundBox(Rect(kMeterPanel), 10, look.panel, look.trim, 3);
    const char* const labels[3] = {"CREDIT", "BET", "WINNER PAID"};
    const RECT windows[3] = {{122, 650, 242, 674}, {262, 650, 310, 674}, {330, 650, 450, 674}};
    for (int i = 0; i < 3; ++i) {
        c.Fill(windows[i], RGB(20, 0, 0));
        c.Text(labels[i], RECT{windows[i].left - 10, 676, windows[i].right + 10, 696}, FontSpec{"Arial", 13, FW_BOLD},
               RGB(255, 255, 255));
    }
}

void CoinAcceptor(Canvas& c, const StyleLook& look) {
    const int x = kCoinAcceptor.left, y = kCoinAcceptor.top;
    c.RoundBox(Rect(kCoinAcceptor), 12, RGB(190, 190, 200), RGB(60, 60, 70), 3);
    c.RoundBox(RECT{x + 30, y + 14, x + 50, y + 64}, 6, RGB(10, 10, 10), RGB(90, 90, 90), 2);  // the coin slot
    c.Fill(RECT{x + 13, y + 94, x + 93, y + 118}, RGB(20, 0, 0));                               // the denomination
    c.RoundBox(RECT{x + 10, y + 138, x + 106, y + 160}, 6, RGB(30, 30, 30), RGB(90, 90, 90), 2);  // the bill slot
    c.Text("BILLS", RECT{x + 10, y + 122, x + 106, y + 138}, FontSpec{"Arial", 12, FW_BOLD}, look.panel);
}

void ArmAndButtons(Canvas& c, const StyleLook& look) {
    c.RoundBox(Rect(kArmHousing), 14, look.panel, look.trim, 3);
    c.RoundBox(Rect(kButtonPanel), 14, look.panel, look.trim, 3);
}

// The marquee names the maker, not the style.
void Marquee(Canvas& c, const StyleLook& look) {
    c.ShadowText("VELLMOOR", Rect(kMarquee), FontSpec{"Times New Roman", 26, FW_BOLD, true},
                 look.text, RGB(0, 0, 0));
}

void Body(const std::string& folder, int style, const MachineBody& body, int layout) {
    const StyleLook& look = kLooks[style];
    const BodyLayout& l = body.layouts[layout];
    Canvas c(kBodySize, kBodySize);
    Cabinet(c, look, style);
    const int lines = layout == 0 || layout == 3 ? 1 : layout == 2 ? 5 : 3;
    ReelWindow(c, look, l, lines);
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
