#include "SpriteTable.h"

#include <new>

#include "Camera.h"
#include "CameraList.h"
#include "LibraryContext.h"
#include "SpriteKinds.h"
#include "SpriteLayer.h"
#include "StageTable.h"

SpriteTable::SpriteTable(size_t capacity) : slots_(capacity, nullptr) {}

SpriteTable::~SpriteTable() {
    for (size_t i = 0; i < slots_.size(); ++i)
        if (slots_[i]) Destroy(i);
}

void SpriteTable::Destroy(size_t slot) {
    Sprite* s = slots_[slot];
    slots_[slot] = nullptr;
    --count_;
    delete s;
}

int32_t SpriteTable::FindFreeSlot() {
    const size_t capacity = slots_.size();
    if (size_t(count_) >= capacity) Errors().Raise(ErrSpriteTableFull);
    for (size_t n = 0, i = cursor_; n < capacity; ++n, i = (i + 1) % capacity) {
        if (!slots_[i]) {
            cursor_ = (i + 1) % capacity;
            return int32_t(i);
        }
    }
    Errors().Raise(ErrInvalidState);
}

namespace {
SpriteLayer& ParentLayer(const SpriteCreateRecord& r) {
    if (r.type & 2) return CameraList::Find(r.parent)->Layer();
    return Context()->stages->Find(int32_t(r.parent))->Layer();
}
}  // namespace

int32_t SpriteTable::Create(const SpriteCreateRecord* record) {
    if (!record) Errors().Raise(ErrNullArgument);
    const int32_t slot = FindFreeSlot();
    SpriteLayer& layer = ParentLayer(*record);
    if (record->type > 11) Errors().Raise(ErrBadType, int32_t(record->type));
    Sprite* sprite = nullptr;
    try {
        sprite = NewSpriteOfKind(slot + 1, *record);
    } catch (const std::bad_alloc&) {
        Errors().Raise(ErrOutOfMemory);
    }
    if (!sprite || !sprite->Constructed()) {
        delete sprite;
        return 0;
    }
    slots_[size_t(slot)] = sprite;
    ++count_;
    layer.Insert(sprite);
    return slot + 1;
}

Sprite* SpriteTable::Find(int32_t handle) const {
    const int64_t slot = int64_t(handle) - 1;
    if (slot < 0 || slot >= int64_t(slots_.size()) || !slots_[size_t(slot)] ||
        slots_[size_t(slot)]->Handle() != handle)
        Errors().Raise(ErrBadHandle, handle);
    return slots_[size_t(slot)];
}

void SpriteTable::TickAll(int32_t frames) {
    for (Sprite* s : slots_)
        if (s) s->Tick(frames);
}

void SpriteTable::EndFrame() {
    for (size_t i = 0; i < slots_.size(); ++i) {
        Sprite* s = slots_[i];
        if (!s) continue;
        s->EndFrame();
        if (!s->Alive()) Destroy(i);
    }
}

void SpriteTable::DestroySpritesOfFile(int fileSlot) {
    const uint32_t filePart = uint32_t(fileSlot) << 24;
    for (size_t i = 0; i < slots_.size(); ++i)
        if (slots_[i] && slots_[i]->UsesAssetFile(filePart)) Destroy(i);
}

void SpriteTable::DropColorTable(ColorXlateTable* table) {
    for (Sprite* s : slots_)
        if (s && s->ColorTable() == table) s->TranslateColors(nullptr);
}
