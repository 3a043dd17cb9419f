// Video mixers: both a sink of two sources and a source of the blend of them. A position
// runs between a minimum and a maximum over frames; a transition plug-in blends the two
// pictures at that position, and the host hears when a run ends.
#pragma once
#include <windows.h>
#include <cstdint>
#include <memory>
#include <vector>

#include "TransitionRegistry.h"
#include "VideoSource.h"

// The block a mixer shares with its transition plug-in (which sets minimum and maximum).
struct MixerShared {
    uint32_t* knobs;  // size in bytes, transition id, -, creation flags, ...
    quor::ImageHeader* inputA;
    quor::ImageHeader* inputB;
    quor::ImageHeader* output;
    int32_t frameRate;
    uint32_t minimum;
    uint32_t maximum;
    uint32_t position;
};

// What _GetVideoMixerState@12 fills before its copy of the knobs.
struct MixerState {
    int32_t state, direction, minimum, maximum, position, notifyTarget, notifyMode;
};
static_assert(sizeof(MixerState) == 28, "mixer state layout");

class VideoMixer : public VideoSource, public VideoSink {
public:
    static constexpr uint32_t kMixerTag = FourCC("vmix");
    enum State { Stopped = 0, Running = 1, Paused = 2 };

    explicit VideoMixer(const uint32_t* knobs);
    ~VideoMixer() override;

    // Source side.
    RenderResult* Render() override;
    int MapViewPoint(int32_t x, int32_t y, ViewPointRecord* record) override;
    void Invalidate(const RECT*, bool) override {}
    void ConnectionsChanged() override;
    bool Active() const override;
    void ResizeBuffer() override;
    quor::ImageHeader* CurrentImage() const override { return shared_.output; }
    // Sink side.
    RECT WantedRect() const override { return Wanted(); }
    // As a sink the mixer wants pictures while someone watches it and both inputs are in.
    bool IsActive() const override { return activeSinks_ > 0 && Input(0) && Input(1); }
    void InputsUpdated() override;

    void Command(int32_t command);
    void SetPosition(uint32_t position);
    void SetKnobs(const uint32_t* knobs);
    void SetNotify(void* target, int32_t mode, int32_t data);
    // Plugs (bits 0, 2) or unplugs (bits 1, 3) the two inputs; false when a plug failed.
    bool Plug(uint32_t flags, void* a, void* b);
    // Bytes the state record needs; fills it when `record` is not null.
    uint32_t StateSize() const { return 28 + knobs_[0]; }
    void GetState(void* record) const;
    void Tick(int32_t frames);

    bool HasMixerTag() const { return mixerTag_ == kMixerTag; }
    uint32_t Position() const { return position_; }
    uint32_t Minimum() const { return shared_.minimum; }
    uint32_t Maximum() const { return shared_.maximum; }
    State GetStateValue() const { return State(state_); }

private:
    bool Direct() const { return (knobs_[3] & 1) != 0; }
    void Bind();
    void Unbind();
    // The output picture at the size the sinks ask for; false while there is none.
    bool MakeOutput();
    void EndRun();
    // The position as the plug-in sees it: mirrored while running down.
    uint32_t PluginPosition() const;

    std::vector<uint32_t> knobs_;
    MixerShared shared_ = {};
    uint32_t position_ = 0;
    void* notifyTarget_ = nullptr;
    int32_t notifyMode_ = 0;
    int32_t notifyData_ = 0;
    int32_t state_ = Stopped;
    int32_t direction_ = 0;  // 1 down towards the minimum, 0 up
    int32_t forward_ = 1;
    std::unique_ptr<TransitionBinding> binding_;
    uint32_t mixerTag_ = kMixerTag;
};

namespace VideoMixerList {
void Add(VideoMixer* mixer);
void Remove(VideoMixer* mixer);
// Raises ErrBadMixer unless the handle is a live mixer.
VideoMixer* Find(uintptr_t handle);
bool Contains(const VideoMixer* mixer);
void DestroyAll();
}  // namespace VideoMixerList
