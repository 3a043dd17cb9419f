// Every machine the wizard can be asked for, generated from the wizard data file into a
// clip-art folder of the test's own: each script compiles without a warning and builds
// into a machine file (vslc.exe itself builds every style and layout), each one's
// JScript loads and runs its handlers through a spin without a script error under the
// system's JScript engine, and each machine file, loaded as the game loads it, pays a
// line of any one symbol as its script's pay table says.
#include <windows.h>

#include <gtest/gtest.h>

#include <cstdio>
#include <set>
#include <string>
#include <vector>

#include "Bitmap.h"
#include "BuildMachine.h"
#include "BuiltFileFolder.h"
#include "EnginePictureProbe.h"
#include "FakeMachineScript.h"
#include "GalleryLayout.h"
#include "MachineDescriptionFile.h"
#include "MachineScript.h"
#include "MachineText.h"
#include "MessageCollector.h"
#include "PayChoices.h"
#include "Quor2_5.h"
#include "StyleTables.h"
#include "SymbolArt.h"
#include "VslcRun.h"
#include "UniformLineSpins.h"
#include "WizardClipArt.h"

namespace {

// Sound choices the configurations take in turn: spin, reel stop, win, win big, lose,
// coin; -1 none, -2 a sound file from disk.
const int kSoundPatterns[][6] = {
    {-1, -1, -1, -1, -1, -1}, {0, 1, 2, 3, 4, 5}, {-1, -1, 2, -1, -1, -1}, {-1, -1, -1, 3, -1, -1},
    {0, 1, -1, -1, -1, -1},   {-2, -2, 2, 3, 4, -2}, {-1, -1, -1, -1, 4, -1}, {-2, -1, 2, -1, 4, 5},
};
constexpr int kSoundPatternCount = sizeof kSoundPatterns / sizeof kSoundPatterns[0];

struct Configuration {
    WizardChoices document;
    std::string label;
};

std::string Label(const WizardChoices& d, unsigned key)
{
    return "key " + std::to_string(key) + " level " + std::to_string(d.payoutLevel) + " lines " +
           std::to_string(d.payLines) + " body " + std::to_string(d.bodyIndex) + " arm " + std::to_string(d.armIndex) +
           " buttons " + std::to_string(d.buttonSetIndex);
}

void ChooseArt(WizardChoices& d, int n, const WizardClipArt& art, const std::string& wave)
{
    d.bodyIndex = unsigned((n + n / 3) % 3);
    d.armIndex = unsigned(n / 3 % 12);
    d.buttonSetIndex = unsigned(n / 2 % 3);
    d.awardBackdropIndex = unsigned(art.AwardBackdrop(n % 2));
    d.soundBaseIndex = art.FirstSound();
    const int* sounds = kSoundPatterns[n % kSoundPatternCount];
    for (int s = 0; s < WizardChoices::kSounds; ++s) {
        d.soundGalleryIndexes[s] = sounds[s] >= 0 ? sounds[s] : -1;
        d.customSoundFiles[s] = sounds[s] == -2 ? wave : std::string();
    }
    for (int slot = 0; slot < kSymbolSlots; ++slot)
        d.symbolGalleryIndexes[slot] = art.SymbolSprite(slot);
    // Now and then a symbol the symbols page saved from a custom picture.
    if (n % 5 == 0) {
        const int slot = n / 5 % kSymbolSlots;
        d.symbolGalleryIndexes[slot] = -1;
        d.symbolCustomFiles[slot] = "sym" + std::to_string(slot) + ".bmp";
    }
}

// Every reachable choice of the data file's key with every pay-line count its reels
// allow, the payout levels, styles, arms, button sets and sounds taken in turn.
std::vector<Configuration> AllConfigurations(const WizardPayout& data, const WizardClipArt& art, const std::string& wave)
{
    std::vector<Configuration> all;
    int n = 0;
    for (unsigned key = 0; key < kPayKeys; ++key) {
        if (!PayChoices::IsReachable(key))
            continue;
        const PayChoices choices = PayChoices::FromKey(key);
        for (unsigned lines : {1u, 3u, 5u}) {
            if (lines == 5 && choices.reels == 4)
                continue;
            Configuration c;
            WizardChoices& d = c.document;
            d.magic = data.magic;
            d.table = data.table;
            d.SetPayoutLevel(unsigned(n % 4));
            d.SetChoices(choices);
            d.payLines = lines;
            d.LookupStops();
            d.name = "Machine " + std::to_string(n);
            d.identifier = "gm" + std::to_string(n);
            d.groupName = "Fruit";
            ChooseArt(d, n, art, wave);
            c.label = Label(d, key);
            all.push_back(c);
            ++n;
        }
    }
    return all;
}

// The indicator and sound names of a compiled machine.
std::vector<std::string> Names(const std::map<std::string, SymbolRecord>& records)
{
    std::vector<std::string> names;
    for (const auto& record : records)
        names.push_back(record.first);
    return names;
}

// A spin as the machine screen runs it: coins bet, the reels start and stop, the reels
// stopped (which must answer 1 for the payout to go ahead), a payment on the first line,
// the total, the flashing lights, then a losing spin; and the jackpot scriptlet.
void Spin(FakeMachineScript& script, const WizardChoices& d, const std::string& label)
{
    // The handlers the machine has: the pay lights', and those of the sounds it has.
    const bool lights = d.payLines > 1;
    const bool paySounds = d.HasSound(kWinSound) || d.HasSound(kWinBigSound) || d.HasSound(kLoseSound);
    EXPECT_EQ(lights, script.HasHandler("Bet", "OnUpdate")) << label;
    EXPECT_EQ(lights || paySounds, script.HasHandler("machine", "OnAllReelsStop")) << label;
    const bool spinSound = d.HasSound(kSpinSound);
    EXPECT_EQ(spinSound, script.HasHandler("machine", "OnReelsStart")) << label;

    const int maxBet = MaxBetForLines(d.payLines);
    script.SetValue("Bet", maxBet);
    script.Fire("Bet", "OnUpdate");
    if (d.payLines > 1) {
        for (unsigned i = 1; i <= d.payLines; ++i)
            EXPECT_EQ(1.0, script.GetValue("ICoin" + std::to_string(i))) << label;
    }
    script.Fire("machine", "OnReelsStart");
    EXPECT_EQ(spinSound ? 1u : 0u, script.Played().size()) << label;
    for (unsigned r = 0; r < d.reelCount; ++r)
        script.Fire("machine", "OnReelStop", {double(r)});
    if (script.HasHandler("machine", "OnAllReelsStop")) {
        EXPECT_EQ(1.0, script.Fire("machine", "OnAllReelsStop")) << label;
    }
    for (unsigned line = 1; line <= d.payLines; ++line)
        script.Fire("machine", "OnPayment", {line == 1 ? 10.0 : 0.0, double(line), 0});
    script.SetValue("Bet", 0);
    script.SetValue("WinnerPaid", 10);
    script.Fire("machine", "OnTotalPayment", {10});
    script.RunTimeouts(12);
    script.Fire("machine", "OnAllReelsStop");
    script.Fire("machine", "OnTotalPayment", {0});
    if (d.payLines > 1) {
        script.SetValue("Bet", d.payLines);
        EXPECT_EQ(WholeCoins(d.pay[0]), script.Evaluate("JackpotPayout()")) << label;
        script.SetValue("Bet", 1);
        EXPECT_EQ(WholeCoins(0.8 * d.pay[0]), script.Evaluate("JackpotPayout()")) << label;
    }
}

// The size of a picture file; 0 x 0 when it cannot be read.
SIZE PictureSize(const std::string& file)
{
    Bitmap picture;
    if (!picture.LoadImageFile(file))
        return SIZE{0, 0};
    return SIZE{picture.Width(), picture.Height()};
}

// Where a picture of the reference stands when its hot spot is at the point.
ScriptRect PictureAt(const AnimationReference& picture, Point at)
{
    const SIZE size = picture.sequences.empty() || picture.sequences[0].empty() ? SIZE{0, 0}
                                                                                 : PictureSize(picture.sequences[0][0]);
    const int32_t left = at.x - (picture.horizontalHotSpot == 0 ? size.cx / 2 : picture.horizontalHotSpot == 2 ? size.cx : 0);
    const int32_t top = at.y - (picture.verticalHotSpot == 0 ? size.cy / 2 : picture.verticalHotSpot == 2 ? size.cy : 0);
    return ScriptRect{left, top, left + size.cx, top + size.cy};
}

// Everything the machine shows stands whole inside its body picture: the reels, buttons,
// indicators and the arm, and the coin from where its fall starts (60 pixels above the
// drop point, as the machine screen drops it) to where it rests in the slot.
void ExpectNothingCutAtTheEdges(const std::string& script, const SIZE& body, const std::string& label)
{
    EnginePictureProbe probe;
    MachineScript compiled;
    compiled.SetPictureProbe(&probe);
    compiled.Compile(script, nullptr, nullptr);
    ASSERT_TRUE(compiled.IsCompiled()) << label;
    ASSERT_GT(body.cx, 0) << label;
    auto inside = [&](const ScriptRect& r, const std::string& what) {
        EXPECT_TRUE(r.right > r.left && r.bottom > r.top && r.left >= 0 && r.top >= 0 && r.right <= body.cx &&
                    r.bottom <= body.cy)
            << label << ": " << what << " at " << r.left << "," << r.top << " to " << r.right << "," << r.bottom
            << " in " << body.cx << " x " << body.cy;
    };
    for (int32_t reel = 0; reel < compiled.GetReelCount(); ++reel)
        inside(compiled.GetReelPosition(reel).rectangle, "reel " + std::to_string(reel));
    inside(compiled.GetArmRect(), "the arm");
    for (const auto& button : compiled.GetButtons())
        inside(button.second.button.rectangle, button.first);
    for (const auto& indicator : compiled.GetIndicators())
        inside(indicator.second.indicator.rectangle, indicator.first);
    const CoinSettings coin = compiled.GetCoin();
    const Point start = {coin.dropPosition.x, coin.dropPosition.y - 60};
    inside(PictureAt(coin.coin, start), "the falling coin where it starts");
    inside(PictureAt(coin.coin, coin.dropPosition), "the falling coin where it ends");
    inside(PictureAt(coin.coinDrop, coin.dropPosition), "the coin in the slot");
}

class GeneratedMachines : public ClipArtSuite {
protected:
    void SetUp() override
    {
        char here[MAX_PATH] = {};
        GetCurrentDirectoryA(MAX_PATH, here);
        home_ = here;
        work_ = art_->Folder() + "_work";
        CreateDirectoryA(work_.c_str(), nullptr);
        SetCurrentDirectoryA(work_.c_str());
        CopyWholeFile(art_->Folder() + "\\BlankSym.bmp", "standin.bmp");
        for (int slot = 0; slot < kSymbolSlots; ++slot)
            CopyWholeFile(art_->Folder() + "\\symbol" + std::to_string(slot) + ".bmp",
                          "sym" + std::to_string(slot) + ".bmp");
    }
    void TearDown() override
    {
        WIN32_FIND_DATAA found;
        HANDLE search = FindFirstFileA("*", &found);
        if (search != INVALID_HANDLE_VALUE) {
            do
                DeleteFileA(found.cFileName);
            while (FindNextFileA(search, &found));
            FindClose(search);
        }
        SetCurrentDirectoryA(home_.c_str());
        RemoveDirectoryA(work_.c_str());
    }

