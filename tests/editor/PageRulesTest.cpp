// The rules of the editor's pages that need no window: relative paths of chosen files,
// which sound names the script can read, where a scroll request moves the Graphics page,
// and how the keys step through the Animations page's frames.
#include <gtest/gtest.h>

#include <set>

#include "PageScroll.h"
#include "RelativePath.h"
#include "SoundName.h"
#include "ThumbStep.h"

TEST(RelativePath, FilesBelowBesideAndAwayFromTheFolder) {
    EXPECT_EQ("back.bmp", MakeRelativePath("C:\\slots\\fox", "C:\\slots\\fox\\back.bmp"));
    EXPECT_EQ("art\\back.bmp", MakeRelativePath("C:\\slots\\fox\\", "C:\\slots\\fox\\art\\back.bmp"));
    EXPECT_EQ("..\\owl\\back.bmp", MakeRelativePath("C:\\slots\\fox", "C:\\slots\\owl\\back.bmp"));
    EXPECT_EQ("..\\..\\art\\a.bmp", MakeRelativePath("C:\\slots\\fox", "C:\\art\\a.bmp"));
    EXPECT_EQ("D:\\art\\a.bmp", MakeRelativePath("C:\\slots\\fox", "D:\\art\\a.bmp"));
    // A folder whose name only begins like the base's is not inside it; bytes compare exactly.
    EXPECT_EQ("..\\foxes\\a.bmp", MakeRelativePath("C:\\slots\\fox", "C:\\slots\\foxes\\a.bmp"));
    EXPECT_EQ("..\\..\\SLOTS\\fox\\a.bmp", MakeRelativePath("C:\\slots\\fox", "C:\\SLOTS\\fox\\a.bmp"));
}

TEST(SoundName, OnlyNamesTheScriptCanReadAreAccepted) {
    const std::set<std::string> taken = {"Whirr", "Credit"};
    auto isTaken = [&](const std::string& name) { return taken.count(name) > 0; };
    for (const char* good : {"Chime", "chime_2", "A", "Bell_Tower9"})
        EXPECT_EQ("", SoundNameRefusal(good, isTaken)) << good;
    for (const char* bad : {"", "my sound", "\"Chime\"", "2Bells", "_hidden", "Bell!", "Spin", "Sound", "all",
                            "Whirr", "Credit"})
        EXPECT_NE("", SoundNameRefusal(bad, isTaken)) << bad;
    EXPECT_NE(std::string::npos, SoundNameRefusal("Whirr", isTaken).find("already used"));
}

TEST(PageScroll, LinesPagesAndThumbStayWithinTheBackdrop) {
    // A backdrop of 900 rows in a page of 400: positions 0 to 500.
    EXPECT_EQ(5, PageScrollTarget(kScrollLineDown, 0, 0, 400, 900));
    EXPECT_EQ(0, PageScrollTarget(kScrollLineUp, 0, 3, 400, 900));
    EXPECT_EQ(400, PageScrollTarget(kScrollPageDown, 0, 0, 400, 900));
    EXPECT_EQ(500, PageScrollTarget(kScrollPageDown, 0, 400, 400, 900));
    EXPECT_EQ(100, PageScrollTarget(kScrollPageUp, 0, 500, 400, 900));
    EXPECT_EQ(250, PageScrollTarget(kScrollThumbTrack, 250, 0, 400, 900));
    EXPECT_EQ(500, PageScrollTarget(kScrollThumbPosition, 700, 0, 400, 900));
    EXPECT_EQ(123, PageScrollTarget(8 /* end of scroll */, 0, 123, 400, 900));
    // A backdrop as tall as (or shorter than) the page never scrolls.
    EXPECT_EQ(0, PageScrollTarget(kScrollLineDown, 0, 0, 400, 400));
    EXPECT_EQ(0, PageScrollTarget(kScrollPageDown, 0, 0, 400, 300));
}

TEST(ThumbStep, KeysWalkEveryFrameOfEveryRowAndWrap) {
    const std::vector<size_t> rows = {2, 0, 3};
    EXPECT_EQ((ThumbIndex{0, 0}), StepThumb(rows, ThumbIndex(), true));
    EXPECT_EQ((ThumbIndex{0, 0}), StepThumb(rows, ThumbIndex(), false));
    EXPECT_EQ((ThumbIndex{0, 1}), StepThumb(rows, ThumbIndex{0, 0}, true));
    EXPECT_EQ((ThumbIndex{2, 0}), StepThumb(rows, ThumbIndex{0, 1}, true));  // the empty row is passed
    EXPECT_EQ((ThumbIndex{0, 1}), StepThumb(rows, ThumbIndex{2, 0}, false));
    EXPECT_EQ((ThumbIndex{0, 0}), StepThumb(rows, ThumbIndex{2, 2}, true));   // the very last wraps
    EXPECT_EQ((ThumbIndex{2, 2}), StepThumb(rows, ThumbIndex{0, 0}, false));  // the very first wraps back
    EXPECT_EQ((ThumbIndex{-1, -1}), StepThumb(std::vector<size_t>{0, 0}, ThumbIndex(), true));
    EXPECT_EQ((ThumbIndex{-1, -1}), StepThumb(std::vector<size_t>{}, ThumbIndex(), true));
}
