// The sound system over the sound library's silent sink: asset sounds on the stream pool
// and on temporary streams, asset locks given back in every case, flushing, sounds from
// disk under the "Sound Effects" setting, and the fault guard around library calls.
#include <gtest/gtest.h>

#include "AssetFileBuilder.h"
#include "FaultGuard.h"
#include "Quor2_5.h"
#include "SavedGeneralValues.h"
#include "SoundEffect.h"
#include "SoundTestSupport.h"
#include "StructuredException.h"
#include "TempAssetFile.h"

namespace {

const uint32_t kWave = 0x45564157u;  // "WAVE"
const uint32_t kCwav = 0x56415743u;  // "CWAV"
const int kGoodSounds = 8;           // assets 1 to 8: 300 ms each
const uint32_t kCwavAsset = 9;
const uint32_t kBadAsset = 10;       // a WAVE asset whose data is no sound

class SoundSystemTest : public testing::Test {
protected:
    static void SetUpTestSuite() {
        AssetFileBuilder builder;
        for (int i = 0; i < kGoodSounds; ++i) builder.Add(kWave, WavImage(MakeLevel(300, 1000)));
        builder.Add(kCwav, CwvImage(MakeTone(300, 400.0, 0.2, 11025, 1)));
        builder.Add(kWave, std::vector<uint8_t>(64, 0x33));
        path_ = WriteTempAssetFile(builder.Build(), "sound_system_test");
        file_ = OpenAssetFile(path_.c_str());
    }
    static void TearDownTestSuite() {
        CloseAssetFile(uint32_t(file_));
        DeleteFileA(path_.c_str());
    }
    void SetUp() override {
        ASSERT_NE(-1, file_);
        OpenSilentSoundSystem();
    }
    void TearDown() override { GetSoundSystem().Close(); }

    static uint32_t Asset(uint32_t index) { return uint32_t(file_) | index; }
    static uint16_t Locks(uint32_t index) {
        QuorAssetInfo info = {};
        GetAssetInfo(Asset(index), &info);
        return info.state == 3 ? info.lockCount : 0;
    }
    static bool NothingLocked() {
        for (uint32_t i = 1; i <= kBadAsset; ++i)
            if (Locks(i)) return false;
        return true;
    }
    static int32_t Queued(int pooled) { return AuloGetStreamTimeQueued(GetSoundSystem().GetPooledStream(pooled)); }

    static std::string path_;
    static int32_t file_;
};

std::string SoundSystemTest::path_;
int32_t SoundSystemTest::file_ = -1;

// Every event code that came, a bit each: a busy machine may look only after the next one.
void __stdcall NoteEvent(const AuloEvent* event, uintptr_t user) {
    InterlockedOr(reinterpret_cast<volatile LONG*>(user), LONG(1) << event->code);
}

}  // namespace

TEST_F(SoundSystemTest, FiveSoundsAtOnceFillThePoolThenTemporaryStreamsThenQueueOnTheLeastBusy) {
    SoundSystem& sound = GetSoundSystem();
    for (int i = 0; i < SoundSystem::kPoolSize; ++i) EXPECT_NE(0u, sound.GetPooledStream(i));
    for (uint32_t i = 1; i <= 5; ++i) sound.PlayAssetSound(Asset(i), 0, 0, 0, 0);
    for (int i = 0; i < SoundSystem::kPoolSize; ++i) EXPECT_GT(Queued(i), 250) << i;
    EXPECT_EQ(1, sound.GetExtraStreamCount());

    // Two more temporary streams, then the count would reach four: the eighth sound queues
    // behind the first of the equally busy pooled streams.
    for (uint32_t i = 6; i <= 8; ++i) sound.PlayAssetSound(Asset(i), 0, 0, 0, 0);
    EXPECT_EQ(3, sound.GetExtraStreamCount());
    EXPECT_GT(Queued(0), 500);
    for (int i = 1; i < SoundSystem::kPoolSize; ++i) EXPECT_LT(Queued(i), 310) << i;
    for (uint32_t i = 1; i <= 8; ++i) EXPECT_EQ(1, Locks(i)) << i;

    // Every sound plays out: the temporary streams go, every asset is released.
    ASSERT_TRUE(WaitFor([&] { return sound.GetExtraStreamCount() == 0 && NothingLocked(); }));
    EXPECT_EQ(0, Queued(0));
}

