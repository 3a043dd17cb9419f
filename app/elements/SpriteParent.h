// What sprites are created on: a stage or a camera of the engine, named by its handle and
// its kind (the parent bit of a sprite's type).
#pragma once
#include <windows.h>

#include <cstdint>

class SpriteParent {
public:
    static const uint32_t kStage = 0, kCamera = 2;

    virtual ~SpriteParent() = default;
    virtual uint32_t GetHandle() const = 0;
    virtual uint32_t GetKind() const = 0;
};

// A camera, with the position at which it was last placed: element hosts add it to window
// points to reach stage coordinates.
class CameraParent : public SpriteParent {
public:
    uint32_t GetHandle() const override { return camera; }
    uint32_t GetKind() const override { return kCamera; }

    int32_t x = 0, y = 0;
    uint32_t camera = 0;
};

// A stage, with the brush and the user backdrop made for it (owned, always made together).
class StageParent : public SpriteParent {
public:
    StageParent() = default;
    StageParent(const StageParent&) = delete;
    StageParent& operator=(const StageParent&) = delete;
    ~StageParent() override;
    uint32_t GetHandle() const override { return uint32_t(stage); }
    uint32_t GetKind() const override { return kStage; }
    // Deletes the user backdrop and the brush, when there are any.
    void DropBackdrop();

    int32_t stage = 0;
    HBRUSH brush = nullptr;
    uint32_t userBackdrop = 0;
};
