// The editor's window-free parts: element geometry (handles, the border grip, resizing by
// edges), names for typed and added elements, sequence file names, the window's placement,
// putting a saved script in place with one backup, failures included, the Coin
// statement's references, and the compile check of every save, also over random edits of
// every built-in machine whose saves are built.
#include <gtest/gtest.h>

#include <sys/stat.h>
#ifdef _WIN32
#include <direct.h>
#else
#include <unistd.h>
#endif

#include <dirent.h>

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <fstream>
#include <functional>
#include <iterator>
#include <list>
#include <random>
#include <set>
#include <sstream>
#include <string>
#include <vector>

#include "AnimationChoices.h"
#include "AwardCardNotice.h"
#include "EditorPlacement.h"
#include "ElementGeometry.h"
#include "ElementName.h"
#include "ElementPlacement.h"
#include "FileBytes.h"
#include "MachineScript.h"
#include "MessageSink.h"
#include "NewElementName.h"
#include "PayoutLineEdits.h"
#include "Playability.h"
#include "PolygonNodes.h"
#include "ScriptCheck.h"
#include "ScriptSaver.h"
#include "SequenceFileName.h"
#include "SoundName.h"
#ifdef VSL_CONTENT_MACHINES
#include "BuildMachine.h"
#endif

namespace {

TEST(ElementGeometryTest, HandlesSitOnTheCornersOfTheRectangleGrownByTwo) {
    const auto corners = HandleCorners(ElementRect{10, 20, 50, 40});
    const int expected[4][2] = {{8, 18}, {47, 18}, {47, 37}, {8, 37}};
    for (int i = 0; i < 4; ++i) {
        EXPECT_EQ(expected[i][0], corners[i].x) << i;
        EXPECT_EQ(expected[i][1], corners[i].y) << i;
    }
}

TEST(ElementGeometryTest, TheGripBandRunsFromTwoOutsideToThreeInsideEachEdge) {
    const ElementRect r{100, 100, 200, 160};
    EXPECT_TRUE(NearBorder(r, Point{98, 130}));    // 2 outside the left edge
    EXPECT_FALSE(NearBorder(r, Point{97, 130}));   // 3 outside
    EXPECT_TRUE(NearBorder(r, Point{103, 130}));   // 3 inside
    EXPECT_FALSE(NearBorder(r, Point{104, 130}));  // 4 inside: a drag, not a resize
    EXPECT_TRUE(NearBorder(r, Point{202, 162}));
    EXPECT_FALSE(r.Contains(Point{200, 130}));     // right and bottom edges are outside
}

TEST(ElementGeometryTest, ACornerGrabsTwoEdgesAndAnEdgeDraggedPastTheOtherFlips) {
    const ElementRect r{100, 100, 200, 160};
    const GrabbedEdges corner = EdgesAt(r, Point{101, 101});
    EXPECT_TRUE(corner.left && corner.top);
    EXPECT_FALSE(corner.right || corner.bottom);
    EXPECT_EQ((ElementRect{90, 95, 200, 160}), ResizeByEdges(r, corner, Point{90, 95}));

    GrabbedEdges left;
    left.left = true;
    EXPECT_EQ((ElementRect{200, 100, 230, 160}), ResizeByEdges(r, left, Point{230, 120}));
    GrabbedEdges bottom;
    bottom.bottom = true;
    EXPECT_EQ((ElementRect{100, 80, 200, 100}), ResizeByEdges(r, bottom, Point{150, 80}));
}

TEST(ElementNamesTest, TypedNamesKeepTheirLengthAndAddedNamesSkipDefinedOnes) {
    EXPECT_EQ("My_Button_", MakeValidName("My Button!"));
    EXPECT_EQ("Spin_2", MakeValidName("Spin_2"));

    const std::set<std::string> defined = {"New_Region_0", "New_Indicator_4"};
    auto isDefined = [&](const std::string& name) { return defined.count(name) != 0; };
    int32_t counter = 0;
    EXPECT_EQ("New_Region_1", NextNewElementName("New_Region_", counter, isDefined));
    EXPECT_EQ("New_Region_2", NextNewElementName("New_Region_", counter, isDefined));
    EXPECT_EQ("New_Region_3", NextNewElementName("New_Region_", counter, isDefined));
    EXPECT_EQ("New_Indicator_5", NextNewElementName("New_Indicator_", counter, isDefined));
}

// The wizard names a machine's backdrop, with the award card in it, after the script; our
// own machines, Foxfire Grove among them, carry theirs in STEM_back.bmp. A table edited
// back to what it was, or only moved in the text, still matches the card.
TEST(AwardCardNoticeTest, OnlyABackdropWithACardAndAPayTableThatShowsOtherwiseMakeTheCardStale) {
    EXPECT_TRUE(BackdropIsWizardCard("C:\\Vellmoor\\GoldRush.txt", "goldrush.BMP"));
    EXPECT_FALSE(BackdropIsWizardCard("C:\\Vellmoor\\foxfire.txt", "foxfire_back.bmp"));
    EXPECT_FALSE(BackdropIsWizardCard("C:\\Vellmoor\\GoldRush.txt", "GoldRush.jpg"));
    EXPECT_TRUE(BackdropCarriesAwardCard("C:\\Vellmoor\\GoldRush.txt", "goldrush.BMP"));
    EXPECT_TRUE(BackdropCarriesAwardCard("C:\\Vellmoor\\foxfire.txt", "foxfire_back.bmp"));
    EXPECT_TRUE(BackdropCarriesAwardCard("C:\\Vellmoor\\My Diamonds.txt", "Diamond7_Back.bmp"));
    EXPECT_TRUE(BackdropCarriesAwardCard("C:\\Vellmoor\\wizards.txt", "D:\\machines\\wizards\\wizards_back.bmp"));
    EXPECT_FALSE(BackdropCarriesAwardCard("C:\\Vellmoor\\GoldRush.txt", "GoldRush.jpg"));
    EXPECT_FALSE(BackdropCarriesAwardCard("C:\\Vellmoor\\credits.txt", "credits_back.bmp"));
    EXPECT_FALSE(BackdropCarriesAwardCard("C:\\Vellmoor\\diamond7.txt", "diamond7_plain.bmp"));

    ScriptPayTable saved;
    saved.lines.resize(2);
    saved.lines[0].items = {{0, {"Sym0"}}, {0, {"Sym0"}}, {0, {"Sym0"}}};
    saved.lines[0].payouts = {{0, "", 1000}, {0, "", 2000}};
    saved.lines[1].payouts = {{1, "JackpotPayout()", 0}};
    ScriptPayTable edited = saved;
    edited.sources.resize(2);
    edited.lines[1].payouts[0].amount = 7;  // a scriptlet's unused amount
    EXPECT_FALSE(PayTableShowsOtherwise(saved, edited));
    edited.lines[0].payouts[1].amount = 2500;
    EXPECT_TRUE(PayTableShowsOtherwise(saved, edited));
    edited = saved;
    edited.lines[0].kind = 1;
    EXPECT_TRUE(PayTableShowsOtherwise(saved, edited));
    edited = saved;
    edited.lines[0].items[2].symbols = {"Cherry"};
    EXPECT_TRUE(PayTableShowsOtherwise(saved, edited));
    EXPECT_NE(std::string::npos, StaleAwardCardNotice("GoldRush.bmp").find("GoldRush.bmp"));
}

TEST(SequenceFileNameTest, NamesOnDiskAreSkippedAndTheCounterNeverGoesBack) {
    ResetSequenceFileCounter();
    std::set<std::string> onDisk = {"anim0.seq", "anim1.seq"};
    auto exists = [&](const std::string& name) { return onDisk.count(name) != 0; };
    EXPECT_EQ("anim2.seq", NextSequenceFileName(exists));
    onDisk.insert("anim3.seq");
    EXPECT_EQ("anim4.seq", NextSequenceFileName(exists));
    onDisk.clear();
    EXPECT_EQ("anim5.seq", NextSequenceFileName(exists));
}

TEST(EditorPlacementTest, TheWindowIsCentredOnTheParentAndKeptInTheWorkArea) {
    EXPECT_EQ(624 + 20, EditorClientHeight(600, 20));
    const ScreenBox parent{100, 100, 900, 700};
    EXPECT_EQ((ScreenBox{536, 200, 836, 600}), PlaceEditor(300, 400, parent, ScreenBox{0, 0, 1024, 768}));
    // Too tall: moved down to the work area's top, then cut at its bottom.
    EXPECT_EQ((ScreenBox{536, 0, 836, 500}), PlaceEditor(300, 900, parent, ScreenBox{0, 0, 1024, 500}));
}

// Files in a folder of the test's own.
class ScriptSaverTest : public ::testing::Test {
protected:
    void SetUp() override {
        folder_ = ::testing::TempDir() + "saver_" + ::testing::UnitTest::GetInstance()->current_test_info()->name();
        std::remove((folder_ + "/fruit.txt").c_str());
        std::remove((folder_ + "/fruit.old.txt").c_str());
        std::remove((folder_ + "/fruit.new.txt").c_str());
#ifdef _WIN32
        _mkdir(folder_.c_str());
#else
        mkdir(folder_.c_str(), 0700);
#endif
        script_ = folder_ + "/fruit.txt";
        Write(script_, "original");
    }
    static void Write(const std::string& path, const std::string& text) { WriteFileBytes(path, text); }
    static std::string Read(const std::string& path) { return ReadFileBytes(path); }
    static std::function<bool(const std::string&)> Writer(const std::string& text) {
        return [text](const std::string& path) { return bool(std::ofstream(path, std::ios::binary) << text); };
    }
    std::string folder_;
    std::string script_;
};

TEST_F(ScriptSaverTest, PathsReplaceTheFileNamesEndingOnly) {
    const ScriptSavePaths paths = SavePathsFor("machines\\fruit.txt");
    EXPECT_EQ("machines\\fruit.new.txt", paths.fresh);
    EXPECT_EQ("machines\\fruit.old.txt", paths.backup);
    EXPECT_EQ("fruit.new.txt", SavePathsFor("fruit").fresh);
    EXPECT_EQ(".\\dir.v2\\fruit.old.txt", SavePathsFor(".\\dir.v2\\fruit").backup);
}

TEST_F(ScriptSaverTest, ASaveKeepsTheOldTextAsTheBackupAndLeavesNoNewFile) {
    Write(folder_ + "/fruit.old.txt", "older backup");
    ScriptSaver saver(script_);
    EXPECT_EQ("", saver.Save(Writer("edited")));
    EXPECT_EQ("edited", Read(script_));
    EXPECT_EQ("original", Read(folder_ + "/fruit.old.txt"));
    EXPECT_EQ("<missing>", Read(folder_ + "/fruit.new.txt"));
}

TEST_F(ScriptSaverTest, ANewFileThatCannotBeWrittenChangesNothingAndARetrySucceeds) {
    ScriptSaver saver(script_);
    EXPECT_EQ("Couldn't write new script", saver.Save([](const std::string&) { return false; }));
    EXPECT_EQ("original", Read(script_));
    EXPECT_EQ("<missing>", Read(folder_ + "/fruit.old.txt"));
    EXPECT_EQ("", saver.Save(Writer("edited")));
    EXPECT_EQ("edited", Read(script_));
    EXPECT_EQ("original", Read(folder_ + "/fruit.old.txt"));
}

TEST_F(ScriptSaverTest, AFailedSwapPutsTheScriptBackAndTheRetryBacksUpTheOriginal) {
    Write(folder_ + "/fruit.old.txt", "older backup");
    ScriptFileOps ops = ScriptFileOps::Standard();
    int failures = 1;
    const auto realRename = ops.rename;
    ops.rename = [&](const std::string& from, const std::string& to) {
        if (from.find(".new.txt") != std::string::npos && failures-- > 0) return -1;
        return realRename(from, to);
    };
    ScriptSaver saver(script_, ops);
    EXPECT_EQ("Couldn't rename new script to original name.", saver.Save(Writer("edited")));
    EXPECT_EQ("original", Read(script_));
    EXPECT_EQ("<missing>", Read(folder_ + "/fruit.new.txt"));
    EXPECT_EQ("", saver.Save(Writer("edited")));
    EXPECT_EQ("edited", Read(script_));
    EXPECT_EQ("original", Read(folder_ + "/fruit.old.txt"));
}

TEST_F(ScriptSaverTest, AScriptStuckAtTheBackupNameIsNeverBackedUpAgain) {
    ScriptFileOps ops = ScriptFileOps::Standard();
    bool stuck = true;
    const auto realRename = ops.rename;
    ops.rename = [&](const std::string& from, const std::string& to) {
        const bool intoScript = to.find("fruit.txt") != std::string::npos;
        if (stuck && intoScript) return -1;  // neither the new file nor the backup gets back
        return realRename(from, to);
    };
    ScriptSaver saver(script_, ops);
    EXPECT_EQ("Couldn't rename new script to original name.", saver.Save(Writer("edited")));
    EXPECT_EQ("original", Read(folder_ + "/fruit.old.txt"));
    stuck = false;
    EXPECT_EQ("", saver.Save(Writer("edited again")));
    EXPECT_EQ("edited again", Read(script_));
    EXPECT_EQ("original", Read(folder_ + "/fruit.old.txt"));
}

TEST_F(ScriptSaverTest, ABackupThatCannotBeRemovedStopsTheSaveBeforeTheScriptMoves) {
    ScriptFileOps ops = ScriptFileOps::Standard();
    ops.remove = [](const std::string& path) {
        if (path.find(".old.txt") == std::string::npos) return std::remove(path.c_str());
        errno = EACCES;
        return -1;
    };
    ScriptSaver saver(script_, ops);
    EXPECT_EQ("Couldn't remove old backup", saver.Save(Writer("edited")));
    EXPECT_EQ("original", Read(script_));
    EXPECT_EQ("<missing>", Read(folder_ + "/fruit.new.txt"));
}

// A machine with what every machine needs, and a region.
std::string SmallMachine() {
    std::string text =
        "Title \"Small\"\nReels 3 2\n{\n  Reel { Cherry Lemon }\n  Reel { Lemon Plum }\n  Reel { Plum Cherry }\n}\n"
        "PayLines 1 MaxBet 1 Payouts BestMatch\n{ all Plum 1 }\nArt {\n  Backdrop \"back.bmp\"\n"
        "  ReelPosition 0 = 10, 10, 50 x 90\n";
    for (const char* button : {"BetMax", "BetOne", "CashOut", "Spin"})
        text += std::string("  Button ") + button + " { \"button.bmp\" = 0, 0 }\n";
    for (const char* indicator : {"Bet", "Credit", "WinnerPaid"})
        text += std::string("  Indicator ") + indicator + " { \"digit.bmp\" = 0, 0 }\n";
    for (const char* symbol : {"Cherry", "Lemon", "Plum"}) text += std::string("  Symbol ") + symbol + " \"s.bmp\"\n";
    return text + "  Region Lucky { 100, 500 { (0,0) (30,0) (30,20) } }\n}\n";
}

// A save compiles the new text first; the first owner whose edits break it is named, and
// with its edits dropped the rest is saved.
TEST_F(ScriptSaverTest, AScriptThatWouldNotCompileIsRefusedWithTheEditThatBrokeItAndTheRestSaves) {
    Write(script_, SmallMachine());
    MachineScript script;
    script.Compile(script_, nullptr, nullptr);
    ASSERT_TRUE(script.IsCompiled());
    SaveUnits units;
    const int lucky = 0, spin = 0;
    units.Begin(script, &lucky, "Lucky Region");
    script.RenameElement("Lucky", "Clover");
    units.Begin(script, &spin, "Spin Button");
    script.RenameElement("Spin", "Spinner");  // the compiler requires a Spin button
    units.Begin(script, &lucky, "Clover Region");
    script.RenameElement("Lucky", "Clover2");
    ScriptCheck check(script, units);
    ScriptSaver saver(script_);
    const auto writer = [&script](const std::string& path) { return script.WriteScript(path); };
    const auto checker = [&check](const std::string& path) { return check.Check(path); };
    const std::string refusal = saver.Save(writer, checker);
    EXPECT_EQ(units.Find(&spin), check.Culprit());
    EXPECT_NE(std::string::npos, refusal.find("Spin Button")) << refusal;
    EXPECT_NE(std::string::npos, refusal.find("Spin button required")) << refusal;
    EXPECT_EQ(SmallMachine(), Read(script_));
    EXPECT_EQ("<missing>", Read(folder_ + "/fruit.new.txt"));
    EXPECT_EQ("<missing>", Read(folder_ + "/fruit.old.txt"));

    script.DropPatches(check.Culprit());
    EXPECT_EQ((std::vector<int32_t>{units.Find(&lucky)}), script.GetPatchOwners());
    EXPECT_EQ("", saver.Save(writer, checker));
    EXPECT_EQ(-1, check.Culprit());
    const std::string saved = Read(script_);
    EXPECT_NE(std::string::npos, saved.find("Region Clover2 {")) << saved;
    EXPECT_NE(std::string::npos, saved.find("Button Spin {")) << saved;
    EXPECT_EQ("", CompileFailure(script_));
}

// A 30 by 20 rectangle of nodes at (100, 500).
Region Box() {
    Region region;
    region.originX = 100;
    region.originY = 500;
    region.vertices = {Point{0, 0}, Point{30, 0}, Point{30, 20}, Point{0, 20}};
    return region;
}

TEST(PolygonNodesTest, ANodeIsGrabbedFromTwoBeforeToThreeAfterIt) {
    const Region region = Box();
    EXPECT_EQ(1, NodeAt(region, Point{130, 500}));
    EXPECT_EQ(1, NodeAt(region, Point{127, 497}));  // 3 left of and 3 above the node
    EXPECT_EQ(-1, NodeAt(region, Point{133, 500}));  // 3 right of it
    EXPECT_EQ(-1, NodeAt(region, Point{115, 510}));
}

TEST(PolygonNodesTest, InsertionGoesOnTheNearestEdgeOrFirstWhenNoEdgeCounts) {
    Region region = Box();
    EXPECT_EQ(1u, InsertNode(region, Point{115, 501}));  // beside the top edge's middle
    EXPECT_EQ(15, region.vertices[1].x);
    EXPECT_EQ(1, region.vertices[1].y);
    EXPECT_EQ(4u, InsertionIndex(Box(), Point{99, 510}));  // the closing edge: after the last node
    EXPECT_EQ(0u, InsertionIndex(Box(), Point{300, 700}));  // beyond every edge's end

    // Two edges at the same distance: the shorter one scores lower and wins.
    Region wedge;
    wedge.vertices = {Point{0, 0}, Point{10, 0}, Point{10, 100}};
    EXPECT_EQ(1u, InsertionIndex(wedge, Point{8, 2}));   // 2 from the top (10 long) and the right (100 long)
    EXPECT_EQ(2u, InsertionIndex(wedge, Point{9, 50}));  // nearer the right edge
}

TEST(PolygonNodesTest, DeletingStopsAtThreeNodes) {
    Region region = Box();
    EXPECT_TRUE(DeleteNode(region, 0));
    EXPECT_EQ(3u, region.vertices.size());
    EXPECT_FALSE(DeleteNode(region, 0));
    EXPECT_FALSE(DeleteNode(region, 7));
    EXPECT_EQ(3u, region.vertices.size());
}

TEST(ElementNamesTest, RenamesRefuseEmptyDigitLeadingAndUsedNames) {
    auto isUsed = [](const std::string& name) { return name == "Spin" || name == "Lucky"; };
    EXPECT_NE("", RenameRefusal("", "Lucky", "Region", isUsed));
    EXPECT_NE("", RenameRefusal("7up", "Lucky", "Region", isUsed));
    EXPECT_NE("", RenameRefusal("Spin", "Lucky", "Region", isUsed));
    EXPECT_EQ("", RenameRefusal("Lucky", "Lucky", "Region", isUsed));  // keeping its own name
    EXPECT_EQ("", RenameRefusal("up7", "Lucky", "Region", isUsed));
}

// One rule for every element and for sounds: what the script's lexer reads as a name.
TEST(ElementNamesTest, RenamesRefuseWhatTheScriptCannotReadAsAName) {
    const auto never = [](const std::string&) { return false; };
    for (const char* keyword : {"Reel", "Coin", "any", "all", "Title", "Button", "Sound", "Art", "Region"}) {
        EXPECT_NE("", RenameRefusal(keyword, "Lucky", "Region", never)) << keyword;
        EXPECT_NE("", SoundNameRefusal(keyword, never)) << keyword;
    }
    // A typed name with a leading blank or sign becomes one with a leading "_".
    const std::string made = MakeValidName(" x");
    EXPECT_EQ("_x", made);
    EXPECT_NE("", RenameRefusal(made, "Lucky", "Indicator", never));
    EXPECT_NE("", RenameRefusal("_Lucky", "Lucky", "Button", never));
    EXPECT_NE("", RenameRefusal("Lu cky", "Lucky", "Button", never));
    for (const char* good : {"reel", "Reels2", "Coin_", "Any1", "x"}) {
        EXPECT_EQ("", RenameRefusal(good, "Lucky", "Region", never)) << good;
        EXPECT_EQ("", SoundNameRefusal(good, never)) << good;
    }
}

TEST(ElementNamesTest, TheElementsEveryMachineNeedsAreNamedAsRequired) {
    for (const char* button : {"Spin", "BetOne", "BetMax", "CashOut"}) {
        EXPECT_NE("", RequiredElementRefusal(button, "Button", "")) << button;
        EXPECT_EQ("", RequiredElementRefusal(button, "Indicator", "")) << button;
    }
    for (const char* indicator : {"Bet", "Credit", "WinnerPaid"}) {
        EXPECT_NE("", RequiredElementRefusal(indicator, "Indicator", "")) << indicator;
        EXPECT_EQ("", RequiredElementRefusal(indicator, "Button", "")) << indicator;
    }
    EXPECT_NE("", RequiredElementRefusal("Jackpot", "Indicator", "Jackpot"));
    EXPECT_EQ("", RequiredElementRefusal("Jackpot", "Indicator", ""));
    EXPECT_EQ("", RequiredElementRefusal("spin", "Button", ""));
    EXPECT_EQ("", RequiredElementRefusal("Lamp", "Button", "Jackpot"));
}

TEST(ElementPlacementTest, PicturesStandByTheirHotSpotAndTheScriptGetsThePointBack) {
    // 5 digits of 12: a row 60 wide whose hot spot at the right puts its left at x - 59.
    EXPECT_EQ(100 - 59, PictureRect(Point{100, 40}, 60, 16, kHotSpotTrailing, kHotSpotLeading).left);
    const ElementRect centred = PictureRect(Point{300, 450}, 41, 20, kHotSpotCentre, kHotSpotCentre);
    EXPECT_EQ((ElementRect{280, 440, 321, 460}), centred);
    for (int32_t h : {kHotSpotCentre, kHotSpotLeading, kHotSpotTrailing})
        for (int32_t v : {kHotSpotCentre, kHotSpotLeading, kHotSpotTrailing}) {
            const Point back = HotSpotOf(PictureRect(Point{-7, 13}, 31, 10, h, v), h, v);
            EXPECT_EQ(-7, back.x) << h << v;
            EXPECT_EQ(13, back.y) << h << v;
        }
}

TEST(ElementPlacementTest, IndicatorsKeepOneToTenDigits) {
    EXPECT_EQ(1, ClampDigits(0));
    EXPECT_EQ(1, ClampDigits(-4));
    EXPECT_EQ(6, ClampDigits(6));
    EXPECT_EQ(10, ClampDigits(25));
}

TEST(AnimationChoicesTest, OwnSetsInBracesAreOfferedOnlyToTheirElementAndMeanNoName) {
    const std::string own = OwnSetName("Button", "Spin");
    EXPECT_EQ("{Button Spin}", own);
    const std::vector<std::string> names = {"Glow", "{Button Spin}", "{Button BetOne}", "{Coin}", "Lever"};
    EXPECT_EQ((std::vector<std::string>{"Glow", "{Button Spin}", "Lever"}), AnimationChoices(names, own));
    EXPECT_EQ(own, ChoiceFor("", own));
    EXPECT_EQ("Glow", ChoiceFor("Glow", own));
    EXPECT_EQ("", AnimationNameFor(own, own));
    EXPECT_EQ("Lever", AnimationNameFor("Lever", own));
}

// ---- Random edits of the built-in machines, each sequence saved and built ------------

// The text of a built-in machine, in a folder of its own with every file it names: the
// content build's file where the build has one (the machine is then built after each
// save), else an empty stand-in (the compile only opens its sounds and pictures).
class BuiltInMachine {
public:
    explicit BuiltInMachine(const std::string& name) {
        folder_ = ::testing::TempDir() + "random_edits";
#ifdef _WIN32
        _mkdir(folder_.c_str());
#else
        mkdir(folder_.c_str(), 0700);
#endif
        text_ = ReadFileBytes(std::string(VSL_BUILT_IN_MACHINES) + "/" + name + ".txt");
        for (size_t open = text_.find('"'); open != std::string::npos; open = text_.find('"', open + 1)) {
            const size_t close = text_.find('"', open + 1);
            if (close == std::string::npos) break;
            const std::string quoted = text_.substr(open + 1, close - open - 1);
            if (IsFileName(quoted)) WriteFileBytes(folder_ + "/" + quoted, ContentFile(quoted));
            open = close;
        }
        path_ = folder_ + "/" + name + ".txt";
    }
    const std::string& Text() const { return text_; }
    const std::string& Path() const { return path_; }
    const std::string& Folder() const { return folder_; }

private:
    static bool IsFileName(const std::string& quoted) {
        for (const char* ending : {".bmp", ".wav", ".ast"})
            if (quoted.size() > 4 && quoted.rfind(ending) == quoted.size() - 4) return true;
        return false;
    }
    static std::string ContentFile(const std::string& name) {
#ifdef VSL_CONTENT_MACHINES
        const std::string bytes = ReadFileBytes(std::string(VSL_CONTENT_MACHINES) + "/" + name);
        return bytes == "<missing>" ? std::string() : bytes;
#else
        (void)name;
        return std::string();
#endif
    }
    std::string folder_, text_, path_;
};

// The machines' scripts in the content folder, by name without ".txt".
std::vector<std::string> BuiltInMachineNames() {
    std::vector<std::string> names;
    DIR* folder = opendir(VSL_BUILT_IN_MACHINES);
    if (!folder) return names;
    while (const dirent* entry = readdir(folder)) {
        const std::string file = entry->d_name;
        if (file.size() > 4 && file.compare(file.size() - 4, 4, ".txt") == 0) names.push_back(file.substr(0, file.size() - 4));
    }
    closedir(folder);
    std::sort(names.begin(), names.end());
    return names;
}

// A built-in machine compiled in its folder, which is the current one while it lives (the
// compile opens the files it names).
class CompiledBuiltIn {
public:
    explicit CompiledBuiltIn(const std::string& name) : machine_(name) {
        WriteFileBytes(machine_.Path(), machine_.Text());
        if (!getcwd(previous_, sizeof previous_) || chdir(machine_.Folder().c_str()) != 0) return;
        script.Compile(machine_.Path(), nullptr, nullptr);
    }
    ~CompiledBuiltIn() {
        if (previous_[0]) {
            EXPECT_EQ(0, chdir(previous_));
        }
    }
    std::string Failure() const { return CompileFailure(machine_.Path()); }
    MachineScript script;

private:
    BuiltInMachine machine_;
    char previous_[4096] = {};
};

// The element the Coin statement names is refused a delete by every name it has had: the
// compiled one, one a refused save already queued, and the one shown since.
TEST(CoinUseTest, AnElementTheCoinNamesIsNotDeletedUnderAnyOfItsNames) {
    CompiledBuiltIn compiled("venus");
    ASSERT_TRUE(compiled.script.IsCompiled()) << compiled.Failure();
    MachineScript& script = compiled.script;
    script.RenameElement("Denomination", "A");  // queued by a save that was refused
    EXPECT_EQ("A", script.GetCoin().denominationIndicator);
    const std::string refusal = CoinUseRefusal(script, "B", "Denomination");  // shown as B since
    EXPECT_EQ(0u, refusal.find("B cannot be deleted: the Coin statement names it as its denomination indicator"))
        << refusal;
    EXPECT_NE("", CoinUseRefusal(script, "Clink", "Clink"));
    EXPECT_EQ("", CoinUseRefusal(script, "Denomination", "New_Indicator_0"));  // a new element of a free name
    EXPECT_EQ("", CoinUseRefusal(script, "Bet", "Bet"));
}

// A button or indicator may name only an Animation defined in front of it: the Properties
// box offers no other, nor one added since the compile.
TEST(AnimationChoicesTest, OnlyAnimationsDefinedInFrontOfTheElementAreOffered) {
    CompiledBuiltIn compiled("foxfire");
    ASSERT_TRUE(compiled.script.IsCompiled()) << compiled.Failure();
    MachineScript& script = compiled.script;
    const std::vector<std::string> sets = {"Glow", "Lever", "Meter", "DenomValues", "{Button Spin}", "Added"};
    using Names = std::vector<std::string>;
    EXPECT_EQ((Names{"Glow", "Lever", "{Button Spin}"}), SavableChoices(sets, "{Button Spin}", &script, "Spin"));
    EXPECT_EQ((Names{"Glow", "Lever", "Meter"}), SavableChoices(sets, "{Indicator Bet}", &script, "Bet"));
    EXPECT_EQ((Names{"Glow", "Lever", "Meter", "DenomValues"}),
              SavableChoices(sets, "{Button New_Button_0}", &script, "New_Button_0"));
    EXPECT_EQ(sets, SavableChoices(sets, "{Button Spin}", nullptr, "Spin"));
}

// One element or sound as the editor keeps it: the name the compiled script knows, the
// name shown, and whether it was deleted.
struct EditedName {
    std::string kind;  // "Button", "Indicator", "Region" or "sound"
    std::string scriptName, name;
    bool deleted = false;
};

// Edits as the editor's own input lets them through, into the script's model: moves,
// renames and deletes of elements and sounds (those the Coin statement names among them),
// payout texts, and buttons added with an animation chosen from the editor's choices.
class RandomEdits {
public:
    RandomEdits(MachineScript& script, SaveUnits& units, uint32_t seed) : script_(script), units_(units), rng_(seed) {
        for (const auto& b : script.GetButtons()) names_.push_back({"Button", b.first, b.first});
        for (const auto& i : script.GetIndicators()) names_.push_back({"Indicator", i.first, i.first});
        for (const auto& r : script.GetRegions()) names_.push_back({"Region", r.first, r.first});
        for (const auto& s : script.GetSounds()) names_.push_back({"sound", s.first, s.first});
        for (const auto& a : script.GetAnimations()) animations_.push_back(a.first);
    }
    // One edit; the log says what it was.
    void Edit(std::string& log) {
        if (Next(0, 9) == 0) return AddButton(log);
        EditedName& target = Pick();
        if (target.deleted) return;
        units_.Begin(script_, &target, target.kind + " " + target.name);
        switch (Next(0, 4)) {
        case 0: Move(target, log); break;
        case 1: Rename(target, log); break;
        case 2: Delete(target, log); break;
        default: EditPayout(log); break;
        }
    }

private:
    int Next(int lo, int hi) { return std::uniform_int_distribution<int>(lo, hi)(rng_); }
    // Half the time one of what the Coin statement names.
    EditedName& Pick() {
        if (Next(0, 1) == 0) {
            std::vector<EditedName*> coin;
            for (EditedName& n : names_)
                if (script_.CoinReferenceOf(n.scriptName) >= 0) coin.push_back(&n);
            if (!coin.empty()) return *coin[size_t(Next(0, int(coin.size()) - 1))];
        }
        return names_[size_t(Next(0, int(names_.size()) - 1))];
    }
    // The Graphics and Sounds pages' rule: a name any element or sound holds or held, or
    // one the script defines, is taken.
    bool IsUsed(const std::string& name, const EditedName* self) const {
        for (const EditedName& other : names_)
            if (&other != self && !other.deleted && (other.name == name || other.scriptName == name)) return true;
        return (!self || name != self->scriptName) && script_.IsDefined(name);
    }
    void Move(const EditedName& target, std::string& log) {
        const int dx = Next(-20, 20), dy = Next(-20, 20);
        log += "move " + target.name + " by " + std::to_string(dx) + "," + std::to_string(dy) + "; ";
        if (target.kind == "Button") {
            ButtonPart part = script_.GetButtons().at(target.scriptName).button;
            part.position = Point{part.position.x + dx, part.position.y + dy};
            part.rectangle = ScriptRect{part.rectangle.left + dx, part.rectangle.top + dy, part.rectangle.right + dx,
                                        part.rectangle.bottom + dy};
            script_.SetButton(target.scriptName, part);
        } else if (target.kind == "Region") {
            RegionPart part = script_.GetRegions().at(target.scriptName).region;
            part.region.originX += dx;
            part.region.originY += dy;
            script_.SetRegion(target.scriptName, part);
        } else if (target.kind == "sound") {
            // Another of the machine's sound files.
            const auto sounds = script_.GetSounds();
            auto other = sounds.begin();
            std::advance(other, Next(0, int(sounds.size()) - 1));
            SoundPart part = sounds.at(target.scriptName).sound;
            part.file = other->second.sound.file;
            part.assetNumber = other->second.sound.assetNumber;
            script_.SetSound(target.scriptName, part);
        }
    }
    void Rename(EditedName& target, std::string& log) {
        static const char* const kTyped[] = {"Reel", "Coin", "any", "all", "Title", "Sound", "Button", "Spin",
                                             "Credit", " x", "7up", "Gong", "Lucky2", "Whirr", "CoinSlot", "Bell",
                                             "Big Lamp!", "Clink", "Meter", "Glow", "Fox", "Rim_2", "X", "Y",
                                             "BillSlot", "DenomPlate", "Denomination", "A", "B", "New_Button_0"};
        const std::string typed = kTyped[Next(0, int(sizeof kTyped / sizeof *kTyped) - 1)];
        const std::string name = MakeValidName(typed);
        const auto isUsed = [&](const std::string& n) { return IsUsed(n, &target); };
        std::string refusal = target.kind == "sound" ? SoundNameRefusal(name, isUsed)
                                                     : RenameRefusal(name, target.name, target.kind, isUsed);
        if (refusal.empty() && target.kind != "sound")
            refusal = RequiredElementRefusal(target.scriptName, target.kind, script_.GetProgressive().indicator);
        log += "rename " + target.name + " to \"" + typed + "\"" + (refusal.empty() ? "; " : " (refused); ");
        if (!refusal.empty()) return;
        script_.RenameElement(target.scriptName, name);
        target.name = name;
    }
    void Delete(EditedName& target, std::string& log) {
        std::string refusal = CoinUseRefusal(script_, target.name, target.scriptName);
        if (refusal.empty() && target.kind != "sound")
            refusal = RequiredElementRefusal(target.scriptName, target.kind, script_.GetProgressive().indicator);
        log += "delete " + target.name + (refusal.empty() ? "; " : " (refused); ");
        if (!refusal.empty()) return;
        script_.DeleteElement(target.scriptName);
        target.deleted = true;
    }
    void EditPayout(std::string& log) {
        static const char* const kTexts[] = {"5", "0", "LanternPayout()", "2 * machine.Bet", "Say(\"win\")", "\"",
                                             "a\"b", "", "  ", "12"};
        ScriptPayTable table = script_.GetPayouts();
        if (table.lines.empty()) return;
        auto& line = table.lines[size_t(Next(0, int(table.lines.size()) - 1))];
        if (line.payouts.empty()) return;
        const std::string text = kTexts[Next(0, int(sizeof kTexts / sizeof *kTexts) - 1)];
        const bool taken = SetPayoutText(line.payouts[size_t(Next(0, int(line.payouts.size()) - 1))], text);
        log += "payout \"" + text + "\"" + (taken ? "; " : " (refused); ");
        if (taken) script_.SetPayouts(table);
    }
    // As the Graphics page's Add Button: a new name, and the animation chosen in the
    // Properties box among those it offers.
    void AddButton(std::string& log) {
        const std::string name = NextNewElementName("New_Button_", newNames_, [this](const std::string& n) {
            return IsUsed(n, nullptr);
        });
        const std::string own = OwnSetName("Button", name);
        const std::vector<std::string> choices = SavableChoices(AnimationChoices(animations_, own), own, &script_, name);
        if (choices.empty()) return;
        ButtonPart part;
        part.picture.animationName = choices[size_t(Next(0, int(choices.size()) - 1))];
        const int x = Next(0, 700), y = Next(0, 500);
        part.rectangle = ScriptRect{x, y, x + 30, y + 30};
        part.priority = 200;
        added_.push_back({"Button", name, name});
        units_.Begin(script_, &added_.back(), "Button " + name);
        log += "add button " + name + " showing " + part.picture.animationName + "; ";
        script_.DefineButton(name, part);
        names_.push_back(added_.back());
    }

