// The editor's window-free parts: element geometry (handles, the border grip, resizing by
// edges), names for typed and added elements, sequence file names, the window's placement,
// and putting a saved script in place with one backup, failures included.
#include <gtest/gtest.h>

#include <sys/stat.h>
#ifdef _WIN32
#include <direct.h>
#endif

#include <cerrno>
#include <cstdio>
#include <fstream>
#include <functional>
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
#include "NewElementName.h"
#include "PolygonNodes.h"
#include "ScriptSaver.h"
#include "SequenceFileName.h"

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

}  // namespace
