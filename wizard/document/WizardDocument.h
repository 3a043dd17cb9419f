// Everything the New Machine Wizard's pages choose and its generators read: the machine's
// name, the award card's font and background, the sounds, the style, the symbols, and
// (in its base) the wizard data and the payout state.
#pragma once
#include <array>
#include <cstdint>
#include <string>

#include "Bitmap.h"
#include "WizardPayout.h"

class WizardDocument : public WizardPayout {
public:
    static constexpr int kSounds = 6;  // spin, reel stop, win, win big, lose, coin

    WizardDocument();

    // The wizard data file of the clip-art folder on the game CD.
    bool LoadWizardData();

    std::string name = "New Machine";
    std::string identifier;  // the machine's file name without extension
    std::string errorText;   // set by a failing build step
    std::string fontName = "Times New Roman";

    int32_t soundBaseIndex = 0;
    std::array<int32_t, kSounds> soundGalleryIndexes;
    std::array<std::string, kSounds> customSoundFiles;

    uint32_t bodyIndex = 0;
    uint32_t armIndex = 0;
    uint32_t buttonSetIndex = 0;
    uint32_t fontSize = 18;
    uint32_t awardBackdropIndex = 0;
    Bitmap customAwardBackdrop;  // no pixels when none was picked

    std::array<std::string, kSymbolSlots> symbolCustomFiles;
    std::array<int32_t, kSymbolSlots> symbolGalleryIndexes;
};
