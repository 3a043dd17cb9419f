#include "ThemeSymbolArt.h"

#include <cmath>
#include <string>
#include <vector>

#include "DetMath.h"

namespace content {

namespace {

COLORREF Dark(COLORREF c) { return Blend(c, RGB(0, 0, 0), 0.55); }
COLORREF Light(COLORREF c) { return Blend(c, RGB(255, 255, 255), 0.45); }

// A regular star of `points` points around (cx, cy).
void StarShape(Canvas& c, int cx, int cy, int outer, int inner, int points, COLORREF fill) {
    std::vector<POINT> p;
    for (int i = 0; i < 2 * points; ++i) {
        const double a = -1.5707963 + i * 3.14159265 / points;
        const int r = i % 2 ? inner : outer;
        p.push_back(POINT{cx + int(std::lround(r * DetCos(a))), cy + int(std::lround(r * DetSin(a)))});
    }
    c.Polygon(p.data(), int(p.size()), fill, Dark(fill), 2);
}

void Disc(Canvas& c, int s, COLORREF k) {
    c.Ellipse(RECT{s / 8, s / 8, s - s / 8, s - s / 8}, k, Dark(k), 3);
    c.Ellipse(RECT{s / 4, s / 5, s / 2, s * 2 / 5}, Light(k), Light(k));
}

void Diamond(Canvas& c, int s, COLORREF k) {
    const POINT p[6] = {{s / 2, s / 10}, {s * 7 / 8, s * 3 / 8}, {s / 2, s * 9 / 10},
                        {s / 8, s * 3 / 8}, {s * 3 / 10, s / 10}, {s * 7 / 10, s / 10}};
    const POINT outline[5] = {p[4], p[5], p[1], p[2], p[3]};
    c.Polygon(outline, 5, k, Dark(k), 2);
    c.Line(p[3], p[1], Light(k), 2);
}

void Bar(Canvas& c, int s, COLORREF k) {
    c.RoundBox(RECT{s / 12, s / 3, s - s / 12, s * 2 / 3}, 10, k, Dark(k), 3);
}

void Bell(Canvas& c, int s, COLORREF k) {
    const POINT p[7] = {{s / 2, s / 8}, {s * 2 / 3, s / 5}, {s * 3 / 4, s * 3 / 5}, {s * 7 / 8, s * 3 / 4},
                        {s / 8, s * 3 / 4}, {s / 4, s * 3 / 5}, {s / 3, s / 5}};
    c.Polygon(p, 7, k, Dark(k), 2);
    c.Ellipse(RECT{s * 5 / 12, s * 3 / 4 - 4, s * 7 / 12, s * 7 / 8}, Dark(k), Dark(k));
}

void Cherry(Canvas& c, int s, COLORREF k) {
    c.Line(POINT{s / 3, s / 2}, POINT{s * 2 / 3, s / 8}, RGB(40, 120, 30), 3);
    c.Line(POINT{s * 2 / 3, s * 11 / 20}, POINT{s * 2 / 3, s / 8}, RGB(40, 120, 30), 3);
    c.Ellipse(RECT{s / 8, s * 2 / 5, s / 2, s * 4 / 5}, k, Dark(k), 2);
    c.Ellipse(RECT{s / 2 - 4, s / 2, s * 7 / 8, s * 7 / 8}, k, Dark(k), 2);
}

void Peak(Canvas& c, int s, COLORREF k) {
    const POINT p[3] = {{s / 2, s / 10}, {s * 9 / 10, s * 17 / 20}, {s / 10, s * 17 / 20}};
    c.Polygon(p, 3, k, Dark(k), 2);
    const POINT cap[3] = {{s / 2, s / 10}, {s * 3 / 5, s * 3 / 10}, {s * 2 / 5, s * 3 / 10}};
    c.Polygon(cap, 3, Light(k), Light(k));
}

void Box(Canvas& c, int s, COLORREF k) {
    c.RoundBox(RECT{s / 6, s / 5, s - s / 6, s - s / 6}, 8, k, Dark(k), 3);
    c.Fill(RECT{s / 6 + 3, s / 5 + 4, s - s / 6 - 3, s / 5 + 10}, Light(k));
}

void Crown(Canvas& c, int s, COLORREF k) {
    const POINT p[7] = {{s / 8, s * 3 / 4}, {s / 8, s / 4}, {s / 3, s / 2}, {s / 2, s / 6},
                        {s * 2 / 3, s / 2}, {s * 7 / 8, s / 4}, {s * 7 / 8, s * 3 / 4}};
    c.Polygon(p, 7, k, Dark(k), 2);
    for (int x : {s / 8, s / 2, s * 7 / 8}) c.Ellipse(RECT{x - 5, s / 6 - 5, x + 5, s / 6 + 5}, RGB(220, 30, 40), Dark(k));
}

void Crescent(Canvas& c, int s, COLORREF k, COLORREF face) {
    c.Ellipse(RECT{s / 8, s / 8, s - s / 8, s - s / 8}, k, Dark(k), 2);
    c.Ellipse(RECT{s / 3, s / 10, s - s / 20, s * 4 / 5}, face, face);
}

void Drop(Canvas& c, int s, COLORREF k) {
    const POINT tip[3] = {{s / 2, s / 10}, {s * 3 / 4, s / 2}, {s / 4, s / 2}};
    c.Polygon(tip, 3, k, Dark(k), 2);
    c.Ellipse(RECT{s / 4 - 2, s * 3 / 10, s * 3 / 4 + 2, s * 7 / 8}, k, Dark(k), 2);
}

void Wheel(Canvas& c, int s, COLORREF k) {
    c.Ellipse(RECT{s / 10, s / 10, s - s / 10, s - s / 10}, k, Dark(k), 3);
    for (int i = 0; i < 4; ++i) {
        const double a = i * 0.7853982;
        const int dx = int(std::lround(s * 0.38 * DetCos(a))), dy = int(std::lround(s * 0.38 * DetSin(a)));
        c.Line(POINT{s / 2 - dx, s / 2 - dy}, POINT{s / 2 + dx, s / 2 + dy}, Light(k), 3);
    }
    c.Ellipse(RECT{s * 2 / 5, s * 2 / 5, s * 3 / 5, s * 3 / 5}, Dark(k), Dark(k));
}

void Heart(Canvas& c, int s, COLORREF k) {
    c.Ellipse(RECT{s / 8, s / 6, s / 2 + 2, s / 2 + 6}, k, k);
    c.Ellipse(RECT{s / 2 - 2, s / 6, s * 7 / 8, s / 2 + 6}, k, k);
    const POINT p[3] = {{s / 8 + 1, s * 2 / 5}, {s * 7 / 8 - 1, s * 2 / 5}, {s / 2, s * 7 / 8}};
    c.Polygon(p, 3, k, k);
}

void Seven(Canvas& c, int s, COLORREF k) {
    c.ShadowText("7", RECT{0, 0, s, s}, FontSpec{"Times New Roman", s, FW_BOLD}, k, Dark(k), 3);
}

void Shape(Canvas& c, const ThemeSymbol& symbol, COLORREF face) {
    const int s = c.Width();
    const COLORREF k = symbol.colour;
    switch (symbol.shape) {
        case SymbolShape::Disc: return Disc(c, s, k);
        case SymbolShape::Diamond: return Diamond(c, s, k);
        case SymbolShape::Star: return StarShape(c, s / 2, s / 2 + 2, s * 2 / 5, s / 6, 5, k);
        case SymbolShape::Bar: return Bar(c, s, k);
        case SymbolShape::Bell: return Bell(c, s, k);
        case SymbolShape::Cherry: return Cherry(c, s, k);
        case SymbolShape::Peak: return Peak(c, s, k);
        case SymbolShape::Box: return Box(c, s, k);
        case SymbolShape::Crown: return Crown(c, s, k);
        case SymbolShape::Crescent: return Crescent(c, s, k, face);
        case SymbolShape::Drop: return Drop(c, s, k);
        case SymbolShape::Wheel: return Wheel(c, s, k);
        case SymbolShape::Heart: return Heart(c, s, k);
        case SymbolShape::Seven: return Seven(c, s, k);
    }
}

// Near white on dark symbols, dark on light ones; long captions in a smaller type. Pure
// white is kept off the reels: on the machine's 16-bit reel strip it is the clear colour.
void Caption(Canvas& c, const ThemeSymbol& symbol) {
    const std::string text = symbol.caption;
    if (text.empty()) return;
    const int s = c.Width();
    const int lum = GetRValue(symbol.colour) * 3 + GetGValue(symbol.colour) * 6 + GetBValue(symbol.colour);
    const COLORREF paper = RGB(246, 246, 246);
    const COLORREF ink = lum > 1500 ? RGB(30, 20, 10) : paper;
    const int height = text.size() <= 3 ? s / 3 : text.size() <= 5 ? s / 5 : s / 7;
    c.ShadowText(text, RECT{0, 0, s, s}, FontSpec{"Arial", height, FW_BOLD}, ink,
                 ink == paper ? RGB(0, 0, 0) : paper, 1);
}

}  // namespace

void DrawThemeSymbol(Canvas& c, const ThemeSymbol& symbol) {
    const COLORREF face = c.PixelAt(0, 0);
    Shape(c, symbol, face);
    Caption(c, symbol);
}

}  // namespace content
