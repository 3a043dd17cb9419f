// The menu command's "results" box: the report of a script that compiles, the compiler's
// messages for one that does not, and a report too tall for the screen shown whole in a
// box that fits the work area and scrolls, its OK in view.
#include <gtest/gtest.h>

#include "CalculatePayout.h"
#include "CompileHelpers.h"
#include "MessageBoxWatcher.h"
#include "ReportBoxWatcher.h"
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
    // The compiler's message ends its line before the note begins its own.
    const std::string typo = ShownFor("Constant ReelTop = 12o\n" + kScript);
    EXPECT_NE(typo.find(": Constant ReelTop = 12o\nNo payout report was made: the script has the error above.\n"),
              std::string::npos)
        << typo;
}

namespace {
// Three reels of six symbols and a pay table of `rows` combinations, each its own row.
std::string ManyRowScript(int rows) {
    const std::vector<std::string> symbols = {"Ash", "Bay", "Cob", "Dew", "Elm", "Fig"};
    std::string reel = "    Reel {";
    for (const std::string& symbol : symbols) reel += " " + symbol;
    reel += " }\n";
    std::string text = "Title \"Tall\"\nReels 3 6\n{\n" + reel + reel + reel + "}\n" +
                       "PayLines 1\nMaxBet 1\nPayouts BestMatch\n{\n";
    for (int row = 0; row < rows; ++row)
        text += "    " + symbols[row / 36 % 6] + " " + symbols[row / 6 % 6] + " " + symbols[row % 6] + " " +
                std::to_string(row % 9 + 1) + "\n";
    return text + "}\n" + PlayableArt(symbols);
}
}  // namespace

TEST(CalculatePayout, AReportTallerThanTheScreenFitsTheWorkAreaAndScrollsWithOKInView) {
    ScriptFile file(ManyRowScript(164));
    ReportWatcher watcher("results");
    ShowPayoutResults(nullptr, file.Path());
    const SeenReport seen = watcher.Result();
    ASSERT_TRUE(seen.found);
    EXPECT_EQ(seen.caption, "results");
    const RECT area = WorkAreaRect();
    EXPECT_TRUE(Inside(seen.box, area)) << "box " << seen.box.left << "," << seen.box.top << " - " << seen.box.right
                                        << "," << seen.box.bottom;
    EXPECT_TRUE(seen.okVisible);
    EXPECT_TRUE(Inside(seen.ok, seen.box));
    EXPECT_LE(seen.textRect.bottom, seen.ok.top) << "OK stands below the text";
    EXPECT_TRUE(seen.scrolls) << "the text of 164 rows scrolls";
    EXPECT_EQ(seen.firstVisibleLine, 0) << "the report is read from its first line";
    // The whole report is there, from its shape to its summary.
    EXPECT_EQ(seen.text.rfind("Reels: 3\n", 0), 0u) << seen.text.substr(0, 80);
    EXPECT_NE(seen.text.find("payline 163 weight "), std::string::npos);
    EXPECT_NE(seen.text.find("\nPercentage: "), std::string::npos);
}

TEST(CalculatePayout, AShortReportIsShownWholeWithoutScrolling) {
    ReportWatcher watcher("results");
    ScriptFile file(kScript);
    ShowPayoutResults(nullptr, file.Path());
    const SeenReport seen = watcher.Result();
    ASSERT_TRUE(seen.found);
    EXPECT_FALSE(seen.scrolls);
    EXPECT_NE(seen.text.find("Percentage: 400.00"), std::string::npos);
    EXPECT_TRUE(Inside(seen.box, WorkAreaRect()));
}
