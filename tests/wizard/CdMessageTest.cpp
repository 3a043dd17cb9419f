// The wizard's start texts: the data file's path and the "CD not found" text.
#include <gtest/gtest.h>

#include "CdMessage.h"

namespace {

TEST(CdMessage, NamesTheDriveOfTheClipArtFolder)
{
    EXPECT_EQ("E:\\VSL\\ClipArt\\VSLWizard.dta", WizardDataPath("E:\\VSL\\ClipArt"));
    EXPECT_EQ("The New Machine Wizard needs to have the\nVellmoor Slots CD in the CD drive.\n"
              "Place the CD in the drive and press OK to\ncontinue.  If the CD has changed from\n"
              "being E: select the Options item from the\nOptions menu.",
              CdMessage("E:\\VSL\\ClipArt"));
}

TEST(CdMessage, WithoutAFolderTheTextStaysWhole)
{
    const std::string text = CdMessage("");
    EXPECT_EQ(0u, text.find("The New Machine Wizard needs to have the\n"));
    EXPECT_EQ(std::string::npos, text.find('\0'));
    const std::string ending = "select the Options item from the\nOptions menu.";
    ASSERT_GE(text.size(), ending.size());
    EXPECT_EQ(ending, text.substr(text.size() - ending.size()));
    EXPECT_EQ(std::string::npos, text.find("being :"));
}

}  // namespace
