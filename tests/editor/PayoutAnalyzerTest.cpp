// The payout analyzer's report, to the character: small machines counted by hand, the
// pay-line counts and bets that decide what a spin is matched for, weights, scriptlet
// payouts, lines that cannot be counted, large counts, and scripts that do not compile.
#include <gtest/gtest.h>

#include "AnalyzerRuns.h"

namespace {

// Two reels of three stops: reel 0 shows Bell, Plum, Plum; reel 1 Bell, Bell, Plum.
std::string TwoReels(const std::string& reel0, const std::string& lines, const std::string& table,
                     int maxBet = 2) {
    return "Title \"Two Reels\"\nReels 2 3\n{\n    Reel { " + reel0 +
           " }\n    Reel { Bell Bell Plum }\n}\nPayLines " + lines + "\nMaxBet " +
           std::to_string(maxBet) + "\nPayouts BestMatch\n{\n" + table + "}\n" +
           PlayableArt({"Bell", "Plum"});
}

const std::string kBellPlum = "    all Bell 5, 10\n    all Plum 2, 4\n";

// Two reels that show Bell everywhere, so every line wins every spin.
std::string AllBells(int payLines, int maxBet, const std::string& payouts, int reels = 2) {
    std::string text = "Title \"Bells\"\nReels " + std::to_string(reels) + " 2\n{\n";
    for (int reel = 0; reel < reels; ++reel) text += "    Reel { Bell Bell }\n";
    return text + "}\nPayLines " + std::to_string(payLines) + "\nMaxBet " + std::to_string(maxBet) +
           "\nPayouts BestMatch\n{\n    all Bell " + payouts + "\n}\n" + PlayableArt({"Bell"});
}

std::string Report(const std::string& text) {
    const AnalyzerRun run = Analyze(text);
    EXPECT_TRUE(run.analyzed) << run.messages;
    EXPECT_EQ(run.messageCount, 1u);
    return run.messages;
}

}  // namespace

TEST(PayoutReport, OneLineIsMatchedForTheMaximumBet) {
    EXPECT_EQ(Report(TwoReels("Bell Plum Plum", "1", kBellPlum)),
              "Reels: 2\nPay Lines: 1\nMax Bet: 2\nReel Stops: 3\n"
              "payline 0 weight 2\npayline 1 weight 2\n"
              "You win something 4 times out of 9 attempts.\n"
              "So the win percentage is 44.44\n"
              "Spent: 18\nWon: 28\nPercentage: 155.56\n");
}

TEST(PayoutReport, WeightsOfOneCountLikePlainStops) {
    EXPECT_EQ(Report(TwoReels("Bell 1 Plum 1 Plum 1", "1", kBellPlum)),
              Report(TwoReels("Bell Plum Plum", "1", kBellPlum)));
}

TEST(PayoutReport, AttemptsAreCountedByWeight) {
    // Reel 0 weighs 5 (Bell 3), reel 1 weighs 3: 15 weighted attempts, not 9.
    EXPECT_EQ(Report(TwoReels("Bell 3 Plum Plum", "1", kBellPlum)),
              "Reels: 2\nPay Lines: 1\nMax Bet: 2\nReel Stops: 3\n"
              "payline 0 weight 6\npayline 1 weight 2\n"
              "You win something 8 times out of 15 attempts.\n"
              "So the win percentage is 53.33\n"
              "Spent: 30\nWon: 68\nPercentage: 226.67\n");
}

TEST(PayoutReport, ThreeLinesAreMatchedForOneTwoAndThreeCoins) {
    EXPECT_EQ(Report(AllBells(3, 3, "1, 10, 100")),
              "Reels: 2\nPay Lines: 3\nMax Bet: 3\nReel Stops: 2\n"
              "payline 0 weight 12\n"
              "You win something 4 times out of 4 attempts.\n"
              "So the win percentage is 300.00\n"
              "Spent: 12\nWon: 444\nPercentage: 3,700.00\n");
    EXPECT_NE(Report(AllBells(1, 3, "1, 10, 100")).find("Won: 400\nPercentage: 3,333.33\n"),
              std::string::npos);
}

TEST(PayoutReport, TwoAndFourPayLinesCountNothing) {
    for (int lines : {2, 4})
        EXPECT_EQ(Report(AllBells(lines, 3, "1, 10, 100")),
                  "Reels: 2\nPay Lines: " + std::to_string(lines) + "\nMax Bet: 3\nReel Stops: 2\n"
                  "payline 0 weight 0\n"
                  "You win something 0 times out of 4 attempts.\n"
                  "So the win percentage is 0.00\n"
                  "Spent: 12\nWon: 0\nPercentage: 0.00\n");
}

