// The sound library through its exports, on its silent sink (and its render mode where a
// test looks at what was mixed): effects, gapless streams, cross-fades, callbacks
// scheduled from the end, flushes from inside callbacks, and refused files.
#include <windows.h>

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "AuloSnd.h"
#include "SoundFiles.h"
#include "SoundTestFiles.h"

namespace {

// What callbacks saw, written on the library's thread and read on the test's.
struct EventLog {
    CRITICAL_SECTION lock;
    std::vector<AuloEvent> events;
    volatile LONG completions = 0;
    std::function<void(const AuloEvent&)> onEvent;

    EventLog() { InitializeCriticalSection(&lock); }
    ~EventLog() { DeleteCriticalSection(&lock); }
    size_t Count(uint32_t code) {
        EnterCriticalSection(&lock);
        size_t n = 0;
        for (const AuloEvent& e : events) n += e.code == code;
        LeaveCriticalSection(&lock);
        return n;
    }
    AuloEvent First(uint32_t code) {
        EnterCriticalSection(&lock);
        AuloEvent found = {};
        for (const AuloEvent& e : events)
            if (e.code == code) {
                found = e;
                break;
            }
        LeaveCriticalSection(&lock);
        return found;
    }
};

void __stdcall LogEvent(const AuloEvent* event, uintptr_t user) {
    EventLog* log = reinterpret_cast<EventLog*>(user);
    EnterCriticalSection(&log->lock);
    log->events.push_back(*event);
    LeaveCriticalSection(&log->lock);
    if (log->onEvent) log->onEvent(*event);
}

void __stdcall CountCompletion(uintptr_t user) { InterlockedIncrement(&reinterpret_cast<EventLog*>(user)->completions); }

// Holds the library's thread in a completion routine until released: no period is mixed
// meanwhile, however the machine runs the threads.
struct Park {
    HANDLE parked = CreateEventA(nullptr, TRUE, FALSE, nullptr);
    HANDLE release = CreateEventA(nullptr, TRUE, FALSE, nullptr);
    ~Park() {
        SetEvent(release);
        AuloClose();  // the routine has left once the library's thread has ended
        CloseHandle(parked);
        CloseHandle(release);
    }
};
void __stdcall ParkTheLibrary(uintptr_t user) {
    const Park* park = reinterpret_cast<const Park*>(user);
    SetEvent(park->parked);
    WaitForSingleObject(park->release, 30000);
}

class AuloSndTest : public testing::Test {
protected:
    void TearDown() override {
        AuloClose();
        SetEnvironmentVariableA("AULOSND_SILENT", nullptr);
        SetEnvironmentVariableA("AULOSND_RENDER", nullptr);
        DeleteFileA(renderPath_.c_str());
    }
    void OpenSilent() {
        SetEnvironmentVariableA("AULOSND_SILENT", "1");
        ASSERT_EQ(1, AuloOpen(nullptr, 22050, 16, 2));
    }
    void OpenRendering() {
        renderPath_ = TempSoundPath("render.wav");
        SetEnvironmentVariableA("AULOSND_RENDER", renderPath_.c_str());
        ASSERT_EQ(1, AuloOpen(nullptr, 22050, 16, 2));
    }
    // Closes the library and reads back what it rendered (stereo samples).
    std::vector<int16_t> Rendered() {
        AuloClose();
        return WavSamples(ReadBytes(renderPath_));
    }
    std::string renderPath_;
    EventLog log;  // outlives the library's callbacks: TearDown closes the library first
};

size_t Frames(const std::vector<int16_t>& stereo) { return stereo.size() / 2; }

}  // namespace

TEST_F(AuloSndTest, CallsWithoutAnOpenOutputFailHarmlessly) {
    AuloClose();  // never opened
    const std::vector<uint8_t> wav = WavImage(MakeLevel(50, 100));
    EXPECT_EQ(0u, AuloOpenStream());
    EXPECT_EQ(0u, AuloCueStreamFromSharedMemory(1, wav.data(), uintptr_t(&log), CountCompletion, 0, 0, 0, 0));
    EXPECT_EQ(0u, AuloPlaySoundEffect(wav.data(), uintptr_t(&log), CountCompletion, 0, 0));
    EXPECT_EQ(0, AuloGetStreamTimeQueued(1));
    EXPECT_EQ(0, AuloStreamFadeOut(1, 100));
    EXPECT_EQ(0, AuloSetStreamCallback(1, LogEvent));
    EXPECT_EQ(0, log.completions);
    EXPECT_EQ(0, AuloOpen(nullptr, 48000, 16, 2));
    EXPECT_EQ(0, AuloOpen(nullptr, 22050, 24, 2));
    EXPECT_EQ(0, AuloOpen(nullptr, 22050, 16, 6));

    OpenSilent();
    const uint32_t stream = AuloOpenStream();
    ASSERT_NE(0u, stream);
    ASSERT_NE(0u, AuloCueStreamFromSharedMemory(stream, wav.data(), uintptr_t(&log), CountCompletion, 0, 0, 0, 0));
    EXPECT_GT(AuloGetStreamTimeQueued(stream), 0);
    AuloClose();  // drops the stream and releases the memory
    EXPECT_EQ(1, log.completions);
    EXPECT_EQ(0u, AuloOpenStream());
    EXPECT_EQ(0, AuloFlushStream(stream));
    EXPECT_EQ(0, AuloCloseStream(stream));
    AuloClose();
}

