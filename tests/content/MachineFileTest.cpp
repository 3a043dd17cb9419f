// The machine files that the build makes with vslc, of Foxfire Grove and of the credits:
// asset files the engine opens and loads whole, under the titles that the game menu's
// Custom list and the credits read.
#include <windows.h>

#include <gtest/gtest.h>

#include <string>

#include "AssetFileTitle.h"
#include "BuiltFileFolder.h"
#include "LoadedAssets.h"
#include "Quor2_5.h"

namespace {

const std::string kProgramDir = BuiltFileFolder(VSL_PROGRAM_DIR "/");

uint32_t AssetCount(const std::string& path) {
    const int32_t file = OpenAssetFile(path.c_str());
    if (file == -1) return 0;
    const uint32_t count = GetNumberOfAssets(uint32_t(file));
    CloseAssetFile(uint32_t(file));
    return count;
}

TEST(GeneratedMachineFile, FoxfireGroveIsBuiltBesideTheProgramUnderItsTitle) {
    const std::string path = kProgramDir + "foxfire.slot";
    EXPECT_EQ(ReadAssetFileTitle(path), "Foxfire Grove");
    // Backdrop, six symbols, animations, buttons, coin, digits, sounds, regions and the
    // machine chunk: far more than a handful of assets.
    const uint32_t count = AssetCount(path);
    EXPECT_GT(count, 20u);
    EXPECT_EQ(LoadedAssets(path), count);
}

TEST(GeneratedMachineFile, TheCreditsAreBuiltBesideTheProgramUnderTheGamesTitle) {
    const std::string path = kProgramDir + "credits.ast";
    EXPECT_EQ(ReadAssetFileTitle(path), "Vellmoor(tm) Slots");
    // The backdrop, a card for each credit line, the controls, the digits and the chime.
    const uint32_t count = AssetCount(path);
    EXPECT_GT(count, 20u);
    EXPECT_EQ(LoadedAssets(path), count);
}

}  // namespace
