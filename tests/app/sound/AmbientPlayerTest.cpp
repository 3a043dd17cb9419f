// The ambient player over the sound library's silent sink: the folder setting, looping
// without a gap, the two-second cross-fade, the "Ambient Sounds" switch, a stream that
// cannot be opened, and Play hammered while the library's callbacks run.
#include <gtest/gtest.h>

#include <algorithm>
#include <memory>

#include "AmbientPlayer.h"
#include "SavedGeneralValues.h"
#include "SoundTestSupport.h"

namespace {

const int16_t kLevel = 10000;

class AmbientPlayerTest : public testing::Test {
protected:
    void SetUp() override {
        folder_ = TempSoundPath("ambient");
        CreateDirectoryA(folder_.c_str(), nullptr);
        for (const char* name : {"a.wav", "b.wav"}) ASSERT_TRUE(WriteBytes(folder_ + "\\" + name, WavImage(MakeLevel(300, kLevel))));
        ASSERT_TRUE(WriteBytes(folder_ + "\\tick.wav", WavImage(MakeLevel(30, kLevel))));
        GetAmbientPathSetting().Set(folder_);
        GetAmbientSoundsSetting().Set(true);
    }
    void TearDown() override {
        GetSoundSystem().Close();  // no callback may reach the player after this
        player_.reset();
        for (const char* name : {"a.wav", "b.wav", "tick.wav"}) DeleteFileA((folder_ + "\\" + name).c_str());
        RemoveDirectoryA(folder_.c_str());
        DeleteFileA(render_.c_str());
    }
    void Open(bool rendering = false) {
        if (rendering) render_ = TempSoundPath("ambient_render.wav");
        OpenSilentSoundSystem(render_);
        player_ = std::make_unique<AmbientPlayer>();
    }
    int32_t CurrentQueued() const { return AuloGetStreamTimeQueued(player_->GetCurrentStream()); }
    // Milliseconds of mix the render file holds: the library writes it in blocks, so it may
    // hold less than was mixed, never more. A busy machine mixes late; tests wait on this.
    int RenderedMs() const {
        WIN32_FILE_ATTRIBUTE_DATA data;
        if (!GetFileAttributesExA(render_.c_str(), GetFileExInfoStandard, &data) || data.nFileSizeLow < 44) return 0;
        return int((data.nFileSizeLow - 44) / 4 * 1000 / 22050);
    }

    SavedGeneralValues saved_;
    std::string folder_;
    std::string render_;
    std::unique_ptr<AmbientPlayer> player_;
};

}  // namespace

TEST_F(AmbientPlayerTest, PlaysFromTheFolderAndTheSameFileAgainChangesNothing) {
    Open();
    EXPECT_EQ(folder_ + "\\", player_->GetFolder());
    EXPECT_TRUE(player_->IsPlaying());
    player_->Play("a.wav");
    EXPECT_EQ(folder_ + "\\a.wav", player_->GetCurrentFile());
    const uint32_t stream = player_->GetCurrentStream();
    ASSERT_NE(0u, stream);
    EXPECT_GT(CurrentQueued(), 0);
    player_->Play("a.wav");
    EXPECT_EQ(stream, player_->GetCurrentStream());
    EXPECT_EQ(0u, player_->GetPreviousStream());
}

TEST_F(AmbientPlayerTest, AFileShorterThanItsLeadLoopsWithoutAGap) {
    Open(true);
    player_->Play("a.wav");
    // The end callback comes two seconds ahead: the loop keeps about that much queued.
    ASSERT_TRUE(WaitFor([&] { return CurrentQueued() >= 2000; }));
    ASSERT_TRUE(WaitFor([&] { return RenderedMs() >= 450; }));
    EXPECT_GE(CurrentQueued(), 1990);
    GetSoundSystem().Close();
    const std::vector<int16_t> mix = WavSamples(ReadBytes(render_));
    ASSERT_GT(mix.size() / 2, size_t(22050 * 400 / 1000));
    // The first sound fades in from 0 (its first frames round to 0), later ones are whole.
    for (size_t i = 2 * 10; i < mix.size(); ++i) ASSERT_GT(mix[i], 0) << "gap at frame " << i / 2;
    EXPECT_EQ(kLevel, mix.back());
}

TEST_F(AmbientPlayerTest, ANewFileCrossFadesAndTheOldStreamClosesWhenItsFadeEnds) {
    Open(true);
    player_->Play("a.wav");
    const uint32_t first = player_->GetCurrentStream();
    ASSERT_TRUE(WaitFor([&] { return RenderedMs() >= 50; }));
    const int switched = RenderedMs();
    player_->Play("b.wav");
    EXPECT_EQ(first, player_->GetPreviousStream());
    EXPECT_NE(0u, player_->GetCurrentStream());
    EXPECT_NE(first, player_->GetCurrentStream());
    EXPECT_EQ(folder_ + "\\b.wav", player_->GetCurrentFile());
    // A second into the two-second fade, counted in the mix (which a busy machine runs late
    // and then catches up): still fading, unless the mix has run on meanwhile.
    ASSERT_TRUE(WaitFor([&] { return RenderedMs() >= switched + 1000; }));
    const uint32_t previous = player_->GetPreviousStream();
    if (RenderedMs() < switched + 1900) EXPECT_EQ(first, previous);
    ASSERT_TRUE(WaitFor([&] { return player_->GetPreviousStream() == 0; }));
    EXPECT_EQ(0, AuloGetStreamTimeQueued(first));  // closed
    EXPECT_GT(CurrentQueued(), 0);
}

