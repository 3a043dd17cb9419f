// Animation sets: frames read from image files keep their file names when saved; any
// other frame sends the whole set to a new sequence file, which reads back through the
// engine as the same frames; file names on disk are skipped; an asset that cannot be read
// is reported.
#include <gtest/gtest.h>

#include <windows.h>

#include <stdexcept>
#include <string>

#include "AnimationSet.h"
#include "Bitmap.h"
#include "SequenceFileName.h"

namespace {

class AnimationSetTest : public ::testing::Test {
protected:
    void SetUp() override {
        folder_ = ::testing::TempDir() + "animset_" + ::testing::UnitTest::GetInstance()->current_test_info()->name();
        CreateDirectoryA(folder_.c_str(), nullptr);
        SetCurrentDirectoryA(folder_.c_str());
        for (const char* name : {"anim0.seq", "anim1.seq", "anim2.seq", "anim3.seq"}) DeleteFileA(name);
        ResetSequenceFileCounter();
        MakePicture("small.bmp", 16, 8);
        MakePicture("large.bmp", 10, 20);
    }
    static void MakePicture(const char* name, int width, int height) {
        Bitmap picture(width, height, 24, true);
        ASSERT_TRUE(picture.IsValid());
        ASSERT_TRUE(picture.Save(name));
    }
    static AnimationReference TwoFrames() {
        AnimationReference record;
        record.sequences = {{"small.bmp", "large.bmp"}};
        record.transparent = true;
        record.horizontalHotSpot = 0;
        record.verticalHotSpot = 2;
        return record;
    }
    static bool Exists(const char* name) { return GetFileAttributesA(name) != INVALID_FILE_ATTRIBUTES; }
    std::string folder_;
};

TEST_F(AnimationSetTest, ImageFileFramesLoadWithTheSetsPropertiesAndSaveAsFileNames) {
    AnimationSet set(TwoFrames(), AnimationUsage::Button);
    ASSERT_EQ(1u, set.GetSequenceCount());
    const auto& frames = set.GetSequences()[0]->GetFrames();
    ASSERT_EQ(2u, frames.size());
    int32_t h = -1, v = -1;
    frames[1]->GetHotspot(h, v);
    EXPECT_EQ(0, h);
    EXPECT_EQ(2, v);
    EXPECT_TRUE(frames[0]->GetTransparent());
    EXPECT_EQ(FrameSource::ImageFile, set.GetCommonSource());
    EXPECT_EQ(16, set.GetLargestFrameSize().cx);
    EXPECT_EQ(20, set.GetLargestFrameSize().cy);
    EXPECT_EQ((std::vector<std::string>{"small.bmp", "large.bmp"}), set.GetFileList());

    AnimationReference saved;
    saved.libraryAsset = 9;
    EXPECT_TRUE(set.Save(saved));
    EXPECT_EQ(TwoFrames().sequences, saved.sequences);
    EXPECT_EQ(0, saved.libraryAsset);
    EXPECT_FALSE(Exists("anim0.seq"));
}

TEST_F(AnimationSetTest, OneReplacedFrameSendsTheSetToASequenceFileThatReadsBack) {
    AnimationSet set(TwoFrames(), AnimationUsage::Animation);
    auto replacement = std::make_shared<Bitmap>(12, 6, 16, true);
    set.GetSequences()[0]->GetFrames()[0]->SetImage(replacement);
    EXPECT_EQ(FrameSource::Blank, set.GetCommonSource());
    set.GetSequences()[set.AddSequence()]->AddFrame()->SetImage(replacement);

    CloseHandle(CreateFileA("anim0.seq", GENERIC_WRITE, 0, nullptr, CREATE_NEW, 0, nullptr));
    CloseHandle(CreateFileA("anim1.seq", GENERIC_WRITE, 0, nullptr, CREATE_NEW, 0, nullptr));
    AnimationReference record = TwoFrames();
    ASSERT_TRUE(set.Save(record));
    ASSERT_EQ(1u, record.sequences.size());
    EXPECT_EQ((std::vector<std::string>{"anim2.seq"}), record.sequences[0]);
    EXPECT_NE(0, record.libraryAsset);

    AnimationSet reread(record, AnimationUsage::Animation);
    ASSERT_EQ(2u, reread.GetSequenceCount());
    const auto& first = reread.GetSequences()[0]->GetFrames();
    ASSERT_EQ(2u, first.size());
    EXPECT_EQ(12, first[0]->GetSize().cx);
    EXPECT_EQ(6, first[0]->GetSize().cy);
    EXPECT_EQ(10, first[1]->GetSize().cx);
    EXPECT_EQ(20, first[1]->GetSize().cy);
    EXPECT_EQ(1u, reread.GetSequences()[1]->GetFrameCount());
    EXPECT_EQ(FrameSource::Asset, reread.GetCommonSource());

    // The next save of the program takes the next free name.
    AnimationReference again;
    ASSERT_TRUE(set.Save(again));
    EXPECT_EQ("anim3.seq", again.sequences[0][0]);
}

TEST_F(AnimationSetTest, OneFileWithoutAnAssetNumberIsAnImageAndAMissingAssetIsReported) {
    AnimationReference single;
    single.sequences = {{"large.bmp"}};
    AnimationSet set(single, AnimationUsage::Symbol);
    EXPECT_EQ(FrameSource::ImageFile, set.GetCommonSource());

    AnimationReference missing;
    missing.sequences = {{"nowhere.seq"}};
    missing.libraryAsset = 3;
    try {
        AnimationSet broken(missing, AnimationUsage::Coin);
        FAIL() << "no exception";
    } catch (const std::runtime_error& error) {
        EXPECT_STREQ("Couldn't load animation asset #3 from nowhere.seq", error.what());
    }
}

TEST_F(AnimationSetTest, ASetWithoutSequencesHasNoCommonSource) {
    AnimationSet empty(AnimationReference(), AnimationUsage::Indicator);
    EXPECT_EQ(FrameSource::Blank, empty.GetCommonSource());
    EXPECT_EQ(0, empty.GetLargestFrameSize().cx);
    AnimationSequence* taken = empty.RemoveSequence(empty.AddSequence());
    EXPECT_EQ(0u, empty.GetSequenceCount());
    delete taken;
}

}  // namespace
