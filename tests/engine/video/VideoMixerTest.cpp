// Video mixers with the cross-fade transition, fed by two cameras and watched by a sink
// of the test's own.
#include <gtest/gtest.h>
#include <windows.h>

#include <atomic>
#include <vector>

#include "Camera.h"
#include "CameraList.h"
#include "EngineInsides.h"
#include "Quor2_5.h"
#include "VideoMixer.h"

namespace {

const auto* g_engine = ::testing::AddGlobalTestEnvironment(new EngineEnvironment);

int32_t LastError() { return GetLastQuorError(nullptr); }

int32_t CrossFade() {
    static int32_t id = RegisterTransitionDLL("CROSSFADE.DLL");
    return id;
}

TEST(Transitions, RegisterByExactName) {
    int32_t id = CrossFade();
    ASSERT_GT(id, 0) << std::hex << LastError();
    EXPECT_EQ(RegisterTransitionDLL("CROSSFADE.DLL"), id);
    int32_t other = RegisterTransitionDLL("crossfade.dll");
    EXPECT_GT(other, id) << "another spelling loads again";
    EXPECT_EQ(QueryTransitionDLL(id), 1);
    EXPECT_EQ(QueryTransitionDLL(0), 0);
    EXPECT_EQ(LastError(), ErrBadTransition);
    EXPECT_EQ(QueryTransitionDLL(other + 1), 0);
    EXPECT_EQ(LastError(), ErrBadTransition);
    EXPECT_EQ(RegisterTransitionDLL("NOSUCHTRANSITION.DLL"), 0);
    EXPECT_EQ(LastError(), ErrLoadLibraryFailed);
    EXPECT_EQ(RegisterTransitionDLL("BLIT16.DLL"), 0);
    EXPECT_EQ(LastError(), ErrWrongKind);
}

std::atomic<int> g_ends{0};
std::atomic<int32_t> g_endData{0};
void __stdcall RunEnded(int32_t data, int32_t) {
    g_ends++;
    g_endData = data;
}

// Two stages of one colour each, a camera on each, a mixer of the two, a sink on it.
struct Scene {
    int32_t stages[2];
    uint32_t backdrops[2];
    uint32_t cameras[2];
    HBRUSH brushes[2];
    uint32_t mixer = 0;
    TestSink sink{64, 32};

