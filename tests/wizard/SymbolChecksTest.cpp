// The symbols page's checks before going on, the text that asks for a spoiler, and the
// size a loaded bitmap takes as a symbol picture.
#include <gtest/gtest.h>

#include "SymbolChecks.h"
#include "WizardChoices.h"

namespace {

// With every default taken, Next on the symbols page used to stop at the default group's
// missing name.
TEST(SymbolGroups, TheDefaultGroupGoesThrough)
{
    const WizardChoices document;
    EXPECT_EQ("", ValidateSymbolGroups(document));
    EXPECT_EQ("Bars", document.groupName);
}

TEST(SymbolGroups, OneMemberBlocksEvenWithANameTwoNeedANameDisabledPasses)
{
    WizardChoices document;
    document.groupMembers = {0, 0, 0, 1, 0};
    document.groupName = "fruit";
    EXPECT_EQ(0u, ValidateSymbolGroups(document).find("You've made a group with only one member"));

    document.groupMembers = {0, 1, 0, 1, 0};
    EXPECT_EQ("", ValidateSymbolGroups(document));
    document.groupName.clear();
    document.reelCount = 4;
    const std::string unnamed = ValidateSymbolGroups(document);
    EXPECT_NE(std::string::npos, unnamed.find("then the line \" 4 fruit pays 1\" will appear on the award card"));
    EXPECT_EQ(0u, unnamed.find("A group must have a name"));

    document.groupsEnabled = false;  // nothing is checked without groups
    document.groupMembers = {0, 0, 0, 1, 0};
    EXPECT_EQ("", ValidateSymbolGroups(document));
    document.groupsEnabled = true;
    document.groupMembers = {0, 0, 0, 0, 0};
    EXPECT_EQ("", ValidateSymbolGroups(document));
}

TEST(SymbolGroups, TheSpoilerTextNamesTheRejectedReturnInWholePercent)
{
    const std::string text = SpoilerNeededText(1.0371);
    EXPECT_EQ(0u, text.find("I couldn't find a combination of stops that gave less than 104% unless"));
    EXPECT_NE(std::string::npos, text.find("\nI've enabled the spoiler"));
    EXPECT_NE(std::string::npos, SpoilerNeededText(0.8249).find("less than 82%"));
}

// A reel symbol is 64 by 64: a square picture was squashed to 64 by 48.
TEST(SymbolPicture, ScaledToFitTheReelSymbolKeepingProportions)
{
    EXPECT_EQ(64, FitSymbolPicture(64, 64).width);
    EXPECT_EQ(64, FitSymbolPicture(64, 64).height);
    EXPECT_EQ(64, FitSymbolPicture(128, 48).width);
    EXPECT_EQ(24, FitSymbolPicture(128, 48).height);  // 20 rows of background above and below
    EXPECT_EQ(43, FitSymbolPicture(50, 75).width);     // (37 + 3200) / 75
    EXPECT_EQ(64, FitSymbolPicture(50, 75).height);
    EXPECT_EQ(64, FitSymbolPicture(64, 48).width);
    EXPECT_EQ(48, FitSymbolPicture(64, 48).height);
    EXPECT_EQ(58, FitSymbolPicture(100, 111).width);  // (55 + 6400) / 111 rounds down
    EXPECT_EQ(64, FitSymbolPicture(300, 300).height);
}

}  // namespace
