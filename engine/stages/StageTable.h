// Stages: each a world with one backdrop, the sprites that live in it and the cameras
// that look at it. A stage handle is its table slot + 1.
#pragma once
#include <cstdint>
#include <vector>

#include "Backdrop.h"
#include "SpriteLayer.h"

class Camera;

class Stage {
public:
    Stage(int32_t handle, int32_t creationWord);
    ~Stage();

    int32_t Handle() const { return handle_; }
    int32_t CreationWord() const { return creationWord_; }
    Backdrop& GetBackdrop() { return *backdrop_; }
    SpriteLayer& Layer() { return layer_; }
    int32_t WorldWidth() const { return worldWidth_; }
    int32_t WorldHeight() const { return worldHeight_; }
    int32_t BackdropFade() const { return backdropFade_; }
    int32_t StageFade() const { return stageFade_; }
    bool Clearing() const { return clearing_ != 0; }

    // Makes the backdrop of the source and installs it; on failure the current backdrop
    // stays and the error is raised.
    void SelectBackdrop(uint32_t source);
    // An empty backdrop; with `resetWorld` the world becomes unbounded again.
    void ClearBackdrop(bool resetWorld);
    void Clear();
    void SetStageFade(int32_t level);
    void SetBackdropFade(int32_t level);
    void InvalidateCameras();

    // Cameras, newest first.
    Camera* FirstCamera() const { return firstCamera_; }
    int32_t CameraCount() const { return cameraCount_; }
    void LinkCamera(Camera* camera);
    void UnlinkCamera(Camera* camera);

private:
    void Install(Backdrop* backdrop);
    void DestroyCameras();

    int32_t handle_;
    int32_t creationWord_;
    int32_t cameraCount_ = 0;
    Camera* firstCamera_ = nullptr;
    SpriteLayer layer_;
    Backdrop* backdrop_;
    int32_t clearing_ = 0;
    int32_t worldWidth_ = kUnboundedWorld;
    int32_t worldHeight_ = kUnboundedWorld;
    int32_t backdropFade_ = 0;
    int32_t stageFade_ = 0;
};

class StageTable {
public:
    ~StageTable();
    bool Init(size_t slots);
    // The new stage's handle (slot + 1); the table grows by 4 when full.
    int32_t Create(int32_t creationWord);
    void Delete(int32_t handle);
    // Raises ErrBadStage unless the handle names a stage.
    Stage* Find(int32_t handle) const;
    size_t Capacity() const { return slots_.size(); }
    int32_t Count() const { return count_; }
    // Every stage in slot order until the routine returns false.
    template <class Fn>
    void ForEach(Fn fn) const {
        for (Stage* s : slots_)
            if (s && !fn(*s)) return;
    }
    // Every stage whose backdrop draws from the file gets an empty backdrop.
    void DropBackdropsOfFile(int fileSlot);
    // Every stage whose backdrop is the user backdrop gets an empty one and an unbounded world.
    void DropUserBackdrop(uint32_t handle);

private:
    std::vector<Stage*> slots_;
    int32_t count_ = 0;
};
