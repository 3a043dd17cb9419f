// Backdrops: what fills a stage's world and decides its size and wrapping. They come from
// "BACK" assets or are user backdrops that the host makes at run time.
#pragma once
#include <windows.h>
#include <cstdint>

#include "ImageRecord.h"

// The description at the start of a "BACK" asset and of a user-backdrop record.
#pragma pack(push, 1)
struct BackdropDescription {
    uint32_t type;  // "BACK"
    uint16_t flags;  // bits 0-8 kind; 0x4000 wraps vertically; 0x8000 wraps horizontally
    uint16_t columns;
    uint16_t rows;
    uint16_t cellWidth;
    uint16_t cellHeight;
    // followed by u16 image asset indices
};
#pragma pack(pop)
static_assert(sizeof(BackdropDescription) == 14, "backdrop description layout");

const uint16_t kBackdropWrapsY = 0x4000;
const uint16_t kBackdropWrapsX = 0x8000;
const uint32_t kUserBackdropBase = 0xFF000000u;
const int32_t kUnboundedWorld = 2147483647;

// What every backdrop's draw receives (and an owner-draw backdrop's host routine).
struct BackdropDrawRequest {
    RECT source;                     // world coordinates
    quor::ImageHeader* surface;      // the camera's buffer
    RECT dest;                       // in the buffer
    int32_t frameCounter;
    int32_t state[2];
    int32_t redrawnPercent;
    uintptr_t sourceHandle;          // owner-draw backdrops only
    uintptr_t userData;              // owner-draw backdrops only
};

class Backdrop {
public:
    virtual ~Backdrop() = default;
    // Draws the request's rectangle into the camera buffer (faded by `fade` 0-255);
    // 1 when drawn, 0 when nothing could be drawn.
    virtual int Draw(BackdropDrawRequest& request, int32_t fade) { (void)request; (void)fade; return 0; }
    virtual void PreloadView(const RECT& view) { (void)view; }
    virtual void UnloadView(const RECT& view) { (void)view; }
    virtual uint32_t Kind() const = 0;
    virtual bool UsesAssetFile(uint32_t filePart) const { (void)filePart; return false; }
    uint32_t SourceHandle() const { return source_; }

    uint16_t Flags() const { return flags_; }
    bool WrapsX() const { return (flags_ & kBackdropWrapsX) != 0; }
    bool WrapsY() const { return (flags_ & kBackdropWrapsY) != 0; }
    // World size: cell size times cells, saturated at the unbounded world.
    int32_t WorldWidth() const;
    int32_t WorldHeight() const;

protected:
    Backdrop() = default;
    void Describe(uint32_t source, const BackdropDescription& d, const uint16_t* images);

    uint32_t source_ = 0;
    uint16_t flags_ = 511;
    const uint16_t* images_ = nullptr;
    int32_t columns_ = 1, rows_ = 1;
    int32_t cellWidth_ = kUnboundedWorld, cellHeight_ = kUnboundedWorld;
    uint32_t filePart_ = kUserBackdropBase;
};

// The backdrop of a stage with nothing selected: black, the unbounded world.
class NullBackdrop : public Backdrop {
public:
    int Draw(BackdropDrawRequest& request, int32_t fade) override;
    uint32_t Kind() const override;
};

// Makes the backdrop of a source handle (an asset or a user backdrop); raises the
// failing step's error (asset lock, ErrUnknownBackdropKind, ErrBadUserBackdrop).
Backdrop* MakeBackdrop(uint32_t source);

// Fills a rectangle of an engine buffer with a colour (0x00BBGGRR) through the blitter.
void FillBufferRect(quor::ImageHeader* surface, const RECT& dest, COLORREF colour);
