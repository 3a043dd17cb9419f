#include "VideoMixer.h"

#include <algorithm>
#include <cstring>

#include "LibraryContext.h"
#include "NotificationQueue.h"
#include "PictureBuffer.h"
#include "VideoMixers.h"

namespace {
// Never destroyed: the frame thread ticks the mixers up to the end of the process;
// unloading destroys them (DestroyAll).
std::vector<VideoMixer*>& Mixers() {
    static auto* mixers = new std::vector<VideoMixer*>;
    return *mixers;
}

std::vector<uint32_t> CopyKnobs(const uint32_t* knobs) {
    if (!knobs) Errors().Raise(ErrNullArgument);
    const uint32_t size = knobs[0];
    // The record names at least its size, the transition and the creation flags.
    if (size < 16 || size > 65536) Errors().Raise(ErrInvalidState, int32_t(size));
    std::vector<uint32_t> copy((size + 3) / 4, 0);
    std::memcpy(copy.data(), knobs, size);
    return copy;
}
}  // namespace

VideoMixer::VideoMixer(const uint32_t* knobs) : VideoSink(2), knobs_(CopyKnobs(knobs)) {
    shared_.knobs = knobs_.data();
    shared_.frameRate = Context() ? Context()->timer.Rate() : 30;
    // The transition must exist: binding it now also gives the run its range.
    Bind();
    VideoMixerList::Add(this);
}

VideoMixer::~VideoMixer() {
    Unbind();
    VideoMixerList::Remove(this);
    for (int i = 0; i < 2; ++i)
        if (Input(i)) Disconnect(i);
    if (shared_.output) FreePictureBuffer(shared_.output);
    shared_.output = nullptr;
    mixerTag_ ^= 0xBADFFBADu;
}

uint32_t VideoMixer::PluginPosition() const {
    return direction_ ? shared_.minimum + shared_.maximum - position_ : position_;
}

bool VideoMixer::MakeOutput() {
    const RECT w = Wanted();
    const int32_t width = w.right - w.left, height = w.bottom - w.top;
    if (width <= 0 || height <= 0 || width > 0xFFFF || height > 0xFFFF) return false;  // nobody watches yet
    if (shared_.output && shared_.output->width == width && shared_.output->height == height) return true;
    if (shared_.output) FreePictureBuffer(shared_.output);
    shared_.output = static_cast<quor::ImageHeader*>(NewPictureBuffer(uint16_t(width), uint16_t(height), false));
    return shared_.output != nullptr;
}

void VideoMixer::Bind() {
    Unbind();
    TransitionPlugin& plugin = TransitionRegistry::Find(int32_t(knobs_[1]));
    MakeOutput();
    for (int i = 0; i < 2; ++i) {
        quor::ImageHeader*& slot = i == 0 ? shared_.inputA : shared_.inputB;
        slot = Input(i) ? Input(i)->CurrentImage() : nullptr;
    }
    auto binding = std::make_unique<TransitionBinding>(TransitionBinding{&shared_, &plugin});
    shared_.position = PluginPosition();
    bool ok = false;
    try {
        ok = plugin.initialize(&shared_, binding.get()) != 0;
    } catch (...) {
    }
    if (!ok) Errors().Raise(ErrTransitionBindFailed);
    binding_ = std::move(binding);
    if (position_ < shared_.minimum) position_ = shared_.minimum;
    if (position_ > shared_.maximum) position_ = shared_.maximum;
}

void VideoMixer::Unbind() {
    if (!binding_) return;
    try {
        binding_->plugin->cleanup(binding_.get());
    } catch (...) {
    }
    binding_.reset();
}

RenderResult* VideoMixer::Render() {
    if (RenderedThisFrame() && lastResult_) return lastResult_;
    VideoSource* a = Input(0);
    VideoSource* b = Input(1);
    if (!a || !b) return nullptr;
    RenderResult* ra = a->Render();
    RenderResult* rb = b->Render();
    shared_.inputA = ra ? ra->surface : a->CurrentImage();
    shared_.inputB = rb ? rb->surface : b->CurrentImage();
    RenderResult* leading = direction_ ? rb : ra;
    RenderResult* other = direction_ ? ra : rb;
    if (!shared_.inputA || !shared_.inputB) return other ? other : leading;
    try {
        if (!binding_) Bind();
        if (!binding_ || !MakeOutput()) return other ? other : leading;
        shared_.position = PluginPosition();
        binding_->plugin->mixBitmaps(binding_.get());
    } catch (...) {
        return other ? other : leading;
    }
    if (!lastResult_) lastResult_ = reinterpret_cast<RenderResult*>(new uint8_t[28 + 16]());
    lastResult_->size = 28 + 16;
    lastResult_->surface = shared_.output;
    lastResult_->count = lastResult_->written = 1;
    lastResult_->rects[0] = {0, 0, shared_.output->width, shared_.output->height};
    return lastResult_;
}

int VideoMixer::MapViewPoint(int32_t x, int32_t y, ViewPointRecord* record) {
    VideoSource* leading = Input(direction_ ? 1 : 0);
    if (!leading) Errors().Raise(ErrPointOutsideView, x);
    return leading->MapViewPoint(x, y, record);
}

bool VideoMixer::Active() const {
    if (activeSinks_ <= 0) return false;
    for (int i = 0; i < 2; ++i)
        if (!Input(i) || !Input(i)->Active()) return false;
    return true;
}

void VideoMixer::ConnectionsChanged() {
    int32_t active = 0;
    for (VideoSink* s : sinks_)
        if (s && s->IsActive()) ++active;
    activeSinks_ = active;
    // The inputs render at the size the mixer's own sinks ask for, and stop when nobody
    // watches the mixer.
    for (int i = 0; i < 2; ++i)
        if (VideoSource* s = Input(i)) {
            s->SinkRectChanged();
            s->ConnectionsChanged();
        }
}