    MachineScript& script_;
    SaveUnits& units_;
    std::mt19937 rng_;
    std::vector<EditedName> names_;
    std::list<EditedName> added_;  // the save units of the added buttons
    std::vector<std::string> animations_;
    int32_t newNames_ = 0;
};

// What a run of random edits met: sequences, saves tried, saves refused, and the faults:
// an accepted save that does not compile or build, or a refused one that changed the file.
struct RandomEditFigures {
    uint32_t sequences = 0, saves = 0, refusals = 0, builds = 0, failures = 0;
};

// Each compile opens every sound and picture the machine names, and each build reads
// them, which is slow under Wine: the Windows build runs fewer sequences of the same edits.
#ifdef _WIN32
const uint32_t kSequencesPerMachine = 2;
#else
const uint32_t kSequencesPerMachine = 40;
#endif

// The editor's save of the edits so far, as EditorWindow does it: refused, the author
// either leaves the culprit's edits out and saves the rest, or goes on editing. Every
// accepted save must compile, and build where the content build's files are at hand.
class RandomSession {
public:
    RandomSession(const BuiltInMachine& machine, RandomEditFigures& figures) : machine_(machine), figures_(figures) {}
    void Run(uint32_t seed) {
        WriteFileBytes(machine_.Path(), machine_.Text());
        MachineScript script;
        script.Compile(machine_.Path(), nullptr, nullptr);
        ASSERT_TRUE(script.IsCompiled()) << CompileFailure(machine_.Path());
        SaveUnits units;
        RandomEdits edits(script, units, seed);
        std::mt19937 answers(seed);
        std::string log;
        ++figures_.sequences;
        for (int round = 0; round < 1 + int(seed % 3); ++round) {
            for (int count = 1 + int((seed + uint32_t(round)) % 6); count > 0; --count) edits.Edit(log);
            SaveAsTheEditorDoes(script, units, answers, log);
        }
    }

private:
    void SaveAsTheEditorDoes(MachineScript& script, SaveUnits& units, std::mt19937& answers, std::string& log) {
        while (script.HasPatches()) {
            int32_t culprit = -1;
            if (Save(script, units, culprit, log) || culprit < 0 || answers() % 2 != 0) return;
            log += "(leave it out); ";
            script.DropPatches(culprit);
        }
    }
    // True when the save was accepted; a refusal names its culprit.
    bool Save(MachineScript& script, SaveUnits& units, int32_t& culprit, std::string& log) {
        const std::string before = ReadFileBytes(machine_.Path());
        ScriptCheck check(script, units);
        ScriptSaver saver(machine_.Path());
        ++figures_.saves;
        const std::string refusal = saver.Save([&script](const std::string& path) { return script.WriteScript(path); },
                                               [&check](const std::string& path) { return check.Check(path); });
        log += "save; ";
        if (!refusal.empty()) {
            ++figures_.refusals;
            const bool unchanged = before == ReadFileBytes(machine_.Path());
            figures_.failures += !unchanged;
            EXPECT_TRUE(unchanged) << machine_.Path() << ": " << log;
            ADD_FAILURE() << machine_.Path() << ": " << refusal << "\n" << log;
            culprit = check.Culprit();
            return false;
        }
        script.DiscardPatches(true);
        const std::string failure = SavedScriptFailure();
        figures_.failures += !failure.empty();
        EXPECT_EQ("", failure) << machine_.Path() << ": " << log;
        return true;
    }
    // The compiler's refusal of the saved script, else the builder's.
    std::string SavedScriptFailure() {
        const std::string compiled = CompileFailure(machine_.Path());
        if (!compiled.empty()) return compiled;
        MachineScript saved;
        saved.Compile(machine_.Path(), nullptr, nullptr);
        const std::string unplayable = FindUnplayable(saved);
        if (!unplayable.empty()) return unplayable;
#ifdef VSL_CONTENT_MACHINES
        ++figures_.builds;
        MessageText messages;
        const std::string out = machine_.Folder() + "/random.slot";
        if (!BuildMachineWithProgress(machine_.Path(), out, messages, nullptr)) return "build: " + messages.text;
        std::remove(out.c_str());
#endif
        return std::string();
    }
    struct MessageText : MessageSink {
        void AddMessage(const std::string& message) override { text += message + " "; }
        std::string text;
    };

