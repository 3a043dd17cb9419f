// The generator's rules: the reel strips and their placement order, the payout lists,
// the art paths, and what it does with documents it cannot turn into a script (counts
// that do not fit the reels, names that give no file) and with the sounds a machine
// lacks.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>

#include "ArtPaths.h"
#include "GeneratorDocuments.h"
#include "MachineDescriptionFile.h"
#include "ReelStripLayout.h"
#include "SymbolArt.h"

namespace {

int Count(const std::string& text, const std::string& what)
{
    int n = 0;
    for (std::string::size_type at = text.find(what); at != std::string::npos; at = text.find(what, at + 1))
        ++n;
    return n;
}

// The group lines: lines that begin with a symbol name.
int GroupLines(const std::string& text)
{
    return Count(text, "\nSym") - Count(text, "\nSymbol ");
}

std::string CodeOf(const std::string& text)
{
    return text.substr(text.find("Arm {"));
}

TEST(ReelStrips, EveryReelCarriesTheCountsAndTheSameDocumentTheSameStrips)
{
    WizardChoices document = CoralCrown();
    std::vector<ReelStrip> strips, again;
    std::string error;
    ASSERT_TRUE(LayOutReelStrips(document, 4, strips, error));
    ASSERT_TRUE(LayOutReelStrips(document, 4, again, error));
    EXPECT_EQ(strips, again);
    EXPECT_NE(strips[0], strips[1]);  // each reel draws its own starts
    for (const ReelStrip& strip : strips) {
        int counts[8] = {};
        for (int stop = 0; stop < kStopsPerReel; ++stop) {
            counts[strip[stop]]++;
            if (stop % 2 == 0) {
                EXPECT_EQ(kBlankSlot, strip[stop]);
            }
        }
        EXPECT_EQ(13, counts[kBlankSlot]);
        EXPECT_EQ(2, counts[6]);  // 15 spoiler stops, 13 of them blanks
        for (int slot = 0; slot < 6; ++slot)
            EXPECT_EQ(int(document.stops[slot]), counts[slot]) << slot;
    }
}

TEST(ReelStrips, SlotsArePlacedHeaviestLightestAlternatelyWithTiesInSlotOrder)
{
    const std::array<int, kSymbolSlots> order = PlacementOrder({1, 2, 3, 3, 4, 0, 13});
    EXPECT_EQ((std::array<int, kSymbolSlots>{6, 5, 4, 0, 3, 1, 2}), order);
    const std::array<int, kSymbolSlots> equal = PlacementOrder({2, 2, 2, 2, 2, 2, 2});
    EXPECT_EQ((std::array<int, kSymbolSlots>{6, 0, 5, 1, 4, 2, 3}), equal);
}

TEST(ReelStrips, BlanksStandForSpoilerStopsWithoutASpoilerOrBeyondThirteen)
{
    WizardChoices document;
    document.stops = {1, 2, 3, 3, 4, 0, 13};
    document.spoiler = false;
    EXPECT_TRUE(HasBlankFilling(document));
    document.spoiler = true;
    EXPECT_FALSE(HasBlankFilling(document));
    document.stops[6] = 14;
    EXPECT_TRUE(HasBlankFilling(document));
    document.stops[6] = 0;
    document.spoiler = false;
    EXPECT_FALSE(HasBlankFilling(document));
}

// Counts beyond the free stops used to send the placement round a full reel for ever.
TEST(ReelStrips, CountsThatDoNotFillTheReelExactlyAreRefused)
{
    WizardChoices document = AmberOrchard();
    document.stops = {4, 4, 4, 4, 4, 4, 8};  // 32 stops
    std::vector<ReelStrip> strips;
    std::string error;
    EXPECT_FALSE(LayOutReelStrips(document, 3, strips, error));
    EXPECT_EQ("The reel configuration has 32 stops for the 26 of a reel", error);

    document.stops = {1, 1, 1, 1, 1, 1, 1};  // seven, nothing for the other stops
    EXPECT_FALSE(LayOutReelStrips(document, 3, strips, error));
    EXPECT_EQ("The reel configuration has 7 stops for the 26 of a reel", error);

    // Blanks count with the other stops: 13 blanks and 20 more.
    document.stops = {2, 2, 4, 4, 4, 4, 13};
    document.spoiler = false;
    EXPECT_FALSE(LayOutReelStrips(document, 3, strips, error));

    std::ostringstream out;
    document.errorText.clear();
    EXPECT_FALSE(GenerateMachineText(document, out));
    EXPECT_EQ("The reel configuration has 33 stops for the 26 of a reel", document.errorText);
    EXPECT_EQ("", out.str());
}

TEST(PayoutLists, OneLineMultipliersAndEqualWholeCoinsPerLine)
{
    EXPECT_EQ("*7", PayoutText(1, 7.0));
    EXPECT_EQ("*2.5", PayoutText(1, 2.5));
    EXPECT_EQ("*7.9", PayoutText(1, 7.9));
    EXPECT_EQ("7, 7, 7\n", PayoutText(3, 7.9));
    EXPECT_EQ("2, 2, 2, 2, 2\n", PayoutText(5, 2.0));
    EXPECT_EQ("800, 1600, 2400, 3200, 5000\n", JackpotPayoutText(1, 1000));
    EXPECT_EQ("\"JackpotPayout()\", \"JackpotPayout()\", \"JackpotPayout()\"\n", JackpotPayoutText(3, 1000));
    EXPECT_EQ(5, MaxBetForLines(1));
    EXPECT_EQ(3, MaxBetForLines(3));
    EXPECT_EQ(5, MaxBetForLines(5));
    EXPECT_EQ(7, WholeCoins(6.95));
}

TEST(PayoutLists, GroupLinesCoverEveryMixThatIsNotOneSymbol)
{
    WizardChoices document = CoralCrown();
    document.groupMembers = {0, 0, 1, 1, 1};
    document.stops = {1, 1, 2, 2, 3, 2, 15};
    const std::string text = GeneratedText(document);
    EXPECT_EQ(81 - 3, GroupLines(text)) << "three members on four reels";
    document.groupMembers = {0, 0, 0, 0, 1};
    EXPECT_EQ(0, GroupLines(GeneratedText(document)));
    document.groupMembers = {0, 0, 1, 1, 1};
    document.groupsEnabled = false;
    EXPECT_EQ(0, GroupLines(GeneratedText(document)));
}

TEST(ArtPaths, PlaceholdersAreReplacedOnceAndPathsJoinTheClipArtFolder)
{
    EXPECT_EQ("a$xx$xb", ExpandArtVariables("a$x$b", "$", "$x"));
    EXPECT_EQ("same", ExpandArtVariables("same", "$artpath", "D:"));
    EXPECT_EQ("\"D:\\c\\p.bmp\" \"D:\\c\\q.bmp\"", ExpandArtPath("\"$artpath\\p.bmp\" \"$artpath\\q.bmp\"", "D:\\c"));
    EXPECT_EQ("D:\\c\\gallery.ast", GalleryPath("D:\\c"));
    EXPECT_EQ(" \"D:\\c\\arms.ast\",12", ArtRefText(ArtRef{true, "arms.ast", 12}, "D:\\c"));
    EXPECT_EQ(" \"D:\\c\\b\\x.bmp\"", ArtRefText(ArtRef{false, "b\\x.bmp", 3}, "D:\\c"));
}

TEST(SymbolArt, CustomSymbolsAreCopiedUnderTheMachinesNameOrTheSecondName)
{
    WizardChoices document = AmberOrchard();
    document.identifier = "gen_test_symbols";
    document.symbolGalleryIndexes[1] = -1;
    document.symbolCustomFiles[1] = "sym1.bmp";
    { std::ofstream("sym1.bmp", std::ios::binary) << "BM picture"; }
    EXPECT_EQ(" \"gen_test_symbolssym1.bmp\"\n", SymbolArtText(document, kTestClipArt, 1));
    std::ifstream copy("gen_test_symbolssym1.bmp", std::ios::binary);
    std::string bytes((std::istreambuf_iterator<char>(copy)), std::istreambuf_iterator<char>());
    EXPECT_EQ("BM picture", bytes);
    copy.close();
    // A target that cannot be written (here a folder of that name) takes the second name.
    std::remove("gen_test_symbolssym1.bmp");
    document.identifier = "gen_test_symbols_";
    ASSERT_TRUE(std::filesystem::create_directory("gen_test_symbols_sym1.bmp"));
    EXPECT_EQ(" \"gen_test_symbols____sym1.bmp\"\n", SymbolArtText(document, kTestClipArt, 1));
    EXPECT_EQ(0, std::remove("gen_test_symbols____sym1.bmp"));
    std::filesystem::remove("gen_test_symbols_sym1.bmp");
    std::remove("sym1.bmp");
}

// The symbols page keeps its pictures out of the program's folder: the copy beside the
// script takes the picture's file name alone.
TEST(SymbolArt, APictureSavedElsewhereIsCopiedBesideTheScript)
{
    WizardChoices document = AmberOrchard();
    document.identifier = "gen_test_elsewhere";
    document.symbolGalleryIndexes[2] = -1;
    std::filesystem::create_directory("gen_test_saved");
#ifdef _WIN32
    document.symbolCustomFiles[2] = "gen_test_saved\\sym2.bmp";
#else
    document.symbolCustomFiles[2] = "gen_test_saved/sym2.bmp";
#endif
    { std::ofstream("gen_test_saved/sym2.bmp", std::ios::binary) << "BM saved"; }
    EXPECT_EQ(" \"gen_test_elsewheresym2.bmp\"\n", SymbolArtText(document, kTestClipArt, 2));
    std::ifstream copy("gen_test_elsewheresym2.bmp", std::ios::binary);
    std::string bytes((std::istreambuf_iterator<char>(copy)), std::istreambuf_iterator<char>());
    copy.close();
    EXPECT_EQ("BM saved", bytes);
    EXPECT_FALSE(std::ifstream("sym2.bmp").good());
    std::remove("gen_test_elsewheresym2.bmp");
    std::filesystem::remove_all("gen_test_saved");
}

// One-line machines with win sounds used to refer to `winningLines` without declaring it.
TEST(MachineCode, OneLineMachineWithWinSoundsDeclaresTheWinningLines)
{
    WizardChoices document = AmberOrchard();
    document.soundGalleryIndexes = {-1, -1, 3, 4, 5, -1};
    const std::string code = CodeOf(GeneratedText(document));
    const auto declared = code.find("var winningLines = new Array(5);\n");
    ASSERT_NE(std::string::npos, declared);
    EXPECT_LT(declared, code.find("function machine::OnPayment"));
    EXPECT_EQ(1, Count(code, "var winningLines"));
    EXPECT_EQ(std::string::npos, code.find("paylines"));
    EXPECT_EQ(std::string::npos, code.find("JackpotPayout"));
}

// The pay-light block used to play the spin and reel-stop sounds whether or not the
// machine had them.
TEST(MachineCode, PayLightsPlayOnlyTheSoundsTheMachineHas)
{
    WizardChoices document = CoralCrown();
    document.soundGalleryIndexes = {-1, -1, -1, -1, -1, -1};
    std::string code = CodeOf(GeneratedText(document));
    EXPECT_EQ(std::string::npos, code.find("wavSpin"));
    EXPECT_EQ(std::string::npos, code.find("wavReelStop"));
    EXPECT_EQ(std::string::npos, code.find("OnReelsStart"));
    EXPECT_NE(std::string::npos, code.find("function Bet::OnUpdate()\n{\n\tvar i;"));
    EXPECT_NE(std::string::npos, code.find("\t}\n}\nfunction NextLightIndex(i)\n"));

    document.customSoundFiles[kSpinSound] = "C:\\sounds\\whirr.wav";
    code = CodeOf(GeneratedText(document));
    EXPECT_EQ(1, Count(code, "machine.PlaySound(wavSpin);"));
    EXPECT_EQ(0, Count(code, "wavReelStop"));
}

// "Load Custom Sound" gave the machine a sound that its script declared and never played:
// the handlers asked for a gallery sound only. A sound from disk plays wherever the same
// sound from the gallery would, on machines with and without pay lights.
TEST(MachineCode, EveryCustomSoundPlaysWhereItsGalleryCounterpartWould)
{
    const char* const names[WizardChoices::kSounds] = {"wavSpin", "wavReelStop", "wavWin",
                                                       "wavWinBig", "wavLose", "wavCoin"};
    for (WizardChoices machine : {AmberOrchard(), BrassLagoon(), CoralCrown()}) {
        machine.soundGalleryIndexes = {-1, -1, -1, -1, -1, -1};
        machine.customSoundFiles = {};
        for (int s = 0; s < WizardChoices::kSounds; ++s) {
            WizardChoices gallery = machine, custom = machine;
            gallery.soundGalleryIndexes[s] = 3;
            custom.customSoundFiles[s] = "C:\\sounds\\mine.wav";
            const std::string play = std::string("machine.PlaySound(") + names[s] + ");";
            const std::string galleryText = GeneratedText(gallery), customText = GeneratedText(custom);
            const int galleryPlays = Count(CodeOf(galleryText), play);
            EXPECT_EQ(s == kCoinSound ? 0 : 1, std::min(galleryPlays, 1)) << machine.name << " " << names[s];
            EXPECT_EQ(galleryPlays > 0, Count(CodeOf(customText), play) > 0) << machine.name << " " << names[s];
            EXPECT_EQ(Count(galleryText, "Sound = wavCoin"), Count(customText, "Sound = wavCoin")) << names[s];
        }
        // The lose sound of the report: from disk, next to a win sound from the gallery.
        WizardChoices lose = machine;
        lose.soundGalleryIndexes[kWinSound] = 2;
        lose.customSoundFiles[kLoseSound] = "C:\\sounds\\aww.wav";
        const std::string code = CodeOf(GeneratedText(lose));
        EXPECT_NE(std::string::npos, code.find("    if (pay == 0) {\n        machine.PlaySound(wavLose);\n    }\n"))
            << machine.name;
    }
}

// A double quote would end the Title's string: the title shows it as two single quotes.
TEST(MachineDescriptionFile, NamesThatGiveNoFileAreRefusedADoubleQuoteIsShownAsTwoSingleOnes)
{
    WizardChoices document = AmberOrchard();
    document.name = "The \"Big\" One";
    document.identifier = "gen_test_quote";
    ASSERT_TRUE(WriteMachineDescription(document, kTestClipArt, nullptr)) << document.errorText;
    std::stringstream written;
    written << std::ifstream("gen_test_quote.txt").rdbuf();
    EXPECT_EQ(0u, written.str().find("Title \"The ''Big'' One\"\n"));
    std::remove("gen_test_quote.txt");

    document.name = "";
    document.identifier = "";
    EXPECT_FALSE(WriteMachineDescription(document, kTestClipArt, nullptr));
    EXPECT_EQ("The machine needs a name.", document.errorText);
    EXPECT_FALSE(std::ifstream(".txt").good());

    document.name = "***";
    EXPECT_FALSE(WriteMachineDescription(document, kTestClipArt, nullptr));
    EXPECT_EQ("The machine's name gives no file name: use letters or digits in it.", document.errorText);
}

#ifndef _WIN32
// A script that cannot be written whole (here a disk that is full) is a disk error: the
// builder must not go on to compile what part of it reached the disk.
TEST(MachineDescriptionFile, AScriptTheDiskCannotTakeIsADiskError)
{
    WizardChoices document = BrassLagoon();
    document.identifier = "gen_test_full";
    std::filesystem::remove("gen_test_full.txt");
    std::filesystem::create_symlink("/dev/full", "gen_test_full.txt");
    EXPECT_FALSE(WriteMachineDescription(document, kTestClipArt, nullptr));
    EXPECT_EQ("Disk error writing file \"gen_test_full.txt\"", document.errorText);
    std::filesystem::remove("gen_test_full.txt");
}
#endif

TEST(MachineDescriptionFile, WritesTheWholeScriptAndStopsAfterTheFirstHalfOnCancel)
{
    WizardChoices document = BrassLagoon();
    document.identifier = "gen_test_file";
    RecordedProgress progress;
    ASSERT_TRUE(WriteMachineDescription(document, kTestClipArt, &progress));
    EXPECT_EQ((std::vector<int32_t>{33, 100}), progress.percents);
    std::ifstream written("gen_test_file.txt");
    std::string text((std::istreambuf_iterator<char>(written)), std::istreambuf_iterator<char>());
    written.close();
    EXPECT_EQ(GeneratedText(BrassLagoon()).size() - std::string("BrassLagoon").size() +
                  std::string("gen_test_file").size(),
              text.size());

    progress.cancelled = true;
    progress.percents.clear();
    ASSERT_TRUE(WriteMachineDescription(document, kTestClipArt, &progress));
    EXPECT_EQ((std::vector<int32_t>{33}), progress.percents);
    written.open("gen_test_file.txt");
    text.assign((std::istreambuf_iterator<char>(written)), std::istreambuf_iterator<char>());
    written.close();
    EXPECT_EQ(std::string::npos, text.find("Art\n{"));
    EXPECT_NE(std::string::npos, text.find("Payouts HighestValue"));
    std::remove("gen_test_file.txt");

    document.identifier = "no_such_folder/gen_test";
    EXPECT_FALSE(WriteMachineDescription(document, kTestClipArt, nullptr));
    EXPECT_EQ("Disk error creating file \"no_such_folder/gen_test.txt\"", document.errorText);
}

}  // namespace