TEST_F(AuloSndTest, FiveEffectsAtOnceAreMixedTogetherAndEachReleasesItsMemory) {
    OpenRendering();
    std::vector<std::vector<uint8_t>> sounds;
    for (int i = 0; i < 5; ++i) sounds.push_back(WavImage(MakeLevel(100 + 20 * i, 1000)));
    // The five start together from the callback of a silent period-long sound: on the
    // library's thread no period is mixed between them, however late the machine runs it.
    const std::vector<uint8_t> silence = WavImage(MakeLevel(10, 0));
    const uint32_t stream = AuloOpenStream();
    volatile LONG played = 0;
    log.onEvent = [&](const AuloEvent& e) {
        if (e.code != AULO_EVENT_EMPTY) return;
        for (const auto& wav : sounds) played += AuloPlaySoundEffect(wav.data(), uintptr_t(&log), CountCompletion, 0, 0) != 0;
    };
    AuloSetStreamCallback(stream, LogEvent);
    ASSERT_NE(0u, AuloCueStreamFromSharedMemory(stream, silence.data(), uintptr_t(&log), nullptr, 0, 0, 0, 0));
    ASSERT_TRUE(WaitFor([&] { return log.completions == 5; }));
    EXPECT_EQ(5, played);
    const std::vector<int16_t> mix = Rendered();
    ASSERT_EQ(220u + 3969u, Frames(mix));  // the silent period, then the longest, 180 ms
    EXPECT_EQ(0, mix[2 * 219]);
    EXPECT_EQ(5000, mix[2 * 220]);
    EXPECT_EQ(1000, mix[2 * (Frames(mix) - 1)]);
}

TEST_F(AuloSndTest, ALoopCuedFromTheEndCallbackPlaysWithoutAGap) {
    OpenRendering();
    const std::vector<uint8_t> wav = WavImage(MakeLevel(150, 3000));
    const uint32_t stream = AuloOpenStream();
    volatile LONG rounds = 1;
    log.onEvent = [&](const AuloEvent& e) {
        if (e.code != AULO_EVENT_FROM_END || rounds == 4) return;
        InterlockedIncrement(&rounds);
        const uint32_t id = AuloCueStreamFromSharedMemory(stream, wav.data(), uintptr_t(&log), nullptr, 0, 0, 0, 0);
        AuloSoundScheduleCallbackFromEnd(stream, id, 50, uintptr_t(&log));
    };
    AuloSetStreamCallback(stream, LogEvent);
    const uint32_t id = AuloCueStreamFromSharedMemory(stream, wav.data(), uintptr_t(&log), nullptr, 0, 0, 0, 0);
    ASSERT_TRUE(AuloSoundScheduleCallbackFromEnd(stream, id, 50, uintptr_t(&log)));
    ASSERT_TRUE(WaitFor([&] { return log.Count(AULO_EVENT_EMPTY) == 1; }));
    EXPECT_EQ(4, rounds);
    EXPECT_EQ(4u, log.Count(AULO_EVENT_FROM_END));
    const std::vector<int16_t> mix = Rendered();
    ASSERT_EQ(4u * 3307u, Frames(mix));
    for (size_t i = 0; i < mix.size(); ++i) ASSERT_EQ(3000, mix[i]) << "gap at frame " << i / 2;
}

