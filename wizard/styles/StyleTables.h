// The wizard's machine styles: three bodies ("Traditional", "Gold", "Beach"), each with a
// body picture and Art text for every reel and pay-line layout, twelve arms and three
// button sets. Constant data of the program; file names are relative to the clip-art
// folder of the game CD (the "$artpath" of the Art texts).
#pragma once
#include <array>
#include <cstdint>
#include <string>
#include <vector>

// A picture: a bitmap file, or asset `index` of an asset file.
struct ArtRef {
    bool isAsset = false;
    std::string file;
    int32_t index = 0;
};

struct ArmStyle {
    std::string name;
    bool singleImage = true;     // the arm is the one sprite `image`, else `frames`
    ArtRef image;
    std::vector<ArtRef> frames;
    bool transparent = true;
    int32_t x = 0, y = 0;        // where the arm stands on the body
};

struct ButtonStyle {
    std::string name;                 // "Spin", "BetMax", "BetOne", "CashOut"
    std::array<ArtRef, 3> images;     // enabled, pressed, disabled
    bool transparent = true;
    int32_t x = 0, y = 0;
};

struct ButtonSet {
    std::string name;
    std::array<ButtonStyle, 4> buttons;  // spin, betmax, betone, cashout
};

// Where the award card (800 x 600) is drawn into the body picture, scaled.
struct AwardCardPlacement {
    int32_t left = 0, top = 0, right = 0, bottom = 0;
    int32_t sourceWidth = 800, sourceHeight = 600;
};

struct CoinLight {
    std::string name;  // "ICoin1" to "ICoin5"
    int32_t left = 0, top = 0, right = 0, bottom = 0;
};

struct ReelPlacement {
    int left, top, width, height;
};

struct BodyLayout {
    ArtRef bitmap;
    std::vector<ReelPlacement> reels;
    bool payLights = false;  // three or five pay lines
    int32_t maxBet = 5;
    std::vector<CoinLight> coinLights;
    AwardCardPlacement awardCard;
    std::string artText;  // with the placeholders "$artpath" and "$coinsound"
};

constexpr int kBodyLayouts = 5;

struct MachineBody {
    std::string name;
    std::array<BodyLayout, kBodyLayouts> layouts;
    int32_t armCount = 0;
    const ArmStyle* arms = nullptr;
    int32_t buttonSetCount = 0;
    const ButtonSet* buttonSets = nullptr;
    std::string extraText;
};

// The three bodies in the order of the wizard's style list.
const std::vector<MachineBody>& GetMachineBodies();

// The layout of a machine: 0 three reels and one line, 1 three reels and three lines,
// 2 three reels and five lines, 3 four reels and one line, 4 four reels and three lines;
// -1 for a combination the wizard does not offer.
int LayoutIndex(int reels, int payLines);

// Every file of the clip-art folder that the tables name (bodies, arms, buttons and the
// files of the Art texts), each once.
std::vector<std::string> StyleArtFiles();