TEST_F(SoundSystemTest, ASoundThatCannotBeCuedGivesBackItsLockAndItsTemporaryStream) {
    SoundSystem& sound = GetSoundSystem();
    sound.PlayAssetSound(Asset(kBadAsset), 0, 0, 0, 0);  // on an idle pooled stream
    EXPECT_EQ(0, Locks(kBadAsset));
    for (uint32_t i = 1; i <= 4; ++i) sound.PlayAssetSound(Asset(i), 0, 0, 0, 0);
    sound.PlayAssetSound(Asset(kBadAsset), 0, 0, 0, 0);  // on a temporary stream
    EXPECT_EQ(0, sound.GetExtraStreamCount());
    EXPECT_EQ(0, Locks(kBadAsset));
    sound.PlayAssetSound(Asset(kCwavAsset), 0, 0, 0, 0);  // CWAV plays on a temporary stream
    EXPECT_EQ(1, sound.GetExtraStreamCount());
    EXPECT_EQ(1, Locks(kCwavAsset));

    sound.PlayAssetSound(Asset(kBadAsset + 1), 0, 0, 0, 0);  // no such asset: nothing at all
    sound.PlayAssetSound(0xFE000001u, 0, 0, 0, 0);
    EXPECT_EQ(1, sound.GetExtraStreamCount());
    ASSERT_TRUE(WaitFor([&] { return sound.GetExtraStreamCount() == 0 && NothingLocked(); }));
}

TEST_F(SoundSystemTest, FlushAllEmptiesThePoolAndReleasesItsAssetsAtOnce) {
    SoundSystem& sound = GetSoundSystem();
    for (uint32_t i = 1; i <= 6; ++i) sound.PlayAssetSound(Asset(i), 0, 0, 0, 0);
    EXPECT_EQ(2, sound.GetExtraStreamCount());
    sound.FlushAll();
    for (int i = 0; i < SoundSystem::kPoolSize; ++i) EXPECT_EQ(0, Queued(i));
    for (uint32_t i = 1; i <= 4; ++i) EXPECT_EQ(0, Locks(i)) << i;
    EXPECT_EQ(2, sound.GetExtraStreamCount());  // the temporary streams play on
    ASSERT_TRUE(WaitFor([&] { return sound.GetExtraStreamCount() == 0 && NothingLocked(); }));

    // After Close the pool is gone: sounds are refused but their locks still go back.
    sound.Close();
    sound.PlayAssetSound(Asset(1), 0, 0, 0, 0);
    EXPECT_EQ(0, Locks(1));
    EXPECT_EQ(0, sound.GetExtraStreamCount());
}

TEST_F(SoundSystemTest, EffectStreamsFollowTheSoundEffectsSettingAndEndCallbacksArrive) {
    SavedGeneralValues saved;
    const std::string file = TempSoundPath("effect.wav");
    ASSERT_TRUE(WriteBytes(file, WavImage(MakeLevel(1000, 500))));
    std::unique_ptr<SoundStream> effect = GetSoundSystem().OpenStream(true);
    std::unique_ptr<SoundStream> plain = GetSoundSystem().OpenStream(false);
    ASSERT_TRUE(effect && plain);
    EXPECT_TRUE(effect->IsEffect());
    volatile LONG lastEvent = 0;
    AuloSetStreamCallback(effect->GetHandle(), NoteEvent);

    GetSoundEffectsSetting().Set(false);
    EXPECT_EQ(nullptr, OpenSoundEffect(effect.get(), file.c_str(), uintptr_t(&lastEvent), 0, 0, 0));
    EXPECT_EQ(0, AuloGetStreamTimeQueued(effect->GetHandle()));
    EXPECT_NE(nullptr, OpenSoundEffect(plain.get(), file.c_str(), 0, 0, 0, 0));

    GetSoundEffectsSetting().Set(true);
    std::unique_ptr<SoundCallback> cued = OpenSoundEffect(effect.get(), file.c_str(), uintptr_t(&lastEvent), 0, 0, 0);
    ASSERT_NE(nullptr, cued);
    EXPECT_EQ(effect.get(), cued->stream);
    EXPECT_TRUE(ScheduleSoundEndCallback(*cued, 50, uintptr_t(&lastEvent)));
    ASSERT_TRUE(WaitFor([&] { return (lastEvent & (1 << AULO_EVENT_FROM_END)) != 0; }));

    EXPECT_EQ(nullptr, OpenSoundEffect(effect.get(), (file + ".missing").c_str(), 0, 0, 0, 0));
    EXPECT_EQ(nullptr, OpenSoundEffect(nullptr, file.c_str(), 0, 0, 0, 0));
    effect->Close();
    EXPECT_EQ(0u, effect->GetHandle());
    DeleteFileA(file.c_str());
}

TEST(FaultGuard, AFaultInsideTheCallGivesTheFallbackAndTheThreadGoesOn) {
    volatile int* nowhere = nullptr;
    SetLastStructuredCode(0);
    EXPECT_EQ(7u, CallGuarded([&]() -> uint32_t { return uint32_t(*nowhere); }, 7));
    EXPECT_EQ(0xC0000005u, GetLastStructuredCode());
    EXPECT_EQ(42u, CallGuarded([] { return 42u; }, 7));
    // Nested guards: the inner one catches its own fault, the outer call carries on.
    const uint32_t outer = CallGuarded(
        [&]() -> uint32_t {
            const uint32_t inner = CallGuarded([&]() -> uint32_t { *nowhere = 1; return 1; }, 5);
            return inner + 100;
        },
        9);
    EXPECT_EQ(105u, outer);
    EXPECT_EQ(3u, CallGuarded([&]() -> uint32_t { return uint32_t(*nowhere); }, 3));
}