TEST_F(AuloSndTest, CrossFadeHandsOverFromOneStreamToTheOther) {
    OpenRendering();
    const std::vector<uint8_t> oldSound = WavImage(MakeLevel(1000, 8000));
    const std::vector<uint8_t> newSound = WavImage(MakeLevel(600, 4000));
    const uint32_t oldStream = AuloOpenStream(), newStream = AuloOpenStream();
    // 100 ms into the old sound, on the library's thread (so that no period is mixed between
    // the two), the new one starts and the old one fades out; the new one's time left is
    // taken there as the fade ends.
    volatile LONG newQueued = -1;
    log.onEvent = [&](const AuloEvent& e) {
        if (e.code == AULO_EVENT_FROM_END) {
            AuloCueStreamFromSharedMemory(newStream, newSound.data(), 0, nullptr, 200, 0, 0, 0);
            AuloStreamFadeOut(oldStream, 200);
        } else if (e.code == AULO_EVENT_FADE_DONE) {
            newQueued = AuloGetStreamTimeQueued(newStream);
        }
    };
    AuloSetStreamCallback(oldStream, LogEvent);
    const uint32_t old = AuloCueStreamFromSharedMemory(oldStream, oldSound.data(), uintptr_t(&log), CountCompletion, 0, 0, 0, 0);
    ASSERT_TRUE(AuloSoundScheduleCallbackFromEnd(oldStream, old, 900, uintptr_t(&log)));
    ASSERT_TRUE(WaitFor([&] { return log.Count(AULO_EVENT_FADE_DONE) == 1; }));
    EXPECT_EQ(1, log.completions);  // the rest of the old sound was dropped and released
    EXPECT_EQ(0, AuloGetStreamTimeQueued(oldStream));
    EXPECT_GT(newQueued, 0);
    ASSERT_TRUE(WaitFor([&] { return AuloGetStreamTimeQueued(newStream) == 0; }));
    const std::vector<int16_t> mix = Rendered();
    ASSERT_GT(Frames(mix), 13230u);  // at least the new sound's 600 ms
    EXPECT_EQ(8000, mix[0]);
    EXPECT_EQ(4000, mix[mix.size() - 1]);
    // The fades run against each other: the level falls steadily from 8000 to 4000.
    const size_t end = Frames(mix) - 13230 + 4410;
    for (size_t f = 1; f < Frames(mix); ++f) ASSERT_LE(mix[2 * f], mix[2 * (f - 1)] + 1) << f;
    EXPECT_EQ(4000, mix[2 * (end + 220)]);
}

TEST_F(AuloSndTest, CallbackScheduledTwoSecondsBeforeTheEndComesWithTwoSecondsQueued) {
    OpenSilent();
    const std::vector<uint8_t> cwv = CwvImage(MakeTone(2300, 220.0, 0.2));
    const uint32_t stream = AuloOpenStream();
    volatile LONG queuedThen = -1;
    log.onEvent = [&](const AuloEvent& e) {
        if (e.code == AULO_EVENT_FROM_END) InterlockedExchange(&queuedThen, AuloGetStreamTimeQueued(e.stream));
    };
    AuloSetStreamCallback(stream, LogEvent);
    const uint32_t id = AuloCueStreamFromSharedMemory(stream, cwv.data(), 0, nullptr, 0, 0, 0, 0);
    ASSERT_NE(0u, id);
    ASSERT_TRUE(AuloSoundScheduleCallbackFromEnd(stream, id, 2000, uintptr_t(&log)));
    EXPECT_GT(AuloGetStreamTimeQueued(stream), 2000);
    ASSERT_TRUE(WaitFor([&] { return queuedThen >= 0; }));
    EXPECT_LE(queuedThen, 2000);
    EXPECT_GE(queuedThen, 1989);
    const AuloEvent event = log.First(AULO_EVENT_FROM_END);
    EXPECT_EQ(id, event.soundId);
    EXPECT_EQ(stream, event.stream);
    EXPECT_EQ(uintptr_t(&log), event.user);
    EXPECT_EQ(0, AuloSoundScheduleCallbackFromEnd(stream, id + 100, 2000, 0));
}