    explicit Scene(uint32_t frames, uint32_t flags = 0) {
        COLORREF colours[2] = {RGB(255, 0, 0), RGB(0, 0, 255)};
        for (int i = 0; i < 2; ++i) {
            stages[i] = CreateStage(0);
            brushes[i] = CreateSolidBrush(colours[i]);
            backdrops[i] = CreateBrushBackdrop(brushes[i], 320, 200);
            SelectBackdrop(stages[i], backdrops[i]);
            cameras[i] = CreateCamera(stages[i], 0, 0, nullptr);
        }
        uint32_t knobs[4] = {16, uint32_t(CrossFade()), frames, flags};
        mixer = CreateVideoMixer(knobs);
        EXPECT_NE(mixer, 0u) << std::hex << LastError();
        EXPECT_EQ(PlugInVideoMixerSources(mixer, 1 | 4, Source(0), Source(1)), 1);
        PaintingLock hold;
        sink.Connect(0, Mixer());
    }
    ~Scene() {
        {
            PaintingLock hold;
            if (VideoMixerList::Contains(Mixer())) sink.Disconnect(0);
        }
        DeleteVideoMixer(mixer);
        for (int i = 0; i < 2; ++i) {
            DeleteStage(stages[i]);
            DeleteUserBackdrop(backdrops[i]);
            DeleteObject(brushes[i]);
        }
    }
    void* Source(int i) const { return reinterpret_cast<void*>(uintptr_t(cameras[i])); }
    VideoMixer* Mixer() const { return reinterpret_cast<VideoMixer*>(uintptr_t(mixer)); }
    MixerState State() {
        struct {
            MixerState s;
            uint32_t knobs[4];
        } r = {};
        uint32_t size = sizeof r;
        EXPECT_EQ(GetVideoMixerState(mixer, &r, &size), 1);
        return r.s;
    }
};

TEST(VideoMixers, CommandsRunThePositionBetweenItsBounds) {
    Scene scene(30);
    MixerState s = scene.State();
    EXPECT_EQ(s.minimum, 0);
    EXPECT_EQ(s.maximum, 30) << "the transition sets the range";
    EXPECT_EQ(s.state, 0);

    EXPECT_EQ(PutVideoMixerOnAuto(scene.mixer, 3), 1) << "down from the minimum: nothing";
    EXPECT_EQ(scene.State().state, 0);
    EXPECT_EQ(PutVideoMixerOnAuto(scene.mixer, 6), 0);
    EXPECT_EQ(LastError(), ErrMixerNotRunning);
    EXPECT_EQ(PutVideoMixerOnAuto(scene.mixer, 4), 0);
    EXPECT_EQ(LastError(), ErrMixerNotRunning);
    EXPECT_EQ(PutVideoMixerOnAuto(scene.mixer, 5), 0);
    EXPECT_EQ(LastError(), ErrMixerNotPaused);

    EXPECT_EQ(SetVideoMixerPosition(scene.mixer, 31), 0);
    EXPECT_EQ(LastError(), ErrMixerPositionOutOfRange);
    EXPECT_EQ(SetVideoMixerPosition(scene.mixer, 30), 1);
    EXPECT_EQ(PutVideoMixerOnAuto(scene.mixer, 2), 1) << "up from the maximum: nothing";
    EXPECT_EQ(scene.State().state, 0);
    EXPECT_EQ(PutVideoMixerOnAuto(scene.mixer, 1), 1);
    s = scene.State();
    EXPECT_EQ(s.state, 1);
    EXPECT_EQ(s.direction, 1);
    EXPECT_EQ(SetVideoMixerPosition(scene.mixer, 12), 1);
    EXPECT_EQ(scene.State().state, 2) << "setting the position pauses a running mixer";
    EXPECT_EQ(PutVideoMixerOnAuto(scene.mixer, 5), 1);
    EXPECT_EQ(PutVideoMixerOnAuto(scene.mixer, 6), 1);
    EXPECT_EQ(scene.State().state, 0);
}

TEST(VideoMixers, ARunEndsExactlyAtItsBoundAndNotifiesOnce) {
    Scene scene(30);
    EXPECT_EQ(SetVideoMixerPosition(scene.mixer, 27), 1);
    {
        PaintingLock hold;  // no frame ticks the mixer meanwhile
        scene.Mixer()->Command(2);
        scene.Mixer()->Tick(5);
        EXPECT_EQ(scene.Mixer()->Position(), 30u);
        EXPECT_EQ(scene.Mixer()->GetStateValue(), VideoMixer::Stopped);
    }

    g_ends = 0;
    EXPECT_EQ(SetVideoMixerCallback(scene.mixer, reinterpret_cast<void*>(RunEnded), 77), 1);
    EXPECT_EQ(PutVideoMixerOnAuto(scene.mixer, 0), 1);
    for (const DWORD start = GetTickCount(); g_ends == 0 && GetTickCount() - start < 20000;) Sleep(10);
    EXPECT_EQ(g_ends, 1) << "a one-second run at 30 frames a second";
    EXPECT_EQ(g_endData, 77);
    Sleep(200);
    EXPECT_EQ(g_ends, 1);
    EXPECT_EQ(scene.State().position, 30);
}

TEST(VideoMixers, BlendThePicturesOfTheirInputs) {
    Scene scene(4, 1);
    EXPECT_EQ(SetVideoMixerPosition(scene.mixer, 2), 1);
    PaintingLock hold;
    scene.Mixer()->ForceNextRender();
    RenderResult* r = scene.Mixer()->Render();
    ASSERT_NE(r, nullptr);
    ASSERT_NE(r->surface, nullptr);
    EXPECT_EQ(r->surface->width, 64);
    auto* pixels = reinterpret_cast<const uint16_t*>(r->surface + 1);
    // Half way from red (31, 0, 0) to blue (0, 0, 31).
    const uint16_t half = uint16_t((16 << 10) | 16);
    EXPECT_EQ(pixels[0], half) << std::hex << pixels[0];
    EXPECT_EQ(pixels[31 * 32 + 5], half);
}

TEST(VideoMixers, StateAndHandles) {
    Scene scene(10);
    uint32_t size = 0;
    EXPECT_EQ(GetVideoMixerState(scene.mixer, nullptr, &size), 1);
    EXPECT_EQ(size, 28u + 16u);
    std::vector<uint8_t> small(20);
    size = 20;
    EXPECT_EQ(GetVideoMixerState(scene.mixer, small.data(), &size), 0);
    EXPECT_EQ(size, 44u);
    EXPECT_EQ(GetVideoMixerState(scene.mixer, nullptr, nullptr), 0);
    EXPECT_EQ(LastError(), ErrNullArgument);

    uint32_t knobs[4] = {16, 999, 0, 0};
    EXPECT_EQ(CreateVideoMixer(knobs), 0u);
    EXPECT_EQ(LastError(), ErrBadTransition);
    EXPECT_EQ(CreateVideoMixer(nullptr), 0u);
    EXPECT_EQ(LastError(), ErrNullArgument);
    EXPECT_EQ(AdjustVideoMixerKnobs(scene.mixer, knobs), 0);
    EXPECT_EQ(LastError(), ErrBadTransition);
    uint32_t good[4] = {16, uint32_t(CrossFade()), 20, 0};
    EXPECT_EQ(AdjustVideoMixerKnobs(scene.mixer, good), 1);
    EXPECT_EQ(scene.State().maximum, 20);

    EXPECT_EQ(PlugInVideoMixerSources(scene.mixer, 1, reinterpret_cast<void*>(0x1000), nullptr), 0);
    EXPECT_EQ(PlugInVideoMixerSources(scene.mixer, 2 | 8, nullptr, nullptr), 1);

    DeleteVideoMixer(0x1234);
    EXPECT_EQ(LastError(), 0) << "not a mixer: ignored";
    uint32_t other = CreateVideoMixer(good);
    DeleteVideoMixer(other);
    EXPECT_EQ(PutVideoMixerOnAuto(other, 0), 0);
    EXPECT_EQ(LastError(), ErrBadMixer);
}

}  // namespace