TEST_F(AmbientPlayerTest, SwitchingAmbientSoundsOffAndOnRestartsTheFileWithAFadeIn) {
    Open(true);
    player_->Play("a.wav");
    ASSERT_TRUE(WaitFor([&] { return RenderedMs() >= 450; }));  // past the first (fading) sound into whole ones
    GetAmbientSoundsSetting().Set(false);
    EXPECT_FALSE(player_->IsPlaying());
    EXPECT_EQ(0u, player_->GetCurrentStream());
    player_->Play("b.wav");  // remembered while off, not played
    EXPECT_EQ(0u, player_->GetCurrentStream());
    GetAmbientSoundsSetting().Set(true);
    EXPECT_TRUE(player_->IsPlaying());
    EXPECT_EQ(folder_ + "\\b.wav", player_->GetCurrentFile());
    EXPECT_NE(0u, player_->GetCurrentStream());
    const int switched = RenderedMs();
    ASSERT_TRUE(WaitFor([&] { return RenderedMs() >= switched + 300; }));
    GetSoundSystem().Close();
    const std::vector<int16_t> mix = WavSamples(ReadBytes(render_));
    ASSERT_GT(mix.size(), size_t(2 * 22050 * 600 / 1000));
    // Whole before the switch; the restarted file fades in over two seconds from where the
    // first one was cut off (after a silent period or two, when the mix ran in between):
    // 100 ms into it the level is a twentieth.
    const auto whole = mix.begin() + 2 * 22050 * 400 / 1000;
    EXPECT_EQ(kLevel, *std::max_element(mix.begin(), whole));
    const auto cut = std::find_if(whole, mix.end(), [](int16_t s) { return s < kLevel; });
    const auto restart = std::find_if(cut, mix.end(), [](int16_t s) { return s > 0; });
    ASSERT_GT(mix.end() - restart, 2 * 22050 * 200 / 1000);
    const int16_t fading = restart[2 * 22050 * 100 / 1000];
    EXPECT_GT(fading, 0);
    EXPECT_LT(fading, kLevel / 5);
}

TEST_F(AmbientPlayerTest, AFolderEndingInASlashIsUsedAsItIsAndTheFileStartsAgainFromThere) {
    Open();
    player_->Play("a.wav");
    std::string slashed = folder_;
    std::replace(slashed.begin(), slashed.end(), '\\', '/');
    slashed += "/";
    GetAmbientPathSetting().Set(slashed);
    player_->Reload();
    EXPECT_EQ(slashed, player_->GetFolder());
    EXPECT_EQ(slashed + "a.wav", player_->GetCurrentFile());
    EXPECT_GT(CurrentQueued(), 0);  // the file was found in the new folder
    player_->Stop();  // the name is taken after the last "/" now
    player_->Start();
    EXPECT_EQ(slashed + "a.wav", player_->GetCurrentFile());
    EXPECT_GT(CurrentQueued(), 0);

    // An empty path: silent, but files asked for are remembered and play once it is set.
    GetAmbientPathSetting().Set("");
    player_->Reload();
    EXPECT_EQ(0u, player_->GetCurrentStream());
    player_->Play("b.wav");
    EXPECT_EQ(0u, player_->GetCurrentStream());
    GetAmbientPathSetting().Set(folder_ + "\\");
    player_->Reload();
    EXPECT_EQ(folder_ + "\\b.wav", player_->GetCurrentFile());
    EXPECT_GT(CurrentQueued(), 0);
}

TEST_F(AmbientPlayerTest, AStreamThatCannotBeOpenedLeavesNoCurrentStreamAndTheNextPlayWorks) {
    Open();
    player_->Play("a.wav");
    GetSoundSystem().Close();  // the library opens no more streams
    player_->Play("b.wav");
    EXPECT_EQ(0u, player_->GetCurrentStream());
    EXPECT_EQ(folder_ + "\\b.wav", player_->GetCurrentFile());
    OpenSilentSoundSystem();
    player_->Play("a.wav");
    EXPECT_NE(0u, player_->GetCurrentStream());
    EXPECT_GT(CurrentQueued(), 0);
    player_->Stop();
    EXPECT_EQ(0u, player_->GetCurrentStream());
    EXPECT_EQ(0u, player_->GetPreviousStream());
}

TEST_F(AmbientPlayerTest, PlayHammeredWhileTheCallbacksLoopAndFadeKeepsTheStateWhole) {
    Open();
    // A 30 ms file is cued again on every period and every Play starts a fade, so the
    // library's thread is in the player's callback all the time.
    const char* names[] = {"tick.wav", "a.wav", "b.wav"};
    const DWORD start = GetTickCount();
    for (int i = 0; GetTickCount() - start < 600; ++i) {
        player_->Play(names[i % 3]);
        if (i % 50 == 49) GetAmbientSoundsSetting().Set(!GetAmbientSoundsSetting().Get());
        Sleep(i % 4 == 0 ? 1 : 0);
    }
    GetAmbientSoundsSetting().Set(true);
    player_->Play("tick.wav");
    EXPECT_EQ(folder_ + "\\tick.wav", player_->GetCurrentFile());
    ASSERT_NE(0u, player_->GetCurrentStream());
    ASSERT_TRUE(WaitFor([&] { return player_->GetPreviousStream() == 0; }));
    EXPECT_GT(CurrentQueued(), 0);
}
