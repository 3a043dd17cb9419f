// The pictures and the sound of the credits machine (machines\credits.txt), under the file
// names its Art block gives; the script is copied beside them by the build and the machine
// builder makes "credits.ast" of them. The reel's symbols are the credit lines: a role
// above the names, on a card as wide as the reel.
#include <cmath>

#include "CabinetFront.h"
#include "Canvas.h"
#include "DetMath.h"
#include "ContentFolders.h"
#include "MachineSounds.h"
#include "SoundFiles.h"

namespace content {

namespace {

const int kViewWidth = 794, kViewHeight = 556;
const int kCardWidth = 400, kCardHeight = 60;
const RECT kReelWindow = {197, 136, 597, 436};
const COLORREF kVelvet = RGB(70, 12, 28);
const COLORREF kDeep = RGB(20, 4, 10);
const COLORREF kGold = RGB(236, 190, 80);
const COLORREF kCard = RGB(252, 246, 226);
const COLORREF kInk = RGB(60, 30, 20);
const double kPi = 3.14159265358979323846;

struct CreditLine {
    const char* symbol;  // the symbol's name in lower case, as in its file name
    const char* role;
    const char* names;
};

const CreditLine kCredits[] = {
    {"producer", "PRODUCER", "Ilse Varnhagen"},
    {"designer", "GAME DESIGN", "Tobin Marsh"},
    {"reelwright", "REELS AND RULES", "Priya Castellane"},
    {"artist", "ART AND ANIMATION", "Odo Feldkamp"},
    {"composer", "SOUND AND MUSIC", "Nell Okonkwo"},
    {"scripter", "MACHINE SCRIPTS", "Rafe Lindqvist"},
    {"floorcrew", "LOBBY AND FRONT DESK", "Maren Duplessis"},
    {"editorcrew", "MACHINE EDITOR", "Caspian Holt"},
    {"wizardcrew", "NEW MACHINE WIZARD", "Juno Abernathy"},
    {"testers", "TESTING", "Kit Ramsay  &  Ada Morrow"},
    {"supportcrew", "PLAYER SUPPORT", "Bram Oyelaran"},
    {"thanks", "SPECIAL THANKS", "Everyone who pulled the lever"},
    {"team", "MADE BY", "The Vellmoor Slots team"},
};

void Save(const Canvas& c, const ContentFolders& to, const std::string& name) {
    const std::string path = to.machines + "credits_" + name;
    Check(c.Picture().Save(path), path);
}

// A five-pointed star of the radius around the centre.
void Star(Canvas& c, POINT centre, int radius, COLORREF fill, COLORREF edge) {
    POINT points[10];
    for (int i = 0; i < 10; ++i) {
        const double angle = -kPi / 2 + i * kPi / 5;
        const double r = i % 2 ? radius * 0.42 : radius;
        points[i] = POINT{centre.x + LONG(std::lround(r * DetCos(angle))),
                          centre.y + LONG(std::lround(r * DetSin(angle)))};
    }
    c.Polygon(points, 10, fill, edge, 1);
}

void Backdrop(const ContentFolders& to) {
    Canvas c(kViewWidth, kViewHeight);
    c.Gradient(RECT{0, 0, kViewWidth, kViewHeight}, kVelvet, kDeep);
    for (int x = 20; x < kViewWidth; x += 48) Star(c, POINT{x, 18 + (x / 48) % 2 * 14}, 5, kGold, kGold);
    c.ShadowText("THE CREDITS", RECT{0, 40, kViewWidth, 86}, FontSpec{"Times New Roman", 40, FW_BOLD}, kGold,
                 RGB(0, 0, 0));
    c.Text("the people behind Vellmoor(tm) Slots", RECT{0, 88, kViewWidth, 112},
           FontSpec{"Times New Roman", 20, FW_NORMAL, true}, RGB(240, 220, 200));
    const RECT frame = {kReelWindow.left - 14, kReelWindow.top - 14, kReelWindow.right + 14, kReelWindow.bottom + 14};
    c.RoundBox(frame, 18, RGB(110, 70, 24), kGold, 4);
    c.Fill(kReelWindow, RGB(0, 0, 0));
    c.Fill(RECT{kReelWindow.left - 14, 284, kReelWindow.left - 2, 288}, RGB(220, 40, 30));  // the pay line's marks
    c.Fill(RECT{kReelWindow.right + 2, 284, kReelWindow.right + 14, 288}, RGB(220, 40, 30));
    // The coin slot, the bill slot and the denomination plate beside the reel: each opening
    // has its rim inside its region, the plate's frame lies round the plate's pictures.
    c.RoundBox(RECT{612, 190, 728, 380}, 12, RGB(90, 60, 20), kGold, 2);
    c.Fill(RECT{620, 200, 720, 220}, kGold);
    c.Fill(RECT{623, 203, 717, 217}, RGB(10, 10, 10));
    c.Fill(RECT{650, 250, 674, 310}, kGold);
    c.Fill(RECT{654, 254, 670, 306}, RGB(10, 10, 10));
    c.Text("INSERT COIN", RECT{612, 314, 728, 334}, FontSpec{"Arial", 13, FW_BOLD}, kGold);
    c.Fill(RECT{632, 338, 716, 370}, kGold);
    c.Fill(RECT{634, 340, 714, 368}, RGB(0, 20, 0));
    // The meters' captions above the meters.
    const FontSpec caption{"Arial", 13, FW_BOLD};
    c.Text("BET", RECT{120, 456, 180, 472}, caption, kGold);
    c.Text("CREDIT", RECT{260, 456, 380, 472}, caption, kGold);
    c.Text("PAID", RECT{420, 456, 540, 472}, caption, kGold);
    Save(c, to, "back.bmp");
}

void CreditCard(const ContentFolders& to, const CreditLine& line) {
    Canvas c(kCardWidth, kCardHeight, kCard);
    c.Fill(RECT{0, 0, kCardWidth, 2}, RGB(200, 170, 110));
    c.Fill(RECT{0, kCardHeight - 2, kCardWidth, kCardHeight}, RGB(200, 170, 110));
    c.Text(line.role, RECT{0, 4, kCardWidth, 24}, FontSpec{"Arial", 14, FW_BOLD}, RGB(150, 30, 40));
    c.Text(line.names, RECT{0, 24, kCardWidth, 56}, FontSpec{"Times New Roman", 26, FW_BOLD}, kInk);
    Save(c, to, std::string(line.symbol) + ".bmp");
}

void StarCard(const ContentFolders& to) {
    Canvas c(kCardWidth, kCardHeight, kDeep);
    for (int x : {40, 360}) Star(c, POINT{x, 30}, 24, kGold, RGB(120, 80, 0));
    c.ShadowText("VELLMOOR(tm) SLOTS", RECT{70, 0, 330, kCardHeight}, FontSpec{"Times New Roman", 22, FW_BOLD}, kGold,
                 RGB(0, 0, 0));
    Save(c, to, "star.bmp");
}

// At rest, lit, and disabled ("_off"): the one at rest sunk into the backdrop.
void Button(const ContentFolders& to, const std::string& name, const char* text, int width) {
    static const char* const kFrames[] = {"", "_lit", "_off"};
    for (int frame = 0; frame < 3; ++frame) {
        Canvas c(width, 40, kDeep);
        c.RoundBox(RECT{0, 0, width, 40}, 14, frame == 1 ? RGB(255, 214, 100) : RGB(190, 130, 40), RGB(70, 30, 0), 2);
        c.Text(text, RECT{0, 0, width, 40}, FontSpec{"Arial", 15, FW_BOLD}, RGB(50, 20, 0));
        if (frame == 2) c.Dim(kDeep, kDisabledDim);
        Save(c, to, name + kFrames[frame] + ".bmp");
    }
}

// The meters' cells: a blank and the digits 0 to 9, one picture each.
void Digits(const ContentFolders& to) {
    const std::string glyphs = " 0123456789";
    const char* const names[] = {"blank", "0", "1", "2", "3", "4", "5", "6", "7", "8", "9"};
    for (size_t i = 0; i < glyphs.size(); ++i) {
        Canvas c(14, 20, RGB(30, 6, 12));
        c.Text(glyphs.substr(i, 1), RECT{0, 0, 14, 20}, FontSpec{"Courier New", 19, FW_BOLD}, kGold);
        Save(c, to, std::string("digit_") + names[i] + ".bmp");
    }
}

void Controls(const ContentFolders& to) {
    Button(to, "betone", "BET ONE", 88);
    Button(to, "betmax", "BET MAX", 88);
    Button(to, "cashout", "CASH OUT", 88);
    Button(to, "spin", "SPIN", 88);
    Button(to, "done", "DONE", 110);
    Canvas coin(28, 28, kKeyColour);
    coin.Ellipse(RECT{1, 1, 27, 27}, kGold, RGB(120, 80, 0), 2);
    Star(coin, POINT{14, 14}, 7, RGB(255, 240, 170), RGB(255, 240, 170));
    Save(coin, to, "coin.bmp");
    Digits(to);
    Canvas slot(24, 8, kKeyColour);
    slot.Fill(RECT{0, 2, 24, 6}, kGold);
    Save(slot, to, "slot.bmp");
}

void Chime(const ContentFolders& to) {
    const NamedSound chime = CreditsChime();
    const std::string path = to.machines + chime.file;
    Check(WriteWavFile(path, chime.samples), path);
}

}  // namespace

void MakeCreditsArt(const ContentFolders& to) {
    Backdrop(to);
    StarCard(to);
    for (const CreditLine& line : kCredits) CreditCard(to, line);
    Controls(to);
    MakeDenominationPlates(to, "credits");
    Chime(to);
}

}  // namespace content