TEST_F(AuloSndTest, AStreamMayFlushAndCloseItselfFromItsOwnCallbackAndFlushReleasesMemory) {
    OpenSilent();
    const std::vector<uint8_t> shortSound = WavImage(MakeLevel(30, 100));
    const std::vector<uint8_t> longSound = WavImage(MakeLevel(5000, 100));
    const uint32_t stream = AuloOpenStream();
    log.onEvent = [&](const AuloEvent& e) {
        if (e.code != AULO_EVENT_FROM_END) return;
        AuloFlushStream(e.stream);
        AuloCloseStream(e.stream);
    };
    AuloSetStreamCallback(stream, LogEvent);
    const uint32_t id = AuloCueStreamFromSharedMemory(stream, shortSound.data(), uintptr_t(&log), CountCompletion, 0, 0, 0, 0);
    for (int i = 0; i < 3; ++i)
        AuloCueStreamFromSharedMemory(stream, longSound.data(), uintptr_t(&log), CountCompletion, 0, 0, 0, 0);
    AuloSoundScheduleCallbackFromEnd(stream, id, 0, uintptr_t(&log));
    ASSERT_TRUE(WaitFor([&] { return log.completions == 4; }));
    EXPECT_EQ(0, AuloGetStreamTimeQueued(stream));
    EXPECT_EQ(0, AuloCloseStream(stream));  // already closed by its callback
    Sleep(50);
    EXPECT_EQ(1u, log.Count(AULO_EVENT_FROM_END));
    EXPECT_EQ(0u, log.Count(AULO_EVENT_EMPTY));

    // Closing the whole library from inside a callback ends the mixing thread cleanly.
    const uint32_t other = AuloOpenStream();
    log.onEvent = [](const AuloEvent&) { AuloClose(); };
    AuloSetStreamCallback(other, LogEvent);
    AuloCueStreamFromSharedMemory(other, shortSound.data(), uintptr_t(&log), CountCompletion, 0, 0, 0, 0);
    ASSERT_TRUE(WaitFor([&] { return log.completions == 5 && AuloOpenStream() == 0; }));
    OpenSilent();  // and the library opens again afterwards
    EXPECT_NE(0u, AuloOpenStream());
}

TEST_F(AuloSndTest, MalformedAndUnsupportedFilesAreRefusedAndGoodOnesPlay) {
    OpenSilent();
    const std::string path = TempSoundPath("file.wav");
    const uint32_t stream = AuloOpenStream();
    const std::vector<uint8_t> good = WavImage(MakeLevel(40, 100));
    std::vector<std::vector<uint8_t>> bad;
    bad.push_back(WavImage(MakeLevel(40, 100, 44100)));
    bad.back()[24] = 0x80;  // 48000 Hz (0xBB80): not a rate of the library
    bad.back()[25] = 0xBB;
    bad.push_back(good);
    bad.back()[20] = 3;  // float samples
    bad.push_back(std::vector<uint8_t>(good.begin(), good.begin() + 60));  // cut short
    bad.push_back(std::vector<uint8_t>(good.begin(), good.begin() + 20));  // header cut short
    bad.push_back(std::vector<uint8_t>(100, 0x5A));                        // not a sound
    bad.push_back(std::vector<uint8_t>());                                 // empty file
    for (size_t i = 0; i < bad.size(); ++i) {
        ASSERT_TRUE(WriteBytes(path, bad[i]));
        EXPECT_EQ(0u, AuloCueStreamFromDisk(stream, path.c_str(), 0, 0, 0, 0)) << i;
        EXPECT_EQ(0u, AuloPlayDiskSoundEffect(path.c_str(), 0, 0, 0, 0)) << i;
    }
    EXPECT_EQ(0u, AuloCueStreamFromSharedMemory(stream, bad[4].data(), uintptr_t(&log), CountCompletion, 0, 0, 0, 0));
    EXPECT_EQ(0u, AuloCueStreamFromDisk(stream, "Z:\\no\\such\\file.wav", 0, 0, 0, 0));
    EXPECT_EQ(0u, AuloCueStreamFromDisk(stream, nullptr, 0, 0, 0, 0));
    EXPECT_EQ(0, AuloGetStreamTimeQueued(stream));

    const std::vector<uint8_t> tick = WavImage(MakeLevel(10, 100));
    Park park;
    ASSERT_NE(0u, AuloPlaySoundEffect(tick.data(), uintptr_t(&park), ParkTheLibrary, 0, 0));
    ASSERT_EQ(WAIT_OBJECT_0, WaitForSingleObject(park.parked, 30000));
    ASSERT_TRUE(WriteBytes(path, good));
    EXPECT_NE(0u, AuloCueStreamFromDisk(stream, path.c_str(), 0, 0, 0, 0));
    ASSERT_TRUE(WriteBytes(path, CwvImage(MakeTone(40, 300.0, 0.3, 11025, 1))));
    EXPECT_NE(0u, AuloCueStreamFromDisk(stream, path.c_str(), 0, 0, 0, 0));
    EXPECT_NE(0u, AuloPlayDiskSoundEffect(path.c_str(), 0, 0, 0, 0));
    EXPECT_GE(AuloGetStreamTimeQueued(stream), 70);
    SetEvent(park.release);
    EXPECT_EQ(0, log.completions);
    DeleteFileA(path.c_str());
}