    std::string home_, work_;
};

TEST_F(GeneratedMachines, EveryConfigurationCompilesBuildsAndRunsItsScript)
{
    WizardPayout data;
    ASSERT_TRUE(data.LoadTable(BuiltFileFolder(VSL_CLIP_ART_DIR) + "/VSLWizard.dta"));
    const std::vector<Configuration> all = AllConfigurations(data, *art_, art_->Folder() + "\\tone.wav");
    ASSERT_GT(all.size(), 300u);
    EnginePictureProbe probe;
    std::set<std::pair<unsigned, int>> built;  // style and layout built with vslc
    int compiled = 0, runs = 0, lineSpins = 0, wins = 0;
    for (const Configuration& c : all) {
        WizardChoices d = c.document;
        ASSERT_TRUE(WriteMachineDescription(d, art_->Folder(), nullptr)) << c.label << ": " << d.errorText;
        CopyWholeFile("standin.bmp", d.identifier + ".bmp");
        MachineScript script;
        script.SetPictureProbe(&probe);
        MessageCollector messages;
        script.Compile(d.identifier + ".txt", &messages, nullptr);
        ASSERT_TRUE(script.IsCompiled()) << c.label << ": " << (messages.messages.empty() ? "" : messages.messages[0]);
        ASSERT_TRUE(messages.messages.empty()) << c.label << ": " << messages.messages[0];
        ++compiled;

        FakeMachineScript host(Names(script.GetIndicators()), Names(script.GetSounds()));
        ASSERT_TRUE(host.Load(script.GetScriptCode())) << c.label;
        Spin(host, d, c.label);
        ASSERT_TRUE(host.Errors().empty()) << c.label << ": " << host.Errors()[0];
        ++runs;

        // Every machine goes through the builder that vslc runs; vslc itself builds every
        // style and layout at least once.
        MessageCollector buildMessages;
        ASSERT_TRUE(BuildMachineWithProgress(d.identifier + ".txt", d.identifier + ".slot", buildMessages, nullptr))
            << c.label << ": " << buildMessages.messages[0];
        for (const UniformLineSpin& spin : SpinEveryUniformLine(d.identifier + ".slot", script.GetPayouts())) {
            EXPECT_EQ(spin.expected, spin.paid) << c.label << ": a line of " << spin.symbol;
            ++lineSpins;
            wins += spin.expected > 0;
        }
        DeleteFileA((d.identifier + ".slot").c_str());
        const std::pair<unsigned, int> look(d.bodyIndex, LayoutIndex(int(d.reelCount), int(d.payLines)));
        if (built.insert(look).second || compiled % 50 == 0) {
            const ToolRun run = RunVslcTool(d.identifier + ".txt " + d.identifier + ".slot", "vslc.log");
            EXPECT_EQ(0u, run.exitCode) << c.label << ": " << run.output;
            EXPECT_EQ("", run.output) << c.label;
            EXPECT_NE(INVALID_FILE_ATTRIBUTES, GetFileAttributesA((d.identifier + ".slot").c_str())) << c.label;
        }
        for (const char* extension : {".txt", ".bmp", ".slot"})
            DeleteFileA((d.identifier + extension).c_str());
    }
    EXPECT_EQ(15u, built.size());
    // Every machine had lines to play, and most of them pay.
    EXPECT_GE(lineSpins, 3 * compiled);
    EXPECT_GE(wins, 2 * compiled);
    std::printf("%d machines compiled, built and run; every style and layout built with vslc; %d spins played, %d "
                "of them wins\n",
                runs, lineSpins, wins);
}

// The clip art on our CD in place of the test's own: a machine of every style and layout,
// with the wizard pages' first symbols and sounds and the first award backdrop of the
// gallery, its arms and buttons from the style tables, compiles and builds, and shows
// nothing cut at its body's edges.
TEST_F(GeneratedMachines, EveryStyleAndLayoutBuildsFromTheClipArtOnOurCd)
{
    std::string cd = "Z:" + BuiltFileFolder(VSL_CLIP_ART_DIR);
    for (char& c : cd)
        if (c == '/')
            c = '\\';
    ASSERT_NE(INVALID_FILE_ATTRIBUTES, GetFileAttributesA((cd + "\\gallery.ast").c_str()));
    WizardPayout data;
    ASSERT_TRUE(data.LoadTable(BuiltFileFolder(VSL_CLIP_ART_DIR) + "/VSLWizard.dta"));
    const int firstSymbols[kSymbolSlots] = {3, 7, 10, 9, 8, 0, 14};
    const int firstSounds[WizardChoices::kSounds] = {253, 67, 73, 282, -1, 74};
    std::set<std::pair<unsigned, int>> built;
    for (const Configuration& c : AllConfigurations(data, *art_, std::string())) {
        WizardChoices d = c.document;
        if (!built.insert({d.bodyIndex, LayoutIndex(int(d.reelCount), int(d.payLines))}).second)
            continue;
        for (int slot = 0; slot < kSymbolSlots; ++slot) {
            d.symbolGalleryIndexes[slot] = int32_t(gallery::kFirstSymbolSprite) + firstSymbols[slot];
            d.symbolCustomFiles[slot].clear();
        }
        d.soundBaseIndex = int32_t(gallery::kFirstSoundAsset);
        for (int s = 0; s < WizardChoices::kSounds; ++s) {
            d.soundGalleryIndexes[s] = firstSounds[s];
            d.customSoundFiles[s].clear();
        }
        d.awardBackdropIndex = gallery::kFirstBackdrop;
        ASSERT_TRUE(WriteMachineDescription(d, cd, nullptr)) << c.label << ": " << d.errorText;
        CopyWholeFile("standin.bmp", d.identifier + ".bmp");
        MessageCollector messages;
        EXPECT_TRUE(BuildMachineWithProgress(d.identifier + ".txt", d.identifier + ".slot", messages, nullptr))
            << c.label << ": " << (messages.messages.empty() ? "" : messages.messages[0]);
        const BodyLayout& layout =
            GetMachineBodies()[d.bodyIndex].layouts[size_t(LayoutIndex(int(d.reelCount), int(d.payLines)))];
        ExpectNothingCutAtTheEdges(d.identifier + ".txt", PictureSize(cd + "\\" + layout.bitmap.file), c.label);
        for (const char* extension : {".txt", ".bmp", ".slot"})
            DeleteFileA((d.identifier + extension).c_str());
    }
    EXPECT_EQ(15u, built.size());
}

// The harness itself sees the faults the generator used to have: a one-line machine's
// handlers without the winning lines declared, and a sound played that is not there.
TEST_F(GeneratedMachines, ScriptErrorsOfTheOldTextsAreCaught)
{
    const std::string handlers = "function machine::OnPayment(payment, line, tableIndex)\n{\n"
                                 "    winningLines[line-1] = (payment > 0);\n}\n"
                                 "function machine::OnAllReelsStop()\n{\n    var i;\n"
                                 "    for(i=0;i<5;++i) winningLines[i]=0;\n    return 1;\n}\n";
    FakeMachineScript undeclared({"Bet", "Credit", "WinnerPaid"}, {"wavWin"});
    ASSERT_TRUE(undeclared.Load(handlers));
    undeclared.Fire("machine", "OnAllReelsStop");
    EXPECT_FALSE(undeclared.Errors().empty());

    FakeMachineScript declared({"Bet", "Credit", "WinnerPaid"}, {"wavWin"});
    ASSERT_TRUE(declared.Load("var winningLines = new Array(5);\n" + handlers));
    EXPECT_EQ(1.0, declared.Fire("machine", "OnAllReelsStop"));
    EXPECT_TRUE(declared.Errors().empty());

    FakeMachineScript missingSound({"Bet"}, {});
    ASSERT_TRUE(missingSound.Load("function machine::OnReelsStart()\n{\n    machine.PlaySound(wavSpin);\n}\n"));
    missingSound.Fire("machine", "OnReelsStart");
    EXPECT_FALSE(missingSound.Errors().empty());
}

}  // namespace
