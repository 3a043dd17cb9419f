// The menu command's "results" box: the report of a script that compiles, the compiler's
// messages for one that does not.
#include <gtest/gtest.h>

#include "CalculatePayout.h"
#include "CompileHelpers.h"
#include "MessageBoxWatcher.h"
#include "ScriptFile.h"

namespace {

const std::string kScript =
    "Title \"Box\"\nReels 2 2\n{\n    Reel { Bell Plum }\n    Reel { Bell Bell }\n}\n"
    "PayLines 1\nMaxBet 1\nPayouts BestMatch\n{\n    all Bell 8\n}\n" +
    PlayableArt({"Bell", "Plum"});

std::string ShownFor(const std::string& text) {
    ScriptFile file(text);
    BoxWatcher watcher("results");
    ShowPayoutResults(nullptr, file.Path());
    const SeenBox seen = watcher.Result();
    EXPECT_TRUE(seen.found);
    return seen.text;
}

}  // namespace

TEST(CalculatePayout, TheResultsBoxShowsTheReport) {
    EXPECT_EQ(ShownFor(kScript),
              "Reels: 2\nPay Lines: 1\nMax Bet: 1\nReel Stops: 2\n"
              "payline 0 weight 2\n"
              "You win something 2 times out of 4 attempts.\n"
              "So the win percentage is 50.00\n"
              "Spent: 4\nWon: 16\nPercentage: 400.00\n");
}

TEST(CalculatePayout, TheResultsBoxShowsTheCompilersMessages) {
    const std::string shown = ShownFor("Title \"Broken\"\nReels 2\n");
    EXPECT_NE(shown.find(" on line "), std::string::npos) << shown;
    EXPECT_NE(shown.find("No payout report was made: the script has the error above."), std::string::npos) << shown;
}
