// The checks after the Art block: a complete machine passes them, and each missing piece
// gives its own warning and fails the compile.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <fstream>
#include <string>
#include <vector>

#include "CompileHelpers.h"
#include "DenominationMask.h"

namespace {

const char* const kExample = "MoonlitOrchard.vsl";

const std::vector<std::string> kOpenedFiles = ExampleMachineFiles();

std::string ReadExample() { return ReadFileBytes(ExampleScriptDir() + kExample); }

// The script without every line that starts (after blanks) with one of the prefixes.
std::string Without(const std::string& text, const std::vector<std::string>& prefixes) {
    std::string out;
    size_t at = 0;
    while (at < text.size()) {
        size_t end = text.find('\n', at);
        end = end == std::string::npos ? text.size() : end + 1;
        const std::string line = text.substr(at, end - at);
        const size_t first = line.find_first_not_of(' ');
        bool drop = false;
        for (const std::string& p : prefixes)
            drop = drop || (first != std::string::npos && line.compare(first, p.size(), p) == 0);
        if (!drop) out += line;
        at = end;
    }
    return out;
}

std::vector<std::string> Messages(const std::string& script, bool* compiled = nullptr) {
    MachineDescription md;
    RecordingSink sink;
    CompileText(md, script, sink);
    if (compiled) *compiled = md.IsCompiled();
    return sink.messages;
}

TEST(ExampleMachine, ACompleteMachineCompilesWithoutAWord) {
    StandInFiles files(kOpenedFiles);
    MachineDescription md;
    RecordingSink sink;
    md.Compile(ExampleScriptDir() + kExample, &sink, nullptr);
    EXPECT_EQ(sink.messages, std::vector<std::string>{});
    ASSERT_TRUE(md.IsCompiled());
    EXPECT_EQ(md.GetButtons().size(), 5u);
    EXPECT_EQ(md.GetIndicators().size(), 5u);
    EXPECT_EQ(md.GetRegions().size(), 3u);
    EXPECT_EQ(md.GetCoin().sound, "Drop");
    EXPECT_EQ(md.GetScriptCode().substr(0, 22), "function MoonPayout() ");
}

TEST(ExampleMachine, EachMissingPieceGivesItsWarning) {
    const std::string text = ReadExample();
    ASSERT_FALSE(text.empty());
    StandInFiles files(kOpenedFiles);
    const struct {
        std::vector<std::string> removed;
        std::string warning;
    } cases[] = {
        {{"Backdrop"}, "Backdrop file required"},
        {{"Button BetMax"}, "BetMax button required"},
        {{"Button BetOne"}, "BetOne button required"},
        {{"Button CashOut"}, "CashOut button required"},
        {{"Button Spin"}, "Spin button required"},
        {{"Indicator Bet "}, "Bet indicator required"},
        {{"Indicator Credit"}, "Credit indicator required"},
        {{"Indicator WinnerPaid"}, "WinnerPaid indicator required"},
        {{"Indicator Jackpot"}, "Jackpot indicator required"},
        {{"Symbol Moon"}, "Moon reel symbol files required"},
        {{"Symbol Apple"}, "Apple reel symbol files required"},
        {{"ReelPosition"}, "Reel positions must be given."},
        {{"Region CoinSlot"}, "The Coin statement's coin-in region CoinSlot is not defined"},
        {{"Region DenomPlate"}, "The Coin statement's denomination region DenomPlate is not defined"},
        {{"Region BillSlot"}, "The Coin statement's bill acceptor region BillSlot is not defined"},
        {{"Indicator Denomination"}, "The Coin statement's denomination indicator Denomination is not defined"},
        {{"Sound Drop"}, "The Coin statement's sound Drop is not defined"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.warning);
        bool compiled = true;
        EXPECT_EQ(Messages(Without(text, c.removed), &compiled),
                  (std::vector<std::string>{c.warning + "\n", "1 Warnings\n"}));
        EXPECT_FALSE(compiled);
    }
}

// A payout's code may use what the script code declares, the machine object and its
// members, the symbols and the elements; each name that nothing defines is said.
TEST(ExampleMachine, PayoutsThatNameNothingDefinedAreWarned) {
    const std::string text = ReadExample();
    StandInFiles files(kOpenedFiles);
    auto withMoonPayout = [&](const std::string& code) {
        std::string script = text;
        const std::string from = "\"MoonPayout()\"";
        script.replace(script.find(from), from.size(), "\"" + code + "\"");
        return script;
    };
    for (const char* good : {"MoonPayout() + 2 * Bet(0)", "machine.Title.length + Math.floor(Random(5))",
                             "Moon + Jackpot.Value + Chime", "MoonPayout('abc')", "this.undefinedName"}) {
        bool compiled = false;
        EXPECT_EQ(Messages(withMoonPayout(good), &compiled), std::vector<std::string>{}) << good;
        EXPECT_TRUE(compiled) << good;
    }
    // Said once for the code that every coin count pays, and the machine still compiles.
    bool compiled = false;
    const std::string said = "Warning: Payout line 1 for 1 coin pays abc + MoonPayout() * zz, but ";
    const std::string why = " is defined neither by the script nor by the machine object: it pays nothing when "
                            "it is paid\n";
    EXPECT_EQ(Messages(withMoonPayout("abc + MoonPayout() * zz"), &compiled),
              (std::vector<std::string>{said + "abc" + why, said + "zz" + why}));
    EXPECT_TRUE(compiled);
}

// A sound the code plays by a name that no Sound statement declares is said with the script
// file's line; sounds held by variables and parameters, and comments, are not.
TEST(ExampleMachine, SoundsTheCodePlaysThatNoSoundDeclaresAreWarned) {
    std::string text = ReadExample();
    StandInFiles files(kOpenedFiles);
    const std::string insert = "machine.PlaySound(\"Chime\");";
    ASSERT_NE(std::string::npos, text.find(insert));
    text.replace(text.find(insert), insert.size(),
                 "machine.PlaySound(Chime); var held = Drop; machine.PlaySound(held); machine.PlaySound( Whirr );");
    text.replace(text.find("function Cheer() {"), 18,
                 "function Cheer(kind) { PlaySound(kind); // PlaySound(Gone)\n machine.SetTimeout(9, \"PlaySound(Clack)\");");
    bool compiled = false;
    const std::string why = ": the code stops there with an error when the machine plays\n";
    EXPECT_EQ(Messages(text, &compiled),
              (std::vector<std::string>{"Warning: Line 69 plays Whirr, but no Sound statement declares Whirr" + why,
                                        "Warning: Line 76 plays Clack, but no Sound statement declares Clack" + why}));
    EXPECT_TRUE(compiled);
}

// Each name of the Coin statement must be of the kind its place asks for.
TEST(ExampleMachine, CoinNamesOfAnotherKindAreRefused) {
    const std::string text = ReadExample();
    const std::string coinNames = "CoinSlot DenomPlate BillSlot Sound = Drop Denomination";
    ASSERT_NE(std::string::npos, text.find(coinNames));
    StandInFiles files(kOpenedFiles);
    const struct {
        std::string names, warning;
    } cases[] = {
        {"Jackpot DenomPlate BillSlot Sound = Drop Denomination", "coin-in region Jackpot is not a region"},
        {"CoinSlot Glow BillSlot Sound = Drop Denomination", "denomination region Glow is not a region"},
        {"CoinSlot DenomPlate Drop Sound = Drop Denomination", "bill acceptor region Drop is not a region"},
        {"CoinSlot DenomPlate BillSlot Sound = Drop BillSlot", "denomination indicator BillSlot is not an indicator"},
        {"CoinSlot DenomPlate BillSlot Sound = BillSlot Denomination", "sound BillSlot is not a sound"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.warning);
        std::string edited = text;
        edited.replace(edited.find(coinNames), coinNames.size(), c.names);
        bool compiled = true;
        EXPECT_EQ(Messages(edited, &compiled),
                  (std::vector<std::string>{"The Coin statement's " + c.warning + "\n", "1 Warnings\n"}));
        EXPECT_FALSE(compiled);
    }
}

TEST(ExampleMachine, MissingAnimationAndSoundFiles) {
    const std::string text = ReadExample();
    std::vector<std::string> present = kOpenedFiles;
    present.erase(present.begin() + 3);  // orchard_lever2.bmp
    present.pop_back();                  // orchard_drop.wav
    StandInFiles files(present);
    EXPECT_EQ(Messages(text), (std::vector<std::string>{
                                  "Lever uses orchard_lever2.bmp which doesn't exist\n",
                                  "Drop uses orchard_drop.wav... sounds like it's missing.\n",
                                  "2 Warnings\n"}));
}

const std::vector<std::string> kSymbols = {"Cherry", "Lemon", "Plum"};

TEST(CompileChecks, PicturesOfRequiredElements) {
    // An indicator without a picture has no files; a name of another kind is no indicator
    // with pictures either.
    const std::string art =
        Without(PlayableArt(kSymbols, "  Indicator Credit { = 1, 2 }\n  Sound Bet { \"b.wav\" }\n"),
                {"Indicator Credit { \"", "Indicator Bet"});
    EXPECT_EQ(Messages(ArtHeader() + art),
              (std::vector<std::string>{"Bet indicator files required\n",
                                        "Credit indicator files required\n",
                                        "Bet uses b.wav... sounds like it's missing.\n",
                                        "3 Warnings\n"}));
}

// A sound file that is there but no sound the game plays is said with its statement's
// line (from 1); the machine still compiles. A sound it plays is not mentioned.
TEST(CompileChecks, ASoundFileTheGameCannotPlayIsSaidWithItsLine) {
    StandInFiles files({"good.wav"});
    { std::ofstream("fake.wav", std::ios::binary) << "not wave"; }
    const std::string script =
        ArtHeader() + PlayableArt(kSymbols, "  Sound Good { \"good.wav\" }\n  Sound Fake { \"fake.wav\" }\n");
    const size_t at = script.find("Sound Fake");
    const std::string line = std::to_string(std::count(script.begin(), script.begin() + std::ptrdiff_t(at), '\n') + 1);
    bool compiled = false;
    EXPECT_EQ(Messages(script, &compiled),
              (std::vector<std::string>{"Warning: The sound Fake on line " + line +
                                        " uses fake.wav, which the game cannot play (it plays WAV files in PCM"
                                        " format at 44100, 22050 or 11025 Hz and CWV files)\n"}));
    EXPECT_TRUE(compiled);
    std::remove("fake.wav");
}

TEST(CompileChecks, ElementsTheEditorEmptied) {
    MachineDescription md;
    RecordingSink sink;
    CompileText(md, ArtHeader() + Without(PlayableArt(kSymbols, "  Animation Still { { \"s.bmp\" } }\n"),
                                          {"Button Spin"}),
                sink);
    EXPECT_EQ(sink.messages, (std::vector<std::string>{
                                 "Spin button required\n",
                                 "Still uses s.bmp which doesn't exist\n", "2 Warnings\n"}));
    ASSERT_TRUE(md.DefineButton("Spin", ButtonPart()));
    md.SetAnimationFiles("Still", AnimationReference());
    sink.messages.clear();
    md.Validate();
    EXPECT_EQ(sink.messages, (std::vector<std::string>{"Spin button files required\n",
                                                       "Still has no files\n"}));
}

TEST(CompileChecks, EveryFileOfEverySequenceIsTried) {
    StandInFiles files({"seq_a.bmp", "seq_b.bmp", "seq_c.bmp", "seq_e.bmp"});
    EXPECT_EQ(Messages(ArtHeader() +
                       PlayableArt(kSymbols, "  Animation Seq { { \"seq_a.bmp\" } { \"seq_b.bmp\" }"
                                             " { \"seq_c.bmp\" \"seq_d.bmp\" \"seq_e.bmp\" } }\n")),
              (std::vector<std::string>{"Seq uses seq_d.bmp which doesn't exist\n", "1 Warnings\n"}));
}

TEST(CompileChecks, WithoutASinkWarningsAreOnlyCounted) {
    ScriptFile file(ArtHeader() + Without(PlayableArt(kSymbols), {"Backdrop", "Symbol Lemon"}));
    MachineDescription md;
    md.Compile(file.Path(), nullptr, nullptr);
    EXPECT_FALSE(md.IsCompiled());
    EXPECT_EQ(md.GetWarningCount(), 2);
}

TEST(CompileChecks, DenominationsThatNoMachineFileHolds) {
    const std::string header =
        "Title \"D\"\nReels 3 2\n{\n  Reel { Cherry Lemon }\n  Reel { Lemon Plum }\n"
        "  Reel { Plum Cherry }\n}\n";
    const std::string rest = "PayLines 1 MaxBet 1 Payouts BestMatch\n{ all Plum 1 }\n" +
                             PlayableArt(kSymbols);
    bool compiled = true;
    EXPECT_EQ(Messages(header + "Denominations { .10, .50, 3 }\n" + rest, &compiled),
              (std::vector<std::string>{"Line 8:None of these denominations can be played; a "
                                        "machine offers .05, .25, 1, 5, 25 or 100\n",
                                        "1 Warnings\n"}));
    EXPECT_FALSE(compiled);
    EXPECT_EQ(Messages(header + "Denominations { .10, 100 }\n" + rest, &compiled),
              std::vector<std::string>{});
    EXPECT_TRUE(compiled);

    EXPECT_EQ(DenominationMask({Money(25), Money(100), Money(300)}), 0x28u);
    EXPECT_EQ(DenominationMask({}), 0x20u) << "no list: one dollar";
    EXPECT_EQ(DenominationMask({Money(5), Money(500), Money(2500), Money(10000)}), 0x1482u);
    EXPECT_EQ(DenominationMask({Money(1), Money(10), Money(50000)}), 0u);
}

}  // namespace
