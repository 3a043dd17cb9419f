// What the wizard's pages choose, apart from pictures held in memory: the machine's name,
// the award card's font and background, the sounds, the style and the symbols, over the
// payout state of the wizard data. The generators of the machine's script read it; it
// needs no platform.
#pragma once
#include <array>
#include <cstdint>
#include <string>

#include "WizardPayout.h"

// The six sounds a machine may have, in the order of the document's sound fields.
enum WizardSound { kSpinSound, kReelStopSound, kWinSound, kWinBigSound, kLoseSound, kCoinSound };

class WizardChoices : public WizardPayout {
public:
    static constexpr int kSounds = 6;

    WizardChoices();

    std::string name = "New Machine";
    std::string identifier;  // the machine's file name without extension
    std::string displayName;  // the name with double quotes made two single quotes
    std::string errorText;   // set by a failing build step
    std::string fontName = "Times New Roman";

    int32_t soundBaseIndex = 0;
    std::array<int32_t, kSounds> soundGalleryIndexes;
    std::array<std::string, kSounds> customSoundFiles;

    uint32_t bodyIndex = 0;
    uint32_t armIndex = 0;
    uint32_t buttonSetIndex = 0;
    uint32_t fontSize = 18;
    uint32_t awardBackdropIndex = 0;  // asset number in the gallery
    uint32_t awardBackdropPick = 18;  // the pick in the gallery of award backdrops

    std::array<std::string, kSymbolSlots> symbolCustomFiles;
    std::array<int32_t, kSymbolSlots> symbolGalleryIndexes;  // asset numbers, -1 for a bitmap
    // The gallery picks of the symbols page (-1 for a bitmap); the build translates them
    // into the asset numbers above.
    std::array<int32_t, kSymbolSlots> symbolPicks;

    // The sound was chosen from the gallery.
    bool HasGallerySound(WizardSound sound) const { return soundGalleryIndexes[sound] >= 0; }
    // The machine's script declares the sound: chosen from the gallery or from disk.
    bool HasSound(WizardSound sound) const
    {
        return HasGallerySound(sound) || !customSoundFiles[sound].empty();
    }
};
