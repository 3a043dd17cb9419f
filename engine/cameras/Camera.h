// A camera looks at a rectangle of a stage's world and renders it into a buffer of its
// own, redrawing only what changed since its last render. It is a video source: a TV or a
// video mixer shows what it sees, and the size of its view is what they ask of it.
#pragma once
#include <windows.h>
#include <cstdint>
#include <vector>

#include "DirtyRectList.h"
#include "SpriteLayer.h"
#include "VideoSource.h"

class Stage;

class Camera : public VideoSource {
public:
    static constexpr uint32_t kCameraTag = FourCC("vcam");
    Camera(Stage* stage, int32_t x, int32_t y, const RECT* cache);
    ~Camera() override;

    RenderResult* Render() override;
    int MapViewPoint(int32_t x, int32_t y, ViewPointRecord* record) override;
    void Invalidate(const RECT* rect, bool viewCoordinates) override;
    void ConnectionsChanged() override;
    void ResizeBuffer() override;
    quor::ImageHeader* CurrentImage() const override { return buffer_; }

    void Move(int32_t dx, int32_t dy);
    void Place(int32_t x, int32_t y);
    void ChangeCacheRect(const RECT& rect);
    void SampleAndHold(bool hold);
    void SetFade(int32_t level);
    void SetFieldOfView(double degrees);
    void SetHorizon(double x, double y);

    // The whole view is redrawn by the next render.
    void InvalidateWholeView() { Invalidate(nullptr, true); }
    // The view in world coordinates.
    RECT View() const { return {x_, y_, x_ + viewWidth_, y_ + viewHeight_}; }
    RECT CacheRect() const { return cache_; }
    Stage* GetStage() const { return stage_; }
    // The camera's own overlay of sprites, in view coordinates.
    SpriteLayer& Layer() { return layer_; }
    int32_t X() const { return x_; }
    int32_t Y() const { return y_; }
    int32_t ViewWidth() const { return viewWidth_; }
    int32_t ViewHeight() const { return viewHeight_; }
    int32_t Fade() const { return fade_; }
    double FocalLength() const { return focal_; }
    double CentreX() const { return centreX_; }
    double CentreY() const { return centreY_; }
    int32_t RedrawnPercent() const { return redrawnPercent_; }
    bool HasCameraTag() const { return cameraTag_ == kCameraTag; }
    // The stage is going away: the camera no longer unlinks itself from it.
    void DetachFromStage() { stage_ = nullptr; }

    Camera* nextOnStage = nullptr;

private:
    struct Tile;
    void CollectChanges();
    std::vector<Tile> Tiles() const;
    void DrawRect(const Rect& r, const Tile& t);
    void ScrollStep(int32_t dx, int32_t dy);
    void Recompute3D();
    void FreeBuffer();
    int32_t WorldWidth() const;
    int32_t WorldHeight() const;
    bool WrapsX() const;
    bool WrapsY() const;

    Stage* stage_;
    uint32_t cameraTag_ = kCameraTag;
    int32_t x_ = 0, y_ = 0;
    int32_t viewWidth_ = 0, viewHeight_ = 0;
    RECT cache_ = {0, 0, 0, 0};
    quor::ImageHeader* buffer_ = nullptr;
    DirtyRectList viewDirty_;
    DirtyRectList worldDirty_;
    int32_t scrolled_ = 0;
    int32_t scrollX_ = 0, scrollY_ = 0;
    int64_t redrawnArea_ = 0;
    int32_t redrawnPercent_ = 0;
    int32_t fade_ = 0;
    double fieldOfView_ = 70.0;
    double horizonX_ = 0, horizonY_ = 0;
    double focal_ = 0, centreX_ = 0, centreY_ = 0;
    int32_t hold_ = 0;
    SpriteLayer layer_;
    uint32_t stageChangesSeen_ = 0;  // the stage layer's collections this camera has seen
};
