#include "CabinetParts.h"

#include <vector>

#include "CabinetFront.h"
#include "Canvas.h"
#include "MachineSounds.h"
#include "SoundFiles.h"

namespace content {

namespace {

// The light around the coin slot, two frames: a thin and a thick frame, the slot left clear.
void Glow(const ContentFolders& to, const CabinetLook& look) {
    for (int i = 1; i <= 2; ++i) {
        Canvas c(30, 46, kKeyColour);  // the corner pixel is the clear colour
        const COLORREF lit = RGB(255, 200, 60);
        const int edge = i + 2;
        c.Fill(RECT{1, 1, 29, 1 + edge}, lit);
        c.Fill(RECT{1, 45 - edge, 29, 45}, lit);
        c.Fill(RECT{1, 1, 1 + edge, 45}, lit);
        c.Fill(RECT{29 - edge, 1, 29, 45}, lit);
        SaveMachinePicture(c, to, look.prefix + "_glow" + std::to_string(i) + ".bmp");
    }
}

// Three frames: the knob high, halfway and pulled down.
void Lever(const ContentFolders& to, const CabinetLook& look) {
    for (int i = 1; i <= 3; ++i) {
        Canvas c(60, 220, kKeyColour);
        const int knob = 20 + (i - 1) * 70;
        c.Fill(RECT{26, knob, 34, 210}, RGB(170, 170, 180));
        c.Ellipse(RECT{14, knob - 16, 46, knob + 16}, look.knob, Blend(look.knob, RGB(0, 0, 0), 0.55), 2);
        SaveMachinePicture(c, to, look.prefix + "_lever" + std::to_string(i) + ".bmp");
    }
}

void Coin(const ContentFolders& to, const CabinetLook& look) {
    Canvas coin(32, 32, kKeyColour);
    coin.Ellipse(RECT{1, 1, 31, 31}, look.coin, Blend(look.coin, RGB(0, 0, 0), 0.5), 2);
    SaveMachinePicture(coin, to, look.prefix + "_coin.bmp");
}

// Three frames each: at rest, lit, and disabled ("_off"), the one at rest sunk into the panel.
void Buttons(const ContentFolders& to, const CabinetLook& look) {
    static const char* const kButtons[][2] = {
        {"betone", "BET ONE"}, {"betmax", "BET MAX"}, {"cashout", "CASH OUT"}, {"spin", "SPIN"}};
    static const char* const kFrames[] = {"", "_lit", "_off"};
    for (const auto& b : kButtons)
        for (int frame = 0; frame < 3; ++frame) {
            Canvas c(88, 44, look.panel);
            const COLORREF face = frame == 1 ? look.buttonLit : look.button;
            c.RoundBox(RECT{0, 0, 88, 44}, 14, face, RGB(60, 30, 0), 2);
            c.Text(b[1], RECT{0, 0, 88, 44}, FontSpec{"Arial", 15, FW_BOLD}, ReadableOn(RGB(40, 20, 0), face));
            if (frame == 2) c.Dim(look.panel, kDisabledDim);
            SaveMachinePicture(c, to, look.prefix + "_" + b[0] + kFrames[frame] + ".bmp");
        }
}

// A meter's cells, one picture per sequence as an indicator shows them: a blank cell, the
// digits 0 to 9 and, for money, a "$" ("<stem>blank.bmp", "<stem>0.bmp" ... "<stem>dollar.bmp").
void DigitCells(const ContentFolders& to, const std::string& stem, const RECT& glyphs, const FontSpec& font,
                COLORREF ink, bool money) {
    const auto cell = [&](const std::string& glyph, const std::string& name) {
        Canvas c(18, 26, RGB(20, 0, 0));
        if (!glyph.empty()) c.Text(glyph, glyphs, font, ink);
        SaveMachinePicture(c, to, stem + name + ".bmp");
    };
    cell("", "blank");
    for (int d = 0; d < 10; ++d) cell(std::to_string(d), std::to_string(d));
    if (money) cell("$", "dollar");
}

// The coin meters' digits fill their cells ("_digit_"); the jackpot's ("_jackpot_") stand
// clear of the cells' left edges and bottoms, where its decimal point and thousands
// separators are drawn.
void Digits(const ContentFolders& to, const CabinetLook& look) {
    DigitCells(to, look.prefix + "_digit_", RECT{0, 0, 18, 26}, FontSpec{"Courier New", 24, FW_BOLD},
               RGB(255, 60, 40), false);
    DigitCells(to, look.prefix + "_jackpot_", RECT{3, 0, 18, 21}, FontSpec{"Courier New", 19, FW_BOLD},
               RGB(255, 200, 60), true);
}

// The four sounds, synthesized in the machine's key by the generator's platform-free part.
void Sounds(const ContentFolders& to, const CabinetLook& look) {
    for (const NamedSound& sound : CabinetSounds(look.prefix))
        Check(WriteWavFile(to.machines + sound.file, sound.samples), to.machines + sound.file);
}

}  // namespace

void SaveMachinePicture(const Canvas& c, const ContentFolders& to, const std::string& name) {
    const std::string path = to.machines + name;
    Check(c.Picture().Save(path), path);
}

void MakeCabinetParts(const ContentFolders& to, const CabinetLook& look) {
    Glow(to, look);
    Lever(to, look);
    Coin(to, look);
    Buttons(to, look);
    Digits(to, look);
    MakeDenominationPlates(to, look.prefix);
    Sounds(to, look);
}

}  // namespace content
