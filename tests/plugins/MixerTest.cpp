// The mixer on its own clock: streams play their cues without a gap, fades, the events a
// stream raises, callbacks scheduled from the end of a sound, flushes and effects; and
// the render recorder that writes what was heard.
#include <gtest/gtest.h>

#include <cstdio>

#include "Mixer.h"
#include "RenderRecorder.h"
#include "SoundFiles.h"

using aulo::Mixer;
using aulo::Notice;
using aulo::Notices;
using aulo::SoundImage;

namespace {

const uint32_t kPeriod = 220;  // the library's period at 22050 Hz

// Keeps sound images alive for the mixer, which borrows memory cues.
struct SoundBank {
    std::vector<std::vector<uint8_t>> images;
    SoundImage Add(const TestSound& sound) {
        images.push_back(WavImage(sound));
        SoundImage image;
        EXPECT_TRUE(aulo::ParseSound(images.back().data(), images.back().size(), image));
        return image;
    }
};

struct MixRun {
    std::vector<int16_t> samples;  // stereo output
    std::vector<std::pair<size_t, Notice>> notices;  // with the frame after the period
};

void MixPeriods(Mixer& mixer, int periods, MixRun& run) {
    std::vector<uint8_t> out(kPeriod * 4);
    for (int p = 0; p < periods; ++p) {
        Notices notices;
        mixer.Mix(out.data(), kPeriod, notices);
        for (uint32_t i = 0; i < kPeriod * 2; ++i) run.samples.push_back(int16_t(aulo::ReadLE16(&out[2 * i])));
        for (const Notice& n : notices) run.notices.push_back({run.samples.size() / 2, n});
    }
}

int CountEvents(const MixRun& run, uint32_t code) {
    int count = 0;
    for (const auto& entry : run.notices) count += entry.second.kind == Notice::Event && entry.second.code == code;
    return count;
}

void* const kCallback = reinterpret_cast<void*>(0x1234);
void* const kDone = reinterpret_cast<void*>(0x5678);

}  // namespace

TEST(Mixer, CuesOnOneStreamFollowEachOtherWithoutAGapAndStreamsAddUp) {
    Mixer mixer(aulo::OutputFormat{});
    SoundBank bank;
    const uint32_t a = mixer.OpenStream(), b = mixer.OpenStream();
    ASSERT_NE(a, b);
    // 105 ms and 95 ms: the join falls inside a period.
    EXPECT_NE(0u, mixer.Cue(a, bank.Add(MakeLevel(105, 1000)), 1, kDone, 0));
    EXPECT_NE(0u, mixer.Cue(a, bank.Add(MakeLevel(95, 2000)), 2, kDone, 0));
    EXPECT_NE(0u, mixer.Cue(b, bank.Add(MakeLevel(50, 32000)), 3, nullptr, 0));
    EXPECT_EQ(199, mixer.GetQueuedMs(a));  // 2315 + 2094 frames
    EXPECT_EQ(0, mixer.GetQueuedMs(999));

    MixRun run;
    MixPeriods(mixer, 25, run);
    const size_t joinAt = 2315, endAt = 2315 + 2094, bEnd = 1102;
    EXPECT_EQ(32767, run.samples[0]);  // 33000 clamps
    EXPECT_EQ(32767, run.samples[2 * (bEnd - 1)]);
    EXPECT_EQ(1000, run.samples[2 * bEnd]);
    EXPECT_EQ(1000, run.samples[2 * (joinAt - 1)]);
    EXPECT_EQ(2000, run.samples[2 * joinAt]);
    EXPECT_EQ(2000, run.samples[2 * (endAt - 1) + 1]);
    EXPECT_EQ(0, run.samples[2 * endAt]);
    EXPECT_EQ(0, mixer.GetQueuedMs(a));

    // Completion routines of both cues on `a`, in order; none for the cue without one.
    std::vector<uintptr_t> done;
    for (const auto& entry : run.notices)
        if (entry.second.kind == Notice::Completion) done.push_back(entry.second.user);
    EXPECT_EQ((std::vector<uintptr_t>{1, 2}), done);
}

