#include "SpriteTable.h"

#include "LibraryContext.h"

SpriteTable::SpriteTable(size_t capacity) : slots_(capacity, nullptr) {}

SpriteTable::~SpriteTable() {
    for (Sprite* s : slots_) delete s;
}

Sprite* SpriteTable::Find(int32_t handle) const {
    if (handle < 1 || size_t(handle) > slots_.size() || !slots_[handle - 1])
        Errors().Raise(ErrBadHandle, handle);
    return slots_[handle - 1];
}

void SpriteTable::TickAll(int32_t frames) {
    for (Sprite* s : slots_)
        if (s) s->Tick(frames);
}

void SpriteTable::EndFrame() {
    for (Sprite*& s : slots_) {
        if (!s) continue;
        s->EndFrame();
        if (!s->Alive()) {
            delete s;
            s = nullptr;
        }
    }
}

void SpriteTable::DestroySpritesOfFile(int fileSlot) {
    for (Sprite*& s : slots_) {
        if (s && s->UsesFile(fileSlot)) {
            delete s;
            s = nullptr;
        }
    }
}
