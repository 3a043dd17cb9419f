// The video graph: sources (cameras, video mixers) render a picture and the rectangles
// that changed each frame; sinks (TV windows, video mixers) take them. A source renders
// at most once per frame and works only while one of its sinks is active.
#pragma once
#include <windows.h>
#include <cstdint>
#include <vector>

#include "FourCC.h"
#include "ImageRecord.h"

// What a source hands its sinks each frame: 28 bytes, then `count` rectangles.
struct RenderResult {
    uint32_t size;
    quor::ImageHeader* surface;
    int32_t scrolled;
    int32_t scrollX, scrollY;
    int32_t count;
    int32_t written;
    RECT rects[1];
};

// Filled when a TV's view point is looked up: room for (size - 24) / 4 sprite handles.
struct ViewPointRecord {
    uint32_t size;
    void* source;
    int32_t stage;
    int32_t worldX, worldY;
    int32_t spriteCount;
    int32_t sprites[1];
};

class VideoSink;

class VideoSource {
public:
    static constexpr uint32_t kTag = FourCC("VSRC");
    VideoSource();
    virtual ~VideoSource();

    // The result of this frame's render, or null when there is nothing to show.
    virtual RenderResult* Render() = 0;
    virtual int MapViewPoint(int32_t x, int32_t y, ViewPointRecord* record) = 0;
    // Marks a rectangle (or, with null, the whole view) for redrawing.
    virtual void Invalidate(const RECT* rect, bool viewCoordinates) = 0;
    virtual void ConnectionsChanged();
    virtual bool Active() const { return activeSinks_ > 0; }
    // The size the sinks ask for changed.
    virtual void ResizeBuffer() {}
    // The picture the source last rendered (what a paint shows), or null.
    virtual quor::ImageHeader* CurrentImage() const { return nullptr; }

    // Connects a sink; false when the source could not take it (nothing has changed then).
    bool AddSink(VideoSink* sink);
    void RemoveSink(VideoSink* sink);
    // A sink's rectangle changed: the union is recomputed and the source resizes.
    void SinkRectChanged();
    // True when the source already rendered this frame (and stamps it otherwise).
    bool RenderedThisFrame();
    void ForceNextRender();
    const RECT& Wanted() const { return wanted_; }
    int32_t ConnectionCount() const { return connections_; }

    // Null-safe: true only for a live source.
    static bool IsValid(const void* pointer);

protected:
    void RecomputeWanted();

    RECT wanted_ = {0, 0, 0, 0};
    std::vector<VideoSink*> sinks_;
    int32_t connections_ = 0;
    int32_t activeSinks_ = 0;
    RenderResult* lastResult_ = nullptr;
    int32_t stamp_ = 0;
    uint32_t tag_ = kTag;
};

class VideoSink {
public:
    explicit VideoSink(int slots) : slots_(size_t(slots), nullptr) {}
    virtual ~VideoSink();

    // Each raises on failure.
    void Connect(int slot, VideoSource* source);
    void Replace(int slot, VideoSource* source);
    void Change(VideoSource* from, VideoSource* to);
    void Disconnect(int slot);
    // The source is going away: its slots are emptied.
    void RemoveSource(VideoSource* source);
    // The rectangle this sink wants of its sources.
    virtual RECT WantedRect() const = 0;
    virtual bool IsActive() const { return active_ != 0; }
    virtual void InputsUpdated();
    VideoSource* Input(int slot) const { return slots_[size_t(slot)]; }

protected:
    std::vector<VideoSource*> slots_;
    int32_t active_ = 0;
};
