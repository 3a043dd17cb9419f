// Three wizard machines generated whole and compared line by line with their golden
// texts, and the fragments that fix each branch of the text checked in place.
#include <gtest/gtest.h>

#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "GeneratorDocuments.h"

namespace {

std::vector<std::string> Lines(const std::string& text)
{
    std::vector<std::string> lines;
    std::istringstream in(text);
    for (std::string line; std::getline(in, line);)
        lines.push_back(line);
    return lines;
}

std::string ReadGolden(const std::string& name)
{
    std::ifstream in(std::string(VSL_WIZARD_GOLDEN) + "/" + name, std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

void ExpectGolden(const std::string& name, const std::string& generated)
{
    const std::vector<std::string> expected = Lines(ReadGolden(name));
    const std::vector<std::string> actual = Lines(generated);
    ASSERT_FALSE(expected.empty()) << name;
    for (std::size_t i = 0; i < expected.size() && i < actual.size(); ++i)
        ASSERT_EQ(expected[i], actual[i]) << name << " line " << i + 1;
    EXPECT_EQ(expected.size(), actual.size()) << name;
}

// The lines of `fragment` stand one after another in the text.
::testing::AssertionResult HasFragment(const std::string& text, const std::string& fragment)
{
    if (text.find(fragment) != std::string::npos)
        return ::testing::AssertionSuccess();
    return ::testing::AssertionFailure() << "missing:\n" << fragment;
}

TEST(GoldenMachineText, EachMachineMatchesItsGoldenText)
{
    ExpectGolden("AmberOrchard.txt", GeneratedText(AmberOrchard()));
    ExpectGolden("BrassLagoon.txt", GeneratedText(BrassLagoon()));
    ExpectGolden("CoralCrown.txt", GeneratedText(CoralCrown()));
}

TEST(GoldenMachineText, OneLineMachineWritesMultipliersAndFiveJackpots)
{
    const std::string text = GeneratedText(AmberOrchard());
    EXPECT_EQ(0u, text.find("Title \"Amber Orchard\"\nReels 3 26{\nReel\n    {\n        "));
    EXPECT_TRUE(HasFragment(text, "    }\n}\nDenominations\n{\n  .25, 1, 5, 25, 100\n}\nPayLines 1\nMaxBet 5\n"
                                  "Payouts HighestValue\nJoker Sym0\n{\n"
                                  "all Sym0     1000, 2000, 3000, 4000, 6250\n\n"
                                  "all Sym1     *7.9\nall Sym2     *25\nall Sym3     *10\nall Sym4     *5\n"
                                  "BothWays Cherry any    any *2.5\nBothWays Cherry Cherry any *5\n"
                                  "all Cherry                 *10\n}\nArt\n{\n"
                                  "Backdrop \"AmberOrchard.bmp\"\n"
                                  "Symbol Sym0 \"D:\\clipart\\gallery.ast\" , 3\n"));
    EXPECT_TRUE(HasFragment(text, "Symbol Spoiler \"D:\\clipart\\gallery.ast\" , 14\nButton CashOut\n{{{\n"
                                  " \"D:\\clipart\\buttons\\cashout_enabled.bmp\" \"D:\\clipart\\buttons\\cashout_pressed.bmp\""
                                  " \"D:\\clipart\\buttons\\cashout_disabled.bmp\"}transparent}\n= 611,106\n}\n"));
    EXPECT_TRUE(HasFragment(text, "    ReelPosition 0 = 122 , 470 , 73 x 160 Shadow 80 40\n"));
    EXPECT_TRUE(HasFragment(text, "gimmeBills\n    IDenom }\n"));  // no coin sound
    // No sound and no pay lights: the Art block ends the script.
    EXPECT_TRUE(HasFragment(text, "Arm {{ \"D:\\clipart\\arms.ast\",12}\n = 511 , 262}\n}\n"));
    EXPECT_EQ(text.size() - 2, text.rfind("}\n"));
    EXPECT_EQ(std::string::npos, text.find("Blank"));
    EXPECT_EQ(std::string::npos, text.find("paylines"));
}

TEST(GoldenMachineText, ThreeLineMachineWithGroupsBlanksAndChosenSounds)
{
    const std::string text = GeneratedText(BrassLagoon());
    EXPECT_TRUE(HasFragment(text, "PayLines 3\nMaxBet 3\nPayouts HighestValue\n{\n"
                                  "all Sym0     \"JackpotPayout()\", \"JackpotPayout()\", \"JackpotPayout()\"\n\n"
                                  "all Sym1     150, 150, 150\n\n"));
    EXPECT_TRUE(HasFragment(text, "all Sym4     8, 8, 8\n\nSym3 Sym2 Sym2 3, 3, 3\n\nSym4 Sym2 Sym2 3, 3, 3\n\n"));
    EXPECT_TRUE(HasFragment(text, "Sym3 Sym4 Sym4 3, 3, 3\n\n}\nArt\n"));
    EXPECT_EQ(std::string::npos, text.find("Cherry"));
    EXPECT_EQ(std::string::npos, text.find("Spoiler"));
    EXPECT_TRUE(HasFragment(text, "Symbol Sym4 \"D:\\clipart\\gallery.ast\" , 8\n"
                                  "Symbol Blank \"D:\\clipart\\BlankSym.bmp\"\nButton CashOut\n"));
    EXPECT_TRUE(HasFragment(text, "    Sound wavSpin { \"D:\\clipart\\gallery.ast\" , 22 }\n"
                                  "    Sound wavReelStop { \"C:\\sounds\\clack.wav\" }\n"
                                  "    Sound wavWinBig { \"D:\\clipart\\gallery.ast\" , 25 }\n"
                                  "Arm {{ \"D:\\clipart\\arms.ast\",59}\n = 506 , 251}\n}\nvar paylines = 3\n"
                                  "var winningLines = new Array(5);\n"));
    // The spin sound's handler twice (pay lights, then the gallery sound); the reel-stop
    // sound from disk only in the pay-light block.
    EXPECT_TRUE(HasFragment(text, "\t}\n}\nfunction machine::OnReelsStart()\n{\n    machine.PlaySound(wavSpin);\n}\n\n"
                                  "function machine::OnReelStop(kReel)\n{\n    machine.PlaySound(wavReelStop);\n}\n\n"
                                  "function NextLightIndex(i)\n"));
    EXPECT_TRUE(HasFragment(text, "\t\t}\n\t}\n}\nfunction machine::OnReelsStart()\n{\n    machine.PlaySound(wavSpin);\n}\n"
                                  "function machine::OnPayment(payment, line, tableIndex)\n"));
    EXPECT_TRUE(HasFragment(text, "function machine::OnTotalPayment(pay)\n{\n    if (pay > 0) {\n"
                                  "\t    machine.SetTimeout(250, \"MoveFlash(PreviousLightIndex(0))\");\n    }\n"
                                  "    if (pay >= 40) {\n        machine.PlaySound(wavWinBig);\n    }\n}\n"
                                  "function machine::OnAllReelsStop()\n{\n    var i;\n"
                                  "    for(i=0;i<5;++i) winningLines[i]=0;\n    return 1;\n}\n"
                                  "function JackpotPayout()\n{\n    if (Bet.Value == 3) {\n        return 2000;\n    }\n"
                                  "    return 1600;\n}\n"));
}

TEST(GoldenMachineText, FourReelMachineWithEverySound)
{
    const std::string text = GeneratedText(CoralCrown());
    EXPECT_EQ(0u, text.find("Title \"Coral Crown\"\nReels 4 26{\n"));
    EXPECT_TRUE(HasFragment(text, "BothWays Cherry    any    any any 2, 2, 2\n\n"
                                  "BothWays Cherry Cherry    any any 5, 5, 5\n\n"
                                  "BothWays Cherry Cherry Cherry any 10, 10, 10\n\n"
                                  "all Cherry                        20, 20, 20\n\n}\n"));
    EXPECT_TRUE(HasFragment(text, "Symbol Spoiler \"D:\\clipart\\gallery.ast\" , 14\n"
                                  "Symbol Blank \"D:\\clipart\\BlankSym.bmp\"\n"));
    EXPECT_TRUE(HasFragment(text, "gimmeBills\n    Sound = wavCoin\n    IDenom }\n"));
    EXPECT_TRUE(HasFragment(text, "    Sound wavCoin { \"D:\\clipart\\gallery.ast\" , 105 }\n"
                                  "Arm {{ \"D:\\clipart\\arms.ast\",130}\n = 511 , 257}\n}\n"));
    EXPECT_TRUE(HasFragment(text, "    if (pay > 0 && pay < 120) {\n        machine.PlaySound(wavWin);\n    }\n"
                                  "    if (pay >= 120) {\n        machine.PlaySound(wavWinBig);\n    }\n"
                                  "    if (pay == 0) {\n        machine.PlaySound(wavLose);\n    }\n}\n"));
    EXPECT_TRUE(HasFragment(text, "        return 10000;\n    }\n    return 8000;\n}\n"));
}

}  // namespace
