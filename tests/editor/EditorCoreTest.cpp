// The editor's window-free parts: element geometry (handles, the border grip, resizing by
// edges), names for typed and added elements, sequence file names, the window's placement,
// putting a saved script in place with one backup, failures included, and the compile
// check of every save, also over random edits of a built-in machine.
#include <gtest/gtest.h>

#include <sys/stat.h>
#ifdef _WIN32
#include <direct.h>
#else
#include <unistd.h>
#endif

#include <cerrno>
#include <cstdio>
#include <fstream>
#include <functional>
#include <random>
#include <set>
#include <sstream>
#include <string>
#include <vector>

#include "AnimationChoices.h"
#include "EditorPlacement.h"
#include "ElementGeometry.h"
#include "ElementName.h"
#include "ElementPlacement.h"
#include "FileBytes.h"
#include "MachineScript.h"
#include "NewElementName.h"
#include "PayoutLineEdits.h"
#include "PolygonNodes.h"
#include "ScriptCheck.h"
#include "ScriptSaver.h"
#include "SequenceFileName.h"
#include "SoundName.h"

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

// ---- Random edits of a built-in machine, each sequence saved -------------------------

// The text of a built-in machine, in a folder of its own with an empty stand-in for every
// file it names (the compile opens its sounds and pictures).
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
            if (quoted.size() > 4 && (quoted.rfind(".bmp") == quoted.size() - 4 || quoted.rfind(".wav") == quoted.size() - 4))
                WriteFileBytes(folder_ + "/" + quoted, "");
            open = close;
        }
        path_ = folder_ + "/" + name + ".txt";
    }
    const std::string& Text() const { return text_; }
    const std::string& Path() const { return path_; }
    const std::string& Folder() const { return folder_; }

private:
    std::string folder_, text_, path_;
};

// One element or sound as the editor keeps it: the name the compiled script knows, the
// name shown, and whether it was deleted.
struct EditedName {
    std::string kind;  // "Button", "Indicator", "Region" or "sound"
    std::string scriptName, name;
    bool deleted = false;
};

class RandomEdits {
public:
    RandomEdits(MachineScript& script, SaveUnits& units, uint32_t seed) : script_(script), units_(units), rng_(seed) {
        for (const auto& b : script.GetButtons()) names_.push_back({"Button", b.first, b.first});
        for (const auto& i : script.GetIndicators()) names_.push_back({"Indicator", i.first, i.first});
        for (const auto& r : script.GetRegions()) names_.push_back({"Region", r.first, r.first});
        for (const auto& s : script.GetSounds()) names_.push_back({"sound", s.first, s.first});
    }
    // One edit as the editor's own input would let it through; the log says what it was.
    void Edit(std::string& log) {
        EditedName& target = names_[size_t(Next(0, int(names_.size()) - 1))];
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
    bool IsUsed(const std::string& name, const EditedName& self) const {
        for (const EditedName& other : names_)
            if (&other != &self && !other.deleted && (other.name == name || other.scriptName == name)) return true;
        return name != self.scriptName && script_.IsDefined(name);
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
            SoundPart part = script_.GetSounds().at(target.scriptName).sound;
            part.file = "foxfire_coin.wav";
            script_.SetSound(target.scriptName, part);
        }
    }
    void Rename(EditedName& target, std::string& log) {
        static const char* const kTyped[] = {"Reel", "Coin", "any", "all", "Title", "Sound", "Button", "Spin",
                                             "Credit", " x", "7up", "Gong", "Lucky2", "Whirr", "CoinSlot", "Bell",
                                             "Big Lamp!", "Clink", "Meter", "Glow", "Fox", "Rim_2"};
        const std::string typed = kTyped[Next(0, int(sizeof kTyped / sizeof *kTyped) - 1)];
        const std::string name = MakeValidName(typed);
        const auto isUsed = [&](const std::string& n) { return IsUsed(n, target); };
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
        const bool required = target.kind != "sound" &&
                              !RequiredElementRefusal(target.scriptName, target.kind, script_.GetProgressive().indicator)
                                   .empty();
        log += "delete " + target.name + (required ? " (refused); " : "; ");
        if (required) return;
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

    MachineScript& script_;
    SaveUnits& units_;
    std::mt19937 rng_;
    std::vector<EditedName> names_;
};

// Each compile opens every sound and picture the machine names, which is slow under Wine:
// the Windows build runs fewer sequences of the same edits.
#ifdef _WIN32
const uint32_t kRandomSequences = 40;
#else
const uint32_t kRandomSequences = 300;
#endif

// With the editor's input rules, no sequence of edits gives a script the compiler refuses;
// and whatever the save writes compiles.
TEST(RandomEditsTest, EverySaveOfRandomEditsToABuiltInMachineLeavesAScriptThatCompiles) {
    const BuiltInMachine machine("foxfire");
    ASSERT_FALSE(machine.Text().empty());
    char previous[4096] = {};
    ASSERT_NE(nullptr, getcwd(previous, sizeof previous));
    ASSERT_EQ(0, chdir(machine.Folder().c_str()));
    uint32_t changed = 0;
    for (uint32_t seed = 1; seed <= kRandomSequences; ++seed) {
        WriteFileBytes(machine.Path(), machine.Text());
        std::remove((machine.Folder() + "/foxfire.old.txt").c_str());
        MachineScript script;
        script.Compile(machine.Path(), nullptr, nullptr);
        ASSERT_TRUE(script.IsCompiled()) << CompileFailure(machine.Path());
        SaveUnits units;
        RandomEdits edits(script, units, seed);
        std::string log;
        for (int count = 1 + int(seed % 6); count > 0; --count) edits.Edit(log);
        ScriptCheck check(script, units);
        ScriptSaver saver(machine.Path());
        const std::string refusal = saver.Save([&script](const std::string& path) { return script.WriteScript(path); },
                                               [&check](const std::string& path) { return check.Check(path); });
        EXPECT_EQ("", refusal) << "seed " << seed << ": " << log;
        EXPECT_EQ("", CompileFailure(machine.Path())) << "seed " << seed << ": " << log;
        if (!refusal.empty()) {
            EXPECT_EQ(machine.Text(), ReadFileBytes(machine.Path())) << "seed " << seed;
        }
        changed += ReadFileBytes(machine.Path()) != machine.Text();
    }
    EXPECT_GT(changed, kRandomSequences / 2);  // most sequences change the script
    ASSERT_EQ(0, chdir(previous));
}

}  // namespace
