// The machine file that the build makes of Foxfire Grove with vslc: an asset file the
// engine opens, whose title the game menu's Custom list reads.
#include <windows.h>

#include <gtest/gtest.h>

#include <string>

#include "AssetFileTitle.h"
#include "BuiltFileFolder.h"
#include "Quor2_5.h"

namespace {

const std::string kMachineFile = BuiltFileFolder(VSL_PROGRAM_DIR "/foxfire.slot");

TEST(GeneratedMachineFile, FoxfireGroveIsBuiltBesideTheProgramUnderItsTitle) {
    EXPECT_EQ(ReadAssetFileTitle(kMachineFile), "Foxfire Grove");
    const int32_t file = OpenAssetFile(kMachineFile.c_str());
    ASSERT_NE(file, -1);
    // Backdrop, six symbols, animations, buttons, coin, digits, sounds, regions and the
    // machine chunk: far more than a handful of assets.
    EXPECT_GT(GetNumberOfAssets(uint32_t(file)), 20u);
    CloseAssetFile(uint32_t(file));
}

}  // namespace
