// The reel symbols of the gallery, 64 x 64 on a light background: fruit, sevens, bars,
// bells, gems and more. Their order gives the symbols page's first choices: a cherry
// first, a red seven fourth, a gold bell, the three bars and a lemon after it.
#include <cmath>
#include <string>

#include "Canvas.h"
#include "ClipArt.h"
#include "DetMath.h"

namespace content {

namespace {

const COLORREF kInk = RGB(40, 30, 20);

enum Kind { Fruit, Cherry, Grapes, Melon, Banana, Seven, Bar, Bell, Gem, Star, Heart, Horseshoe, Clover, Coin,
            Crown, Moon, Sun, Bolt, Dice, Word, Skull };

struct SymbolSpec {
    Kind kind;
    COLORREF colour;
    int count;         // bars stacked, points of a star
    const char* text;  // words
};

const SymbolSpec kSymbols[] = {
    {Cherry, RGB(210, 10, 40), 0, ""},        {Fruit, RGB(225, 30, 50), 1, ""},  // strawberry
    {Fruit, RGB(255, 150, 20), 0, ""},        {Seven, RGB(215, 20, 30), 0, ""},
    {Seven, RGB(30, 80, 220), 0, ""},         {Seven, RGB(230, 170, 20), 0, ""},
    {Bell, RGB(200, 200, 215), 0, ""},        {Bell, RGB(245, 195, 40), 0, ""},
    {Bar, RGB(20, 20, 20), 1, ""},            {Bar, RGB(20, 20, 20), 2, ""},
    {Bar, RGB(20, 20, 20), 3, ""},            {Fruit, RGB(120, 40, 140), 0, ""},  // plum
    {Grapes, RGB(110, 50, 160), 0, ""},       {Melon, RGB(40, 150, 50), 0, ""},
    {Fruit, RGB(250, 230, 40), 2, ""},        {Fruit, RGB(60, 190, 40), 0, ""},  // lemon, apple
    {Gem, RGB(220, 20, 50), 0, ""},           {Gem, RGB(20, 170, 70), 0, ""},
    {Gem, RGB(30, 70, 220), 0, ""},           {Gem, RGB(150, 60, 200), 0, ""},
    {Gem, RGB(245, 170, 30), 0, ""},          {Gem, RGB(200, 235, 250), 0, ""},
    {Seven, RGB(30, 150, 50), 0, ""},         {Seven, RGB(140, 40, 170), 0, ""},
    {Bar, RGB(30, 60, 180), 1, ""},           {Bar, RGB(30, 60, 180), 2, ""},
    {Bar, RGB(30, 60, 180), 3, ""},           {Bell, RGB(60, 120, 230), 0, ""},
    {Star, RGB(250, 200, 30), 5, ""},         {Star, RGB(190, 190, 205), 6, ""},
    {Heart, RGB(225, 30, 70), 0, ""},         {Horseshoe, RGB(150, 150, 160), 0, ""},
    {Clover, RGB(30, 160, 60), 0, ""},        {Coin, RGB(240, 195, 60), 0, "$"},
    {Crown, RGB(245, 195, 40), 0, ""},        {Moon, RGB(240, 230, 150), 0, ""},
    {Sun, RGB(255, 190, 30), 0, ""},          {Bolt, RGB(255, 220, 0), 0, ""},
    {Dice, RGB(245, 245, 245), 0, ""},        {Word, RGB(200, 20, 160), 0, "WILD"},
    {Word, RGB(20, 130, 200), 0, "BONUS"},    {Word, RGB(210, 30, 30), 0, "JACK\nPOT"},
    {Fruit, RGB(180, 210, 60), 3, ""},        {Bell, RGB(215, 40, 40), 0, ""},  // pear
    {Skull, RGB(235, 235, 225), 0, ""},       {Banana, RGB(250, 220, 50), 0, ""},
    {Coin, RGB(200, 200, 210), 0, "7"},       {Star, RGB(230, 60, 30), 8, ""},
};
static_assert(sizeof kSymbols / sizeof kSymbols[0] == 48, "twelve rows of four");

POINT At(double cx, double cy, double r, double angle) {
    return POINT{LONG(std::lround(cx + r * DetSin(angle))), LONG(std::lround(cy - r * DetCos(angle)))};
}

// A star of up to sixteen points around the middle.
void StarShape(Canvas& c, COLORREF colour, int points, double outer, double inner) {
    POINT p[32];
    for (int i = 0; i < 2 * points; ++i) p[i] = At(32, 33, i % 2 ? inner : outer, i * 3.14159265 / points);
    c.Polygon(p, 2 * points, colour, Blend(colour, kInk, 0.6), 2);
}

void DrawFruit(Canvas& c, const SymbolSpec& s) {
    const COLORREF edge = Blend(s.colour, kInk, 0.5);
    if (s.count == 2) {  // lemon
        c.Ellipse(RECT{6, 16, 58, 50}, s.colour, edge, 2);
        return;
    }
    if (s.count == 1) {  // strawberry
        const POINT berry[5] = {{10, 20}, {54, 20}, {50, 40}, {32, 60}, {14, 40}};
        c.Polygon(berry, 5, s.colour, edge, 2);
        for (int i = 0; i < 6; ++i) c.Ellipse(RECT{18 + i % 3 * 10, 28 + i / 3 * 10, 21 + i % 3 * 10, 31 + i / 3 * 10},
                                             RGB(255, 240, 120), RGB(255, 240, 120));
    } else if (s.count == 3) {  // pear
        c.Ellipse(RECT{22, 10, 42, 34}, s.colour, edge, 2);
        c.Ellipse(RECT{12, 24, 52, 60}, s.colour, edge, 2);
    } else {
        c.Ellipse(RECT{8, 12, 56, 60}, s.colour, edge, 2);
    }
    c.Line(POINT{32, 14}, POINT{34, 4}, RGB(90, 60, 20), 3);
    const POINT leaf[4] = {{34, 8}, {46, 2}, {54, 6}, {42, 12}};
    c.Polygon(leaf, 4, RGB(40, 150, 40), RGB(20, 80, 20));
}

void DrawCherryAndFriends(Canvas& c, const SymbolSpec& s) {
    const COLORREF edge = Blend(s.colour, kInk, 0.5);
    switch (s.kind) {
    case Cherry:
        c.Line(POINT{18, 40}, POINT{36, 6}, RGB(40, 120, 40), 3);
        c.Line(POINT{44, 44}, POINT{36, 6}, RGB(40, 120, 40), 3);
        c.Ellipse(RECT{4, 32, 30, 58}, s.colour, edge, 2);
        c.Ellipse(RECT{32, 36, 58, 62}, s.colour, edge, 2);
        break;
    case Grapes:
        for (int row = 0; row < 4; ++row)
            for (int i = 0; i < 4 - row; ++i) {
                const int x = 10 + row * 6 + i * 12, y = 14 + row * 11;
                c.Ellipse(RECT{x, y, x + 14, y + 14}, s.colour, edge, 1);
            }
        c.Line(POINT{32, 14}, POINT{32, 4}, RGB(90, 60, 20), 3);
        break;
    case Melon: {
        c.Ellipse(RECT{4, -24, 60, 56}, s.colour, edge, 2);
        c.Ellipse(RECT{9, -18, 55, 50}, RGB(235, 60, 70), RGB(235, 60, 70));
        c.Fill(RECT{0, 0, 64, 18}, RGB(250, 248, 238));
        for (int x = 18; x < 50; x += 8) c.Ellipse(RECT{x, 28, x + 4, 34}, kInk, kInk);
        break;
    }
    default: {  // banana
        const POINT banana[6] = {{8, 18}, {20, 42}, {44, 52}, {58, 44}, {40, 40}, {22, 28}};
        c.Polygon(banana, 6, s.colour, edge, 2);
        break;
    }
    }
}

void DrawSeven(Canvas& c, const SymbolSpec& s) {
    c.ShadowText("7", RECT{0, 0, 64, 64}, FontSpec{"Times New Roman", 62, FW_BOLD, true}, s.colour, kInk, 3);
}

void DrawBars(Canvas& c, const SymbolSpec& s) {
    const int h = 14, gap = 3, top = 32 - (s.count * h + (s.count - 1) * gap) / 2;
    for (int i = 0; i < s.count; ++i) {
        const RECT r{6, top + i * (h + gap), 58, top + i * (h + gap) + h};
        c.RoundBox(r, 6, s.colour, RGB(200, 160, 40), 2);
        c.Text("BAR", r, FontSpec{"Arial", 11, FW_BOLD}, RGB(255, 255, 255));
    }
}

void DrawBell(Canvas& c, const SymbolSpec& s) {
    const COLORREF edge = Blend(s.colour, kInk, 0.6);
    const POINT bell[7] = {{32, 6}, {44, 12}, {48, 34}, {58, 48}, {6, 48}, {16, 34}, {20, 12}};
    c.Polygon(bell, 7, s.colour, edge, 2);
    c.Ellipse(RECT{26, 46, 38, 58}, edge, edge);
    c.Line(POINT{24, 16}, POINT{20, 40}, Blend(s.colour, RGB(255, 255, 255), 0.6), 3);
}

void DrawGem(Canvas& c, const SymbolSpec& s) {
    const COLORREF edge = Blend(s.colour, kInk, 0.5), light = Blend(s.colour, RGB(255, 255, 255), 0.5);
    const POINT gem[5] = {{16, 12}, {48, 12}, {60, 26}, {32, 58}, {4, 26}};
    c.Polygon(gem, 5, s.colour, edge, 2);
    const POINT top[4] = {{16, 12}, {48, 12}, {42, 26}, {22, 26}};
    c.Polygon(top, 4, light, edge, 1);
    c.Line(POINT{22, 26}, POINT{32, 58}, edge, 1);
    c.Line(POINT{42, 26}, POINT{32, 58}, edge, 1);
}

void DrawOddments(Canvas& c, const SymbolSpec& s) {
    const COLORREF edge = Blend(s.colour, kInk, 0.6);
    switch (s.kind) {
    case Star: StarShape(c, s.colour, s.count, 30, s.count > 6 ? 18 : 13); break;
    case Coin:
        c.Ellipse(RECT{6, 6, 58, 58}, s.colour, edge, 3);
        c.Ellipse(RECT{13, 13, 51, 51}, s.colour, edge, 1);
        c.Text(s.text, RECT{6, 6, 58, 58}, FontSpec{"Times New Roman", 34, FW_BOLD}, edge);
        break;
    case Dice:
        c.RoundBox(RECT{8, 8, 56, 56}, 10, s.colour, kInk, 2);
        for (const POINT& p : {POINT{20, 20}, POINT{32, 32}, POINT{44, 44}, POINT{44, 20}, POINT{20, 44}})
            c.Ellipse(RECT{p.x - 4, p.y - 4, p.x + 4, p.y + 4}, kInk, kInk);
        break;
    case Skull:
        c.Ellipse(RECT{10, 6, 54, 48}, s.colour, kInk, 2);
        c.RoundBox(RECT{20, 40, 44, 58}, 6, s.colour, kInk, 2);
        c.Ellipse(RECT{18, 20, 30, 32}, kInk, kInk);
        c.Ellipse(RECT{34, 20, 46, 32}, kInk, kInk);
        break;
    default:  // words
        c.RoundBox(RECT{2, 10, 62, 54}, 10, s.colour, kInk, 2);
        c.Text(s.text, RECT{2, 10, 62, 54}, FontSpec{"Arial", 14, FW_BOLD}, RGB(255, 255, 255),
               DT_CENTER | DT_VCENTER | (std::string(s.text).find('\n') == std::string::npos ? DT_SINGLELINE : 0));
        break;
    }
}

void DrawEmblem(Canvas& c, const SymbolSpec& s) {
    const COLORREF edge = Blend(s.colour, kInk, 0.6);
    switch (s.kind) {
    case Heart: {
        c.Ellipse(RECT{6, 10, 34, 38}, s.colour, s.colour);
        c.Ellipse(RECT{30, 10, 58, 38}, s.colour, s.colour);
        const POINT tip[3] = {{7, 28}, {57, 28}, {32, 58}};
        c.Polygon(tip, 3, s.colour, s.colour);
        break;
    }
    case Horseshoe:
        c.Ellipse(RECT{8, 6, 56, 58}, s.colour, edge, 2);
        c.Ellipse(RECT{20, 18, 44, 46}, RGB(250, 248, 238), edge, 2);
        c.Fill(RECT{20, 40, 44, 60}, RGB(250, 248, 238));
        break;
    case Clover:
        for (const RECT& r : {RECT{18, 6, 46, 32}, RECT{4, 22, 30, 48}, RECT{34, 22, 60, 48}}) c.Ellipse(r, s.colour, edge, 2);
        c.Line(POINT{32, 36}, POINT{38, 60}, edge, 4);
        break;
    case Crown: {
        const POINT crown[7] = {{6, 50}, {6, 16}, {20, 32}, {32, 10}, {44, 32}, {58, 16}, {58, 50}};
        c.Polygon(crown, 7, s.colour, edge, 2);
        c.Ellipse(RECT{27, 36, 37, 46}, RGB(220, 20, 50), RGB(120, 0, 20));
        break;
    }
    case Moon:
        c.Ellipse(RECT{8, 6, 56, 58}, s.colour, edge, 2);
        c.Ellipse(RECT{22, 2, 64, 48}, RGB(250, 248, 238), RGB(250, 248, 238));
        break;
    case Sun:
        StarShape(c, RGB(255, 140, 20), 12, 30, 20);
        c.Ellipse(RECT{16, 17, 48, 49}, s.colour, edge, 2);
        break;
    case Bolt: {
        const POINT bolt[6] = {{36, 2}, {12, 36}, {30, 36}, {24, 62}, {52, 24}, {34, 24}};
        c.Polygon(bolt, 6, s.colour, edge, 2);
        break;
    }
    default: DrawOddments(c, s); break;
    }
}

}  // namespace

void DrawGallerySymbol(Canvas& c, int symbol) {
    const SymbolSpec& s = kSymbols[symbol];
    switch (s.kind) {
    case Fruit: DrawFruit(c, s); break;
    case Cherry: case Grapes: case Melon: case Banana: DrawCherryAndFriends(c, s); break;
    case Seven: DrawSeven(c, s); break;
    case Bar: DrawBars(c, s); break;
    case Bell: DrawBell(c, s); break;
    case Gem: DrawGem(c, s); break;
    default: DrawEmblem(c, s); break;
    }
}

}  // namespace content