TEST(PayoutReport, LinesThatCannotBeCountedAreNamed) {
    // Five lines on two reels: the diagonals need three reels. A bet of 2 leaves out
    // lines 2 to 4 for their coins as well.
    const std::string five = Report(AllBells(5, 5, "* 1"));
    EXPECT_NE(five.find("payline 0 weight 12\nYou win something 4 times out of 4 attempts.\n"),
              std::string::npos);
    EXPECT_NE(five.find("Percentage: 120.00\n"
                        "Line 3 is not counted: it needs three reels.\n"
                        "Line 4 is not counted: it needs three reels.\n"),
              std::string::npos);
    const std::string lowBet = Report(AllBells(5, 2, "* 1", 3));
    EXPECT_NE(lowBet.find("payline 0 weight 16\n"), std::string::npos);
    EXPECT_NE(lowBet.find("Line 2 is not counted: it bets 3 coins, more than the maximum bet of 2.\n"
                          "Line 3 is not counted: it bets 4 coins, more than the maximum bet of 2.\n"
                          "Line 4 is not counted: it bets 5 coins, more than the maximum bet of 2.\n"),
              std::string::npos);
    EXPECT_EQ(Report(AllBells(5, 5, "* 1", 3)).find("not counted"), std::string::npos);
}

TEST(PayoutReport, ScriptletHitsAreCountedApartFromWhatIsWon) {
    const std::string bonus = "function Bonus() {\n}\n";
    const std::string report = Report(AllBells(3, 2, "\"Bonus()\", 10") + bonus);
    EXPECT_NE(report.find("payline 0 weight 8\n"), std::string::npos);
    EXPECT_NE(report.find("Won: 40\n"), std::string::npos);
    EXPECT_NE(report.find("Scriptlet payouts hit 4 times; their amounts come from the machine's "
                          "script and are not in Won.\n"),
              std::string::npos);
    EXPECT_EQ(Report(AllBells(1, 2, "\"Bonus()\", 10") + bonus).find("Scriptlet"), std::string::npos);
}

TEST(PayoutReport, CountsPastThirtyTwoBitsStayExact) {
    // Three reels weighing 80,000 each.
    std::string text = "Title \"Heavy\"\nReels 3 2\n{\n";
    for (int reel = 0; reel < 3; ++reel) text += "    Reel { Bell 40000 Bell 40000 }\n";
    text += "}\nPayLines 1\nMaxBet 1\nPayouts BestMatch\n{\n    all Bell 3\n}\n" + PlayableArt({"Bell"});
    EXPECT_EQ(Report(text),
              "Reels: 3\nPay Lines: 1\nMax Bet: 1\nReel Stops: 2\n"
              "payline 0 weight 512,000,000,000,000\n"
              "You win something 512,000,000,000,000 times out of 512,000,000,000,000 attempts.\n"
              "So the win percentage is 100.00\n"
              "Spent: 512,000,000,000,000\nWon: 1,536,000,000,000,000\nPercentage: 300.00\n");
}

TEST(PayoutReport, WeightsTooLargeForSixtyFourBitsAreRefused) {
    std::string text = "Title \"Huge\"\nReels 5 1\n{\n";
    for (int reel = 0; reel < 5; ++reel) text += "    Reel { Bell 2000000000 }\n";
    text += "}\nPayLines 1\nMaxBet 1\nPayouts BestMatch\n{\n    all Bell 3\n}\n" + PlayableArt({"Bell"});
    const AnalyzerRun run = Analyze(text);
    EXPECT_TRUE(run.analyzed);
    EXPECT_EQ(run.messages,
              "The reels' stop weights are too large to analyze: their product passes 2^63.\n");
}

// The count needs no pictures: a machine whose picture and sound files are not there is
// counted, with the compiler's warnings above the report.
TEST(PayoutAnalyzer, MissingPicturesAndSoundsStandAboveTheReport) {
    const std::string whole = TwoReels("Bell Plum Plum", "1", kBellPlum);
    std::string text = whole;
    text.insert(text.rfind("}\n"), "  Animation Glow { { \"glow.bmp\" } }\n  Sound Clack { \"clack.wav\" }\n");
    const AnalyzerRun run = Analyze(text);
    EXPECT_TRUE(run.analyzed) << run.messages;
    const std::string warnings =
        "Glow uses glow.bmp which doesn't exist\nClack uses clack.wav... sounds like it's missing.\n2 Warnings\n";
    EXPECT_EQ(run.messages, warnings + Report(whole));
}

TEST(PayoutAnalyzer, AScriptThatDoesNotCompileLeavesOnlyTheCompilersMessages) {
    const AnalyzerRun run = Analyze("Title \"Broken\"\nReels 2\n");
    EXPECT_FALSE(run.analyzed);
    EXPECT_NE(run.messages.find(" on line "), std::string::npos) << run.messages;
    EXPECT_EQ(run.messages.find("Reels: "), std::string::npos);
}
