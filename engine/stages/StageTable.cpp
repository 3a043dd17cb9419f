#include "StageTable.h"

#include <new>

#include "Camera.h"
#include "LibraryContext.h"

Stage::Stage(int32_t handle, int32_t creationWord)
    : handle_(handle), creationWord_(creationWord), backdrop_(new NullBackdrop) {}

Stage::~Stage() {
    Clear();
    delete backdrop_;
}

void Stage::Install(Backdrop* backdrop) {
    delete backdrop_;
    backdrop_ = backdrop;
}

void Stage::SelectBackdrop(uint32_t source) {
    // The old backdrop goes only once the new one is known good.
    Backdrop* made = MakeBackdrop(source);
    Install(made);
    worldWidth_ = made->WorldWidth();
    worldHeight_ = made->WorldHeight();
    for (Camera* c = firstCamera_; c; c = c->nextOnStage) {
        made->PreloadView(c->View());
        c->InvalidateWholeView();
    }
    layer_.SetWorld(worldWidth_, worldHeight_, made->WrapsX(), made->WrapsY());
}

void Stage::ClearBackdrop(bool resetWorld) {
    Install(new NullBackdrop);
    if (resetWorld) {
        worldWidth_ = worldHeight_ = kUnboundedWorld;
        layer_.SetWorld(worldWidth_, worldHeight_, false, false);
    }
    InvalidateCameras();
}

void Stage::Clear() {
    clearing_ = 1;
    Install(new NullBackdrop);
    worldWidth_ = worldHeight_ = kUnboundedWorld;
    layer_.SetWorld(worldWidth_, worldHeight_, false, false);
    layer_.Clear();
    DestroyCameras();
    clearing_ = 0;
}

void Stage::DestroyCameras() {
    while (Camera* c = firstCamera_) {
        firstCamera_ = c->nextOnStage;
        delete c;
    }
    cameraCount_ = 0;
}

void Stage::SetStageFade(int32_t level) {
    if (level < 0 || level > 255) Errors().Raise(ErrBadFadeLevel, level);
    if (level == stageFade_) return;
    stageFade_ = level;
    InvalidateCameras();
}

void Stage::SetBackdropFade(int32_t level) {
    if (level < 0 || level > 255) Errors().Raise(ErrBadFadeLevel, level);
    if (level == backdropFade_) return;
    backdropFade_ = level;
    InvalidateCameras();
}

void Stage::InvalidateCameras() {
    for (Camera* c = firstCamera_; c; c = c->nextOnStage) c->InvalidateWholeView();
}

void Stage::LinkCamera(Camera* camera) {
    camera->nextOnStage = firstCamera_;
    firstCamera_ = camera;
    ++cameraCount_;
}

void Stage::UnlinkCamera(Camera* camera) {
    if (clearing_) return;
    for (Camera** p = &firstCamera_; *p; p = &(*p)->nextOnStage) {
        if (*p == camera) {
            *p = camera->nextOnStage;
            --cameraCount_;
            return;
        }
    }
}

StageTable::~StageTable() {
    for (Stage*& s : slots_) {
        delete s;
        s = nullptr;
    }
}

bool StageTable::Init(size_t n) {
    try {
        slots_.assign(n, nullptr);
    } catch (const std::bad_alloc&) {
        return false;
    }
    return true;
}

int32_t StageTable::Create(int32_t creationWord) {
    if (size_t(count_) >= slots_.size()) slots_.resize(slots_.size() + 4, nullptr);
    for (size_t i = 0; i < slots_.size(); ++i) {
        if (slots_[i]) continue;
        slots_[i] = new Stage(int32_t(i + 1), creationWord);
        ++count_;
        return int32_t(i + 1);
    }
    Errors().Raise(ErrInvalidState);
}

Stage* StageTable::Find(int32_t handle) const {
    if (handle < 1 || size_t(handle) > slots_.size() || !slots_[handle - 1])
        Errors().Raise(ErrBadStage, handle);
    return slots_[handle - 1];
}

void StageTable::Delete(int32_t handle) {
    Stage* s = Find(handle);
    slots_[handle - 1] = nullptr;
    --count_;
    delete s;
}

void StageTable::DropBackdropsOfFile(int fileSlot) {
    const uint32_t filePart = uint32_t(fileSlot) << 24;
    for (Stage* s : slots_)
        if (s && s->GetBackdrop().UsesAssetFile(filePart)) s->ClearBackdrop(false);
}

void StageTable::DropUserBackdrop(uint32_t handle) {
    for (Stage* s : slots_)
        if (s && s->GetBackdrop().SourceHandle() == handle) s->ClearBackdrop(true);
}
