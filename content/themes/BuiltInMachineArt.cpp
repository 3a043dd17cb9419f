// The pictures and sounds of every built-in machine (machines\<stem>.txt), drawn from its
// theme: the backdrop with the cabinet, the title and the reel window, the six symbols and
// the cabinet parts. The reel window follows the reel positions of the machine's script.
#include <stdexcept>
#include <string>

#include "AwardCardArt.h"
#include "BuiltInMachines.h"
#include "CabinetFront.h"
#include "CabinetParts.h"
#include "Canvas.h"
#include "ContentFolders.h"
#include "LobbyHotspots.h"
#include "MachineThemes.h"
#include "ThemeScenes.h"
#include "ThemeSymbolArt.h"

namespace content {

namespace {

// The reels as the scripts place them: three of 96 pixels or five of 80 in a row, or nine
// of 64 in three rows of three, each showing one symbol.
struct ReelWindow {
    int left, top, width, height, gap, count, rows;
    int Right() const { return left + count * width + (count - 1) * gap; }
    int Bottom() const { return top + rows * height + (rows - 1) * gap; }
};

ReelWindow WindowOf(const MachineTheme& theme) {
    if (theme.reels == 9) return ReelWindow{60, 120, 64, 64, 8, 3, 3};
    return theme.reels == 5 ? ReelWindow{54, 136, 80, 160, 2, 5, 1} : ReelWindow{110, 120, 96, 192, 8, 3, 1};
}

// The pay line across a row of reels; through a grid it runs through every reel, so none
// is drawn.
void ReelFrame(Canvas& c, const ReelWindow& w) {
    c.Fill(RECT{w.left - 10, w.top - 8, w.Right() + 10, w.Bottom() + 8}, RGB(10, 10, 10));
    if (w.rows > 1) return;
    const int middle = w.top + w.height / 2;
    c.Fill(RECT{w.left - 10, middle - 2, w.Right() + 10, middle + 2}, RGB(220, 40, 30));
}

const char* TitleOf(const MachineTheme& theme) {
    const std::string file = std::string(theme.stem) + ".slot";
    for (size_t i = 0; i < kBuiltInMachineCount; ++i)
        if (file == kBuiltInMachines[i].script) return LobbyMachineTitle(kBuiltInMachines[i].number);
    throw std::runtime_error("no built-in machine is named " + file);
}

bool HasJackpot(const MachineTheme& theme) { return std::string(theme.stem) == "progressive"; }

// The labels on the meters' strip, `strip`, in the trim where it reads there. The
// progressive's jackpot joins the meters, whose others are narrower there; its window holds
// ten cells of 18 pixels, so that a "$" stands before the largest jackpot.
void MeterLabels(Canvas& c, const MachineTheme& theme, COLORREF strip) {
    const COLORREF ink = ReadableOn(theme.trim, strip);
    if (!HasJackpot(theme)) {
        DrawMeterLabels(c, ink);
        return;
    }
    const FontSpec small{"Arial", 13, FW_BOLD};
    c.Text("BET", RECT{60, 24, 114, 40}, small, ink);
    c.Text("CREDIT", RECT{124, 24, 232, 40}, small, ink);
    c.Text("WINNER PAID", RECT{242, 24, 350, 40}, small, ink);
    c.Text("JACKPOT", RECT{362, 24, 542, 40}, small, ink);
    c.Fill(RECT{358, 38, 546, 68}, RGB(20, 0, 0));
}

// The award card lies below a row of reels, or beside a grid. The progressive's card,
// whose top line pays the "JACKPOT", takes the whole height down to the buttons' panel:
// its two columns of four rows are wider than three of three.
RECT CardPlaceOf(const ReelWindow& w, const MachineTheme& theme) {
    if (w.rows > 1) return RECT{w.Right() + 20, w.top - 8, 456, 386};
    if (HasJackpot(theme)) return RECT{48, w.Bottom() + 10, 458, 390};
    return RECT{48, w.Bottom() + 12, 458, 388};
}

COLORREF PanelOf(const MachineTheme& theme) { return Blend(theme.cabinet, RGB(0, 0, 0), 0.3); }

// The cabinet: the meters' strip at the top, the topper with the scene and the title, the
// reel window with the pay line, the award card, the panel behind the buttons and the coin
// acceptor.
void Backdrop(const ContentFolders& to, const MachineTheme& theme) {
    Canvas c(kMachineArtWidth, kMachineArtHeight);
    PaintScene(c, theme, RECT{0, 0, kMachineArtWidth, kMachineArtHeight});
    c.RoundBox(RECT{30, 16, 564, 472}, 30, theme.cabinet, theme.trim, 4);
    const COLORREF strip = Blend(theme.cabinet, RGB(0, 0, 0), 0.6);
    c.Fill(RECT{46, 22, 548, 70}, strip);
    const ReelWindow w = WindowOf(theme);
    const RECT topper{46, 72, 548, w.top - 10};
    PaintScene(c, theme, topper);
    c.ShadowText(TitleOf(theme), topper, FontSpec{"Times New Roman", 34, FW_BOLD}, theme.trim, RGB(0, 0, 0));
    ReelFrame(c, w);
    c.RoundBox(RECT{48, 390, 460, 454}, 12, PanelOf(theme), theme.trim, 2);
    MeterLabels(c, theme, strip);
    DrawCoinAcceptor(c, FrontLook{PanelOf(theme), theme.trim});
    DrawAwardCard(c, CardPlaceOf(w, theme), to.machines + theme.stem + ".txt", theme);
    SaveMachinePicture(c, to, std::string(theme.stem) + "_back.bmp");
}

std::string Lower(std::string text) {
    for (char& ch : text) ch = char(ch >= 'A' && ch <= 'Z' ? ch - 'A' + 'a' : ch);
    return text;
}

void Symbols(const ContentFolders& to, const MachineTheme& theme) {
    const int size = WindowOf(theme).width;
    for (const ThemeSymbol& symbol : theme.symbols) {
        Canvas c(size, size, theme.reelFace);
        DrawThemeSymbol(c, symbol);
        SaveMachinePicture(c, to, std::string(theme.stem) + "_" + Lower(symbol.name) + ".bmp");
    }
}

}  // namespace

void MakeBuiltInMachineArt(const ContentFolders& to) {
    for (size_t i = 0; i < kMachineThemeCount; ++i) {
        const MachineTheme& theme = kMachineThemes[i];
        Backdrop(to, theme);
        Symbols(to, theme);
        MakeCabinetParts(to, CabinetLook{theme.stem, PanelOf(theme), Blend(theme.trim, theme.cabinet, 0.4), theme.trim,
                                          theme.symbols[5].colour, RGB(240, 190, 60)});
    }
}

}  // namespace content
