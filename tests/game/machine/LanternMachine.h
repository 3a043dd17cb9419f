// Brass Lantern: a machine for pictures of the play side, built from Glass Harbor's folder
// with larger pictures of its own: reels of 40 x 30 symbols, a yellow coin slot, a lever
// whose two frames are green and cyan, a coin, four buttons, and text indicators for the
// meters and the progressive jackpot.
#pragma once
#include <windows.h>

#include <string>

#include "MachineFiles.h"

// Where the coin slot's picture and the arm stand on the art, and their plain colours
// (channels of 0 or 255, which the engine's 5 bits a channel show unchanged).
const POINT kLanternSlot = {300, 60};
const POINT kLanternArm = {360, 40};
const COLORREF kLanternSlotColour = RGB(255, 255, 0);
const COLORREF kLanternArmColours[2] = {RGB(0, 255, 0), RGB(0, 255, 255)};

// A picture of one colour with a frame of another, written into the folder.
inline void LanternPicture(MachineFiles& files, const char* name, int32_t width, int32_t height, COLORREF fill,
                           COLORREF edge) {
    Bitmap b(width, height, 24, false);
    for (int32_t y = 0; y < height; ++y)
        for (int32_t x = 0; x < width; ++x) {
            const bool onEdge = x < 2 || y < 2 || x >= width - 2 || y >= height - 2;
            const COLORREF c = onEdge ? edge : fill;
            uint8_t* p = b.View().Row(y) + 3 * x;
            p[0] = GetBValue(c);
            p[1] = GetGValue(c);
            p[2] = GetRValue(c);
        }
    b.Save(files.Output(name));  // removed with the folder
}

// The cells of the meters: sequence 0 blank, sequences 1 to 10 the digits 0 to 9 and
// sequence 11 the dollar sign, each a 3 x 5 dot pattern drawn 4 pixels a dot. Answers the
// picture as the script names it.
inline std::string LanternDigits(MachineFiles& files) {
    static const char* const kGlyphs[12] = {
        "...............", "###.#.#.#.#.###", ".#.##..#..#.###", "###..#####..###", "###..####..####",
        "#.##.####..#..#", "####..###..####", "####..####.####", "###..#..#..#..#", "####.#####.####",
        "####.####..####", ".#####.#.#####."};
    std::string picture = "{";
    for (int g = 0; g < 12; ++g) {
        Bitmap b(12, 20, 24, false);
        for (int32_t y = 0; y < 20; ++y)
            for (int32_t x = 0; x < 12; ++x) {
                const bool lit = kGlyphs[g][(y / 4) * 3 + x / 4] == '#';
                uint8_t* p = b.View().Row(y) + 3 * x;
                p[0] = 0;
                p[1] = lit ? 220 : 0;
                p[2] = lit ? 255 : 0;
            }
        const std::string name = "cell" + std::to_string(g) + ".bmp";
        b.Save(files.Output(name));
        picture += " { \"@/" + name + "\" }";
    }
    return picture + " }";
}

// Writes the pictures (over the folder's own where the names meet); the script.
inline std::string LanternMachine(MachineFiles& files) {
    LanternPicture(files, "lantern.bmp", 420, 300, RGB(24, 32, 72), RGB(200, 160, 60));
    LanternPicture(files, "anchor.bmp", 40, 30, RGB(200, 40, 40), RGB(255, 255, 255));
    LanternPicture(files, "bell.bmp", 40, 30, RGB(230, 190, 40), RGB(255, 255, 255));
    LanternPicture(files, "bell2.bmp", 40, 30, RGB(250, 220, 90), RGB(255, 255, 255));
    LanternPicture(files, "gull.bmp", 40, 30, RGB(220, 220, 230), RGB(60, 60, 60));
    LanternPicture(files, "lever1.bmp", 24, 90, kLanternArmColours[0], RGB(0, 0, 0));
    LanternPicture(files, "lever2.bmp", 24, 90, kLanternArmColours[1], RGB(0, 0, 0));
    LanternPicture(files, "slot.bmp", 20, 50, kLanternSlotColour, RGB(0, 0, 0));
    LanternPicture(files, "coin.bmp", 16, 16, RGB(255, 200, 0), RGB(160, 100, 0));
    LanternPicture(files, "button.bmp", 50, 20, RGB(40, 140, 60), RGB(255, 255, 255));
    const std::string digits = LanternDigits(files);
    return "Title \"Brass Lantern\"\n"
           "Reels 3 3\n{\n  Reel { Anchor Bell 2 Gull }\n  Reel { Bell Gull Anchor }\n  Reel { Gull Anchor Bell 3 }\n}\n"
           "Denominations { .25, 1 }\n"
           "PayLines 1 MaxBet 2 Payouts HighestValue\nJoker Gull\nProgressive 250.00, 0.015, Jackpot\n"
           "{\n  all Bell 10, 20\n  all Anchor 50, 100\n}\n"
           "Art\n{\n"
           "  Backdrop \"@/lantern.bmp\"\n"
           "  ReelPosition 0 = 40, 40, 40 x 90 Shadow 48 12\n"
           "  ReelPosition 1 = 90, 40, 40 x 90\n"
           "  ReelPosition 2 = 140, 40, 40 x 90\n"
           "  Symbol Anchor \"@/anchor.bmp\"\n"
           "  Symbol Bell \"@/bell.bmp\" \"@/bell2.bmp\"\n"
           "  Symbol Gull \"@/gull.bmp\"\n"
           "  Animation Lever { { \"@/lever1.bmp\" \"@/lever2.bmp\" } }\n"
           "  Animation Slot { { \"@/slot.bmp\" } }\n"
           "  Sound Horn { \"@/horn.wav\" }\n"
           "  Region CoinSlot { 300, 60 { (0,0) (20,0) (20,50) (0,50) } }\n"
           "  Region Plate { 290, 130 { (0,0) (40,0) (40,20) (0,20) } }\n"
           "  Region BillSlot { 280, 170 { (0,0) (60,0) (60,14) (0,14) } }\n"
           "  Coin { { { \"@/coin.bmp\" } Transparent } Slot = 300, 60 CoinSlot Plate BillSlot Sound = Horn "
           "Denomination }\n"
           "  Button BetMax { { { \"@/button.bmp\" } } = 40, 250 }\n"
           "  Button BetOne { { { \"@/button.bmp\" } } = 100, 250 }\n"
           "  Button CashOut { { { \"@/button.bmp\" } } = 160, 250 }\n"
           "  Button Spin { { { \"@/button.bmp\" } } = 220, 250 }\n"
           "  Arm { Lever = 360, 40 }\n"
           "  Indicator Bet { " + digits + " = 40, 150 Digits = 2 }\n"
           "  Indicator Credit { " + digits + " = 90, 150 Digits = 6 }\n"
           "  Indicator Denomination { = 200, 150 }\n"
           "  Indicator Jackpot { " + digits + " = 40, 190 DollarSign Digits = 10 }\n"
           "  Indicator WinnerPaid { " + digits + " = 200, 190 Digits = 5 }\n"
           "}\n"
           "function Go() {\n}\n";
}