    const BuiltInMachine& machine_;
    RandomEditFigures& figures_;
};

// With the editor's input rules, no sequence of edits of any built-in machine gives a
// script the compiler refuses; whatever a save writes compiles and builds, and a refused
// save leaves the file as it was.
TEST(RandomEditsTest, EverySaveOfRandomEditsToABuiltInMachineLeavesAScriptThatCompilesAndBuilds) {
    const std::vector<std::string> machines = BuiltInMachineNames();
    ASSERT_GE(machines.size(), 20u);
    char previous[4096] = {};
    ASSERT_NE(nullptr, getcwd(previous, sizeof previous));
    RandomEditFigures figures;
    uint32_t seed = 0;
    for (const std::string& name : machines) {
        const BuiltInMachine machine(name);
        ASSERT_FALSE(machine.Text().empty()) << name;
        ASSERT_EQ(0, chdir(machine.Folder().c_str()));
        for (uint32_t i = 0; i < kSequencesPerMachine; ++i) RandomSession(machine, figures).Run(++seed);
        ASSERT_EQ(0, chdir(previous));
    }
    std::printf("random edits: %u machines, %u sequences, %u saves, %u refusals, %u builds, %u failures\n",
                unsigned(machines.size()), figures.sequences, figures.saves, figures.refusals, figures.builds,
                figures.failures);
    EXPECT_EQ(0u, figures.failures);
    EXPECT_EQ(0u, figures.refusals);
    EXPECT_GT(figures.saves, figures.sequences);
}

}  // namespace
