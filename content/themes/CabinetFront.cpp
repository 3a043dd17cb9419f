#include "CabinetFront.h"

#include <string>

#include "CabinetParts.h"

namespace content {

namespace {

const COLORREF kOpening = RGB(8, 8, 8);
const COLORREF kRim = RGB(150, 150, 160);
const FontSpec kLabelFont{"Arial", 12, FW_BOLD};

// A plate with a one-pixel edge, drawn with rectangles only.
void Plate(Canvas& c, const RECT& r, COLORREF face, COLORREF edge) {
    c.Fill(r, edge);
    c.Fill(RECT{r.left + 2, r.top + 2, r.right - 2, r.bottom - 2}, face);
}

// The slot a bill goes into, under its label.
void BillAcceptor(Canvas& c, const FrontLook& look) {
    const RECT& r = kBillSlotRegion;
    Plate(c, r, look.panel, look.trim);
    c.Text("BILLS", RECT{r.left, r.top + 2, r.right, r.top + 16}, kLabelFont, ReadableOn(look.trim, look.panel));
    c.Fill(RECT{r.left + 6, r.top + 18, r.right - 6, r.bottom - 6}, kRim);
    c.Fill(RECT{r.left + 8, r.top + 22, r.right - 8, r.bottom - 10}, kOpening);
}

// The upright slot a coin drops into, with an arrow pointing at it.
void CoinSlot(Canvas& c, const FrontLook& look) {
    const RECT& r = kCoinSlotRegion;
    Plate(c, r, look.panel, look.trim);
    c.Fill(RECT{r.left + 10, r.top + 4, r.left + 22, r.bottom - 4}, kRim);
    c.Fill(RECT{r.left + 14, r.top + 7, r.left + 18, r.bottom - 7}, kOpening);
    const POINT arrow[3] = {{r.left + 34, r.top + 14}, {r.left + 26, r.top + 20}, {r.left + 34, r.top + 26}};
    c.Polygon(arrow, 3, look.trim, look.trim);
    c.Text("COINS", RECT{r.left + 34, r.top, r.right - 2, r.bottom}, kLabelFont, ReadableOn(look.trim, look.panel));
}

}  // namespace

void DrawMeterLabels(Canvas& c, COLORREF ink) {
    const FontSpec small{"Arial", 13, FW_BOLD};
    c.Text("BET", RECT{60, 24, 132, 40}, small, ink);
    c.Text("CREDIT", RECT{160, 24, 304, 40}, small, ink);
    c.Text("WINNER PAID", RECT{332, 24, 476, 40}, small, ink);
}

void DrawCoinAcceptor(Canvas& c, const FrontLook& look) {
    BillAcceptor(c, look);
    CoinSlot(c, look);
    Plate(c, kDenomPlateRegion, RGB(0, 20, 0), look.trim);  // the plate's pictures lie in it
}

void MakeDenominationPlates(const ContentFolders& to, const std::string& prefix) {
    static const char* const kValues[][2] = {
        {"25c", "25\xA2"}, {"1", "$1"}, {"5", "$5"}, {"25", "$25"}, {"100", "$100"}};
    for (const auto& value : kValues) {
        Canvas c(76, 28, RGB(0, 20, 0));
        c.Text(value[1], RECT{0, 0, 76, 28}, FontSpec{"Courier New", 22, FW_BOLD}, RGB(80, 255, 80));
        SaveMachinePicture(c, to, prefix + "_denom_" + value[0] + ".bmp");
    }
}

}  // namespace content