void VideoMixer::ResizeBuffer() {
    const RECT w = Wanted();
    if (shared_.output && (shared_.output->width != w.right - w.left || shared_.output->height != w.bottom - w.top))
        Errors().Raise(ErrNotSupportedByMixer);
}

void VideoMixer::InputsUpdated() {
    VideoSink::InputsUpdated();
    if (Input(0) && Input(1)) ConnectionsChanged();
}

void VideoMixer::Command(int32_t command) {
    const int32_t oldDirection = direction_;
    switch (command) {
    case 0:
        position_ = shared_.minimum;
        direction_ = 0;
        forward_ = 1;
        state_ = Running;
        break;
    case 1:
        position_ = shared_.maximum;
        direction_ = 1;
        forward_ = 0;
        state_ = Running;
        break;
    case 2:
        if (position_ >= shared_.maximum) return;
        direction_ = 0;
        forward_ = 1;
        state_ = Running;
        break;
    case 3:
        if (position_ <= shared_.minimum) return;
        direction_ = 1;
        forward_ = 0;
        state_ = Running;
        break;
    case 4:
        if (state_ != Running) Errors().Raise(ErrMixerNotRunning);
        state_ = Paused;
        return;
    case 5:
        if (state_ != Paused) Errors().Raise(ErrMixerNotPaused);
        state_ = Running;
        return;
    case 6:
        if (state_ == Stopped) Errors().Raise(ErrMixerNotRunning);
        state_ = Stopped;
        return;
    default:
        return;
    }
    if (direction_ != oldDirection && !Direct() && binding_) Bind();
}

void VideoMixer::SetPosition(uint32_t position) {
    if (position < shared_.minimum || position > shared_.maximum)
        Errors().Raise(ErrMixerPositionOutOfRange, int32_t(position));
    if (state_ == Running) state_ = Paused;
    position_ = position;
}

void VideoMixer::SetKnobs(const uint32_t* knobs) {
    std::vector<uint32_t> fresh = CopyKnobs(knobs);
    Unbind();
    knobs_.swap(fresh);
    shared_.knobs = knobs_.data();
    if (Input(0) && Input(1)) Bind();
}

void VideoMixer::SetNotify(void* target, int32_t mode, int32_t data) {
    notifyTarget_ = target;
    notifyMode_ = mode;
    notifyData_ = data;
}

bool VideoMixer::Plug(uint32_t flags, void* a, void* b) {
    for (int i = 0; i < 2; ++i) {
        const uint32_t plug = i == 0 ? 1u : 4u, unplug = i == 0 ? 2u : 8u;
        void* source = i == 0 ? a : b;
        if (flags & plug) {
            if (!VideoSource::IsValid(source) || source == static_cast<VideoSource*>(this)) return false;
            try {
                Replace(i, static_cast<VideoSource*>(source));
            } catch (QUORERRS) {
                return false;
            }
        } else if (flags & unplug) {
            Disconnect(i);
        }
    }
    return true;
}

void VideoMixer::GetState(void* record) const {
    MixerState s = {state_,
                    direction_,
                    int32_t(shared_.minimum),
                    int32_t(shared_.maximum),
                    int32_t(position_),
                    int32_t(uintptr_t(notifyTarget_)),
                    notifyMode_};
    std::memcpy(record, &s, sizeof s);
    std::memcpy(static_cast<uint8_t*>(record) + sizeof s, knobs_.data(), knobs_[0]);
}

void VideoMixer::Tick(int32_t frames) {
    if (state_ != Running || !Active() || frames <= 0) return;
    const uint32_t n = uint32_t(frames);
    if (direction_) {
        if (n < position_ - shared_.minimum) {
            position_ -= n;
            return;
        }
        position_ = shared_.minimum;
    } else {
        if (n < shared_.maximum - position_) {
            position_ += n;
            return;
        }
        position_ = shared_.maximum;
    }
    EndRun();
}

void VideoMixer::EndRun() {
    const int32_t self = int32_t(uintptr_t(this));
    switch (notifyMode_) {
    case NotifyByCall:
        if (notifyTarget_) Notifications().PushCall(reinterpret_cast<NotifyRoutine>(notifyTarget_), notifyData_, self);
        break;
    case NotifyByMessage:
        Notifications().PushPost(static_cast<HWND>(notifyTarget_), Context()->mixerMessage, notifyData_, self);
        break;
    case NotifySetEvent:
    case NotifyPulseEvent:
        Notifications().PushEvent(static_cast<HANDLE>(notifyTarget_), notifyMode_);
        break;
    default:
        break;
    }
    state_ = Stopped;
}

namespace VideoMixerList {
void Add(VideoMixer* mixer) { Mixers().push_back(mixer); }
void Remove(VideoMixer* mixer) {
    auto& m = Mixers();
    m.erase(std::remove(m.begin(), m.end(), mixer), m.end());
}
bool Contains(const VideoMixer* mixer) {
    auto& m = Mixers();
    return std::find(m.begin(), m.end(), mixer) != m.end();
}
VideoMixer* Find(uintptr_t handle) {
    auto* mixer = reinterpret_cast<VideoMixer*>(uintptr_t(handle));
    if (!Contains(mixer) || !mixer->HasMixerTag()) Errors().Raise(ErrBadMixer, int32_t(handle));
    return mixer;
}
void DestroyAll() {
    while (!Mixers().empty()) delete Mixers().back();
}
}  // namespace VideoMixerList

void TickVideoMixers(int32_t n) {
    std::vector<VideoMixer*> mixers = Mixers();
    for (VideoMixer* m : mixers) {
        try {
            m->Tick(n);
        } catch (...) {
        }
    }
}
