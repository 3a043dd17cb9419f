#include "VideoSource.h"

#include <algorithm>
#include <set>

#include "LibraryContext.h"

namespace {
// Sources alive now: a stale or foreign pointer is never dereferenced. Never destroyed:
// the frame thread mixes through it up to the end of the process.
std::set<const void*>& LiveSources() {
    static auto* live = new std::set<const void*>;
    return *live;
}
}  // namespace

VideoSource::VideoSource() {
    sinks_.reserve(4);
    LiveSources().insert(this);
}

VideoSource::~VideoSource() {
    std::vector<VideoSink*> sinks = sinks_;
    for (VideoSink* s : sinks)
        if (s) s->RemoveSource(this);
    LiveSources().erase(this);
    tag_ ^= 0xBADFFBADu;
    delete[] reinterpret_cast<uint8_t*>(lastResult_);
}

bool VideoSource::IsValid(const void* pointer) {
    if (!pointer || !LiveSources().count(pointer)) return false;
    return static_cast<const VideoSource*>(pointer)->tag_ == kTag;
}

void VideoSource::RecomputeWanted() {
    RECT u = {0, 0, 0, 0};
    bool any = false;
    for (VideoSink* s : sinks_) {
        if (!s) continue;
        RECT r = s->WantedRect();
        if (!any) {
            u = r;
            any = true;
        } else {
            UnionRect(&u, &u, &r);
        }
    }
    wanted_ = u;
}

bool VideoSource::AddSink(VideoSink* sink) {
    if (!sink) Errors().Raise(ErrNullArgument);
    if (std::find(sinks_.begin(), sinks_.end(), sink) != sinks_.end()) return true;
    RECT old = wanted_;
    auto free = std::find(sinks_.begin(), sinks_.end(), nullptr);
    if (free != sinks_.end()) *free = sink;
    else sinks_.push_back(sink);
    ++connections_;
    RecomputeWanted();
    try {
        ConnectionsChanged();
    } catch (...) {
        *std::find(sinks_.begin(), sinks_.end(), sink) = nullptr;
        --connections_;
        wanted_ = old;
        try {
            ConnectionsChanged();
        } catch (...) {
        }
        return false;
    }
    return true;
}

void VideoSource::RemoveSink(VideoSink* sink) {
    auto it = std::find(sinks_.begin(), sinks_.end(), sink);
    if (it == sinks_.end()) return;
    *it = nullptr;
    --connections_;
    RecomputeWanted();
    try {
        ConnectionsChanged();
    } catch (...) {
    }
}

void VideoSource::SinkRectChanged() {
    RecomputeWanted();
    ResizeBuffer();
}

void VideoSource::ConnectionsChanged() {
    int32_t active = 0;
    for (VideoSink* s : sinks_)
        if (s && s->IsActive()) ++active;
    activeSinks_ = active;
}

bool VideoSource::RenderedThisFrame() {
    int32_t now = Context() ? Context()->frameCounter : 0;
    if (stamp_ == now) return true;
    stamp_ = now;
    return false;
}

void VideoSource::ForceNextRender() { stamp_ = (Context() ? Context()->frameCounter : 0) - 2; }

VideoSink::~VideoSink() {
    for (size_t i = 0; i < slots_.size(); ++i)
        if (slots_[i]) Disconnect(int(i));
}

void VideoSink::Connect(int slot, VideoSource* source) {
    if (slot < 0 || size_t(slot) >= slots_.size() || slots_[size_t(slot)]) Errors().Raise(ErrInvalidState, slot);
    if (!source->AddSink(this)) Errors().Raise(ErrOutOfMemory);
    slots_[size_t(slot)] = source;
    InputsUpdated();
}

void VideoSink::Replace(int slot, VideoSource* source) {
    if (slot < 0 || size_t(slot) >= slots_.size()) Errors().Raise(ErrInvalidState, slot);
    VideoSource* old = slots_[size_t(slot)];
    if (old == source) return;
    if (!source->AddSink(this)) Errors().Raise(ErrOutOfMemory);
    slots_[size_t(slot)] = source;
    if (old) old->RemoveSink(this);
    InputsUpdated();
}

void VideoSink::Change(VideoSource* from, VideoSource* to) {
    auto it = std::find(slots_.begin(), slots_.end(), from);
    if (it == slots_.end()) Errors().Raise(ErrBadVideoSource);
    Replace(int(it - slots_.begin()), to);
}

void VideoSink::Disconnect(int slot) {
    if (slot < 0 || size_t(slot) >= slots_.size()) return;
    VideoSource* old = slots_[size_t(slot)];
    slots_[size_t(slot)] = nullptr;
    if (old) old->RemoveSink(this);
    InputsUpdated();
}

void VideoSink::RemoveSource(VideoSource* source) {
    for (VideoSource*& s : slots_)
        if (s == source) s = nullptr;
    InputsUpdated();
}

void VideoSink::InputsUpdated() {
    bool all = !slots_.empty();
    for (VideoSource* s : slots_)
        if (!s) all = false;
    active_ = all ? 1 : 0;
    // The sources learn whether someone watches them now.
    for (VideoSource* s : slots_)
        if (s) s->ConnectionsChanged();
}
