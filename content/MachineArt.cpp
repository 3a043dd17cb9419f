// The pictures and sounds of the machine "Foxfire Grove" (machines\foxfire.txt), under the
// file names its Art block gives, with the award card its pay table makes; the script is
// copied beside them by the build. Its buttons, lever, meters and sounds are the cabinet
// parts every machine of ours has.
#include <functional>
#include <string>

#include "AwardCardArt.h"
#include "CabinetFront.h"
#include "CabinetParts.h"
#include "Canvas.h"
#include "ContentFolders.h"

namespace content {

namespace {

const int kSymbol = 96;
const COLORREF kNight = RGB(14, 24, 40);
const COLORREF kGold = RGB(240, 190, 60);

void Save(const Canvas& c, const ContentFolders& to, const std::string& name) { SaveMachinePicture(c, to, name); }

// The symbols' drawings, each on a square of kSymbol pixels, under the script's names.
using SymbolDrawing = std::function<void(Canvas&)>;

void DrawLeaf(Canvas& c) {
    const POINT leaf[6] = {{48, 8}, {80, 40}, {70, 76}, {48, 88}, {26, 76}, {16, 40}};
    c.Polygon(leaf, 6, RGB(60, 150, 50), RGB(20, 70, 20), 2);
    c.Line(POINT{48, 12}, POINT{48, 90}, RGB(20, 70, 20), 2);
}

void DrawAcorn(Canvas& c) {
    c.Ellipse(RECT{26, 34, 70, 88}, RGB(180, 110, 40), RGB(90, 50, 10), 2);
    c.RoundBox(RECT{20, 24, 76, 46}, 16, RGB(110, 70, 30), RGB(60, 30, 10), 2);
    c.Fill(RECT{45, 10, 51, 26}, RGB(90, 50, 10));
}

void DrawMushroom(Canvas& c) {
    c.Fill(RECT{38, 48, 58, 86}, RGB(240, 230, 200));
    c.Ellipse(RECT{12, 16, 84, 64}, RGB(200, 30, 30), RGB(110, 0, 0), 2);
    for (int x : {30, 48, 66}) c.Ellipse(RECT{x - 5, 28, x + 5, 38}, RGB(255, 255, 255), RGB(255, 255, 255));
}

void DrawOwl(Canvas& c) {
    c.Ellipse(RECT{18, 14, 78, 88}, RGB(130, 100, 70), RGB(60, 40, 20), 2);
    for (int x : {36, 60}) {
        c.Ellipse(RECT{x - 11, 30, x + 11, 52}, RGB(255, 230, 120), RGB(60, 40, 20));
        c.Ellipse(RECT{x - 4, 37, x + 4, 45}, RGB(0, 0, 0), RGB(0, 0, 0));
    }
    const POINT beak[3] = {{44, 54}, {52, 54}, {48, 64}};
    c.Polygon(beak, 3, RGB(230, 150, 30), RGB(120, 70, 0));
}

void DrawLantern(Canvas& c, int lit) {
    c.Fill(RECT{44, 6, 52, 16}, RGB(40, 40, 40));
    c.RoundBox(RECT{26, 16, 70, 86}, 10, lit == 2 ? RGB(255, 220, 90) : RGB(230, 160, 40), RGB(50, 40, 30), 3);
    c.Ellipse(RECT{38, 36, 58, 66}, RGB(255, 250, 220), RGB(255, 200, 80));
}

void DrawFox(Canvas& c) {
    const POINT head[7] = {{16, 14}, {36, 34}, {60, 34}, {80, 14}, {74, 56}, {48, 86}, {22, 56}};
    c.Polygon(head, 7, RGB(220, 110, 30), RGB(110, 50, 0), 2);
    const POINT muzzle[3] = {{34, 60}, {62, 60}, {48, 86}};
    c.Polygon(muzzle, 3, RGB(250, 240, 230), RGB(110, 50, 0));
    for (int x : {38, 58}) c.Ellipse(RECT{x - 4, 44, x + 4, 52}, RGB(0, 0, 0), RGB(0, 0, 0));
}

// The drawing of a symbol as the award card shows it (the Lantern unlit); none for a name
// the machine does not have.
SymbolDrawing DrawingOf(const std::string& name) {
    if (name == "Leaf") return DrawLeaf;
    if (name == "Acorn") return DrawAcorn;
    if (name == "Mushroom") return DrawMushroom;
    if (name == "Owl") return DrawOwl;
    if (name == "Lantern") return [](Canvas& c) { DrawLantern(c, 1); };
    if (name == "Fox") return DrawFox;
    return nullptr;
}

const COLORREF kReelFace = RGB(250, 246, 232);

void Symbol(const ContentFolders& to, const std::string& name, const SymbolDrawing& draw) {
    Canvas c(kSymbol, kSymbol, kReelFace);
    draw(c);
    Save(c, to, "foxfire_" + name + ".bmp");
}

void Symbols(const ContentFolders& to) {
    Symbol(to, "leaf", DrawLeaf);
    Symbol(to, "acorn", DrawAcorn);
    Symbol(to, "mushroom", DrawMushroom);
    Symbol(to, "owl", DrawOwl);
    for (int lit = 1; lit <= 2; ++lit)
        Symbol(to, "lantern" + std::to_string(lit), [lit](Canvas& c) { DrawLantern(c, lit); });
    Symbol(to, "fox", DrawFox);
}

// A symbol's icon on the award card: its reel picture drawn smaller.
bool DrawCardIcon(Canvas& card, const std::string& name, int x, int y, int size) {
    const SymbolDrawing draw = DrawingOf(name);
    if (!draw) return false;
    Canvas picture(kSymbol, kSymbol, kReelFace);
    draw(picture);
    SetStretchBltMode(card.Dc(), HALFTONE);
    StretchBlt(card.Dc(), x, y, size, size, picture.Dc(), 0, 0, kSymbol, kSymbol, SRCCOPY);
    return true;
}

void Backdrop(const ContentFolders& to) {
    Canvas c(kMachineArtWidth, kMachineArtHeight);
    c.Gradient(RECT{0, 0, kMachineArtWidth, kMachineArtHeight}, RGB(40, 26, 70), kNight);
    for (int i = 0; i < 8; ++i) {  // tree trunks between the cabinet and the edges
        const int x = 4 + i * 74;
        c.Fill(RECT{x, 0, x + 18, kMachineArtHeight}, RGB(28, 20, 18));
    }
    c.RoundBox(RECT{40, 20, 560, 470}, 30, RGB(70, 44, 24), kGold, 4);
    c.Fill(RECT{100, 110, 422, 322}, RGB(10, 10, 10));
    c.ShadowText("FOXFIRE GROVE", RECT{40, 70, 560, 108}, FontSpec{"Times New Roman", 32, FW_BOLD}, kGold,
                 RGB(0, 0, 0));
    c.Fill(RECT{100, 214, 422, 218}, RGB(220, 40, 30));  // the pay line
    DrawMeterLabels(c, kGold);
    DrawCoinAcceptor(c, FrontLook{RGB(70, 44, 24), kGold});
    // The award card below the reels, where every built-in machine has its own.
    DrawAwardCard(c, RECT{48, 324, 458, 388}, to.machines + "foxfire.txt", AwardCardLook{kGold, DrawCardIcon});
    Save(c, to, "foxfire_back.bmp");
}

}  // namespace

void MakeMachineArt(const ContentFolders& to) {
    Backdrop(to);
    Symbols(to);
    MakeCabinetParts(to, CabinetLook{"foxfire", RGB(70, 44, 24), RGB(170, 120, 30), RGB(255, 210, 80), RGB(200, 30, 30),
                                     kGold});
}

}  // namespace content