TEST(Mixer, FadeInRampsUpAndFadeOutEndsInSilenceWithItsEvent) {
    Mixer mixer(aulo::OutputFormat{});
    SoundBank bank;
    const uint32_t s = mixer.OpenStream();
    mixer.SetCallback(s, kCallback);
    mixer.Cue(s, bank.Add(MakeLevel(1000, 10000)), 7, kDone, 100);  // 2205 frames of fade-in
    MixRun run;
    MixPeriods(mixer, 11, run);
    EXPECT_EQ(0, run.samples[0]);
    EXPECT_NEAR(5000, run.samples[2 * 1102], 10);
    EXPECT_EQ(10000, run.samples[2 * 2210]);

    ASSERT_TRUE(mixer.FadeOut(s, 200));  // 4410 frames
    MixPeriods(mixer, 10, run);
    EXPECT_NEAR(5000, run.samples[2 * (2420 + 2199)], 20);
    EXPECT_EQ(0, CountEvents(run, aulo::kEventFadeDone));
    MixPeriods(mixer, 11, run);
    EXPECT_EQ(0, run.samples[2 * (2420 + 4410)]);
    ASSERT_EQ(1, CountEvents(run, aulo::kEventFadeDone));
    const auto& fadeDone = run.notices.back();
    EXPECT_EQ(size_t(2420 + 4620), fadeDone.first);  // the end of the period in which it ended
    EXPECT_EQ(uintptr_t(7), fadeDone.second.user);
    EXPECT_EQ(s, fadeDone.second.stream);
    EXPECT_EQ(kCallback, fadeDone.second.routine);
    EXPECT_EQ(0, mixer.GetQueuedMs(s));  // the rest of the sound was dropped...
    EXPECT_EQ(Notice::Completion, run.notices[run.notices.size() - 2].second.kind);  // ...and released

    // After the fade a new cue plays at full level again.
    mixer.Cue(s, bank.Add(MakeLevel(20, 10000)), 8, nullptr, 0);
    MixPeriods(mixer, 1, run);
    EXPECT_EQ(10000, run.samples[run.samples.size() - 2 * kPeriod]);
}

TEST(Mixer, AStreamThatRunsDryRaisesOneEventAndOneThatEmptiesDuringItsFadeAnother) {
    Mixer mixer(aulo::OutputFormat{});
    SoundBank bank;
    const uint32_t dry = mixer.OpenStream(), fading = mixer.OpenStream(), silent = mixer.OpenStream();
    for (uint32_t s : {dry, fading, silent}) mixer.SetCallback(s, kCallback);
    mixer.Cue(dry, bank.Add(MakeLevel(30, 100)), 11, nullptr, 0);
    mixer.Cue(fading, bank.Add(MakeLevel(30, 100)), 12, nullptr, 0);
    mixer.FadeOut(fading, 2000);
    MixRun run;
    MixPeriods(mixer, 10, run);
    ASSERT_EQ(2u, run.notices.size());
    for (const auto& entry : run.notices) {
        const Notice& n = entry.second;
        EXPECT_EQ(size_t(kPeriod * 4), entry.first);
        EXPECT_EQ(n.stream == dry ? aulo::kEventEmpty : aulo::kEventEmptyWhileFading, n.code);
        EXPECT_EQ(n.stream == dry ? 11u : 12u, n.user);
    }
    // A stream that never held a sound says nothing; fading it out ends at once.
    mixer.FadeOut(silent, 2000);
    MixPeriods(mixer, 1, run);
    ASSERT_EQ(3u, run.notices.size());
    EXPECT_EQ(aulo::kEventEmptyWhileFading, run.notices.back().second.code);
}

TEST(Mixer, ScheduledCallbackComesWhenTheTimeLeftToTheSoundsEndReachesIt) {
    Mixer mixer(aulo::OutputFormat{});
    SoundBank bank;
    const uint32_t s = mixer.OpenStream();
    mixer.SetCallback(s, kCallback);
    const uint32_t first = mixer.Cue(s, bank.Add(MakeLevel(500, 1)), 0, nullptr, 0);
    const uint32_t second = mixer.Cue(s, bank.Add(MakeLevel(300, 1)), 0, nullptr, 0);
    EXPECT_FALSE(mixer.ScheduleFromEnd(s, 999, 100, 5));
    EXPECT_FALSE(mixer.ScheduleFromEnd(999, first, 100, 5));
    ASSERT_TRUE(mixer.ScheduleFromEnd(s, second, 600, 21));  // counts the first sound too
    ASSERT_TRUE(mixer.ScheduleFromEnd(s, first, 200, 22));
    MixRun run;
    MixPeriods(mixer, 40, run);
    ASSERT_EQ(2, CountEvents(run, aulo::kEventFromEnd));
    const Notice& early = run.notices[0].second;
    EXPECT_EQ(uintptr_t(21), early.user);
    EXPECT_EQ(second, early.soundId);
    EXPECT_LE(early.queuedMs, 600);
    EXPECT_GE(early.queuedMs, 589);
    const Notice& late = run.notices[1].second;
    EXPECT_EQ(uintptr_t(22), late.user);
    EXPECT_LE(late.queuedMs, 300 + 200);
    EXPECT_GE(late.queuedMs, 300 + 189);
    // A sound shorter than the time asked for calls back at the first period.
    const uint32_t shortSound = mixer.Cue(s, bank.Add(MakeLevel(100, 1)), 0, nullptr, 0);
    run = MixRun();
    MixPeriods(mixer, 20, run);  // the rest of the first schedule's sounds
    mixer.ScheduleFromEnd(s, shortSound, 2000, 23);
    MixPeriods(mixer, 1, run);
    EXPECT_EQ(uintptr_t(23), run.notices.back().second.user);
}

TEST(Mixer, FlushAndCloseDropEverythingAndRunTheCompletionsWithoutEvents) {
    Mixer mixer(aulo::OutputFormat{});
    SoundBank bank;
    const uint32_t s = mixer.OpenStream();
    mixer.SetCallback(s, kCallback);
    const uint32_t id = mixer.Cue(s, bank.Add(MakeLevel(300, 100)), 31, kDone, 0);
    mixer.Cue(s, bank.Add(MakeLevel(300, 100)), 32, kDone, 0);
    mixer.ScheduleFromEnd(s, id, 100, 0);
    mixer.FadeOut(s, 1000);
    Notices notices;
    ASSERT_TRUE(mixer.FlushStream(s, notices));
    ASSERT_EQ(2u, notices.size());
    EXPECT_EQ(uintptr_t(31), notices[0].user);
    EXPECT_EQ(kDone, notices[1].routine);
    EXPECT_EQ(0, mixer.GetQueuedMs(s));
    MixRun run;
    MixPeriods(mixer, 30, run);
    EXPECT_TRUE(run.notices.empty());

    mixer.Cue(s, bank.Add(MakeLevel(300, 100)), 33, kDone, 0);
    notices.clear();
    ASSERT_TRUE(mixer.CloseStream(s, notices));
    ASSERT_EQ(1u, notices.size());
    EXPECT_FALSE(mixer.CloseStream(s, notices));
    EXPECT_FALSE(mixer.FlushStream(s, notices));
    EXPECT_EQ(0u, mixer.Cue(s, bank.Add(MakeLevel(10, 1)), 0, nullptr, 0));
    EXPECT_FALSE(mixer.FadeOut(s, 10));
    EXPECT_FALSE(mixer.SetCallback(s, kCallback));

    mixer.OpenStream();
    mixer.Cue(mixer.OpenStream(), bank.Add(MakeLevel(300, 100)), 34, kDone, 0);
    notices.clear();
    mixer.CloseAll(notices);
    EXPECT_EQ(1u, notices.size());
    EXPECT_EQ(0u, mixer.GetStreamCount());
}

TEST(Mixer, EffectsPlayOnStreamsOfTheirOwnThatCloseWhenDone) {
    Mixer mixer(aulo::OutputFormat{22050, 8, 1});
    SoundBank bank;
    for (int i = 0; i < 5; ++i) EXPECT_NE(0u, mixer.PlayEffect(bank.Add(MakeLevel(20 + 10 * i, 256)), i, kDone, 0));
    EXPECT_EQ(5u, mixer.GetStreamCount());
    std::vector<uint8_t> out(kPeriod);
    Notices notices;
    mixer.Mix(out.data(), kPeriod, notices);
    EXPECT_EQ(128 + 5, out[0]);  // five at 256 (one step of an 8-bit sample) each
    while (mixer.GetStreamCount()) mixer.Mix(out.data(), kPeriod, notices);
    EXPECT_EQ(5u, notices.size());
    EXPECT_EQ(128, out[kPeriod - 1]);
}

TEST(RenderRecorder, KeepsWhatWasHeardWithItsGapsButNotTheSilenceAround) {
    const std::string path = testing::TempDir() + "render_recorder_test.wav";
    {
        aulo::RenderRecorder recorder(path, aulo::OutputFormat{});
        ASSERT_TRUE(recorder.IsOpen());
        std::vector<uint8_t> period(kPeriod * 4, 0x11);
        recorder.Write(period.data(), kPeriod, {});
        recorder.Write(period.data(), kPeriod, {20, kPeriod});
        recorder.Write(period.data(), kPeriod, {});
        recorder.Write(period.data(), kPeriod, {0, 100});
        recorder.Write(period.data(), kPeriod, {});
    }
    aulo::SoundFormat format;
    const std::vector<int16_t> samples = WavSamples(ReadBytes(path), &format);
    std::remove(path.c_str());
    EXPECT_EQ(22050u, format.rate);
    ASSERT_EQ(size_t(200 + 220 + 100) * 2, samples.size());
    EXPECT_EQ(0x1111, samples[0]);
    EXPECT_EQ(0, samples[2 * 200]);
    EXPECT_EQ(0x1111, samples[2 * 420]);
}
