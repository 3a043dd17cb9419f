// The 1024 sprite slots. A sprite handle is its slot + 1; 0 is never a handle.
#pragma once
#include <cstdint>
#include <vector>

#include "Sprite.h"

class ColorXlateTable;

class SpriteTable {
public:
    explicit SpriteTable(size_t capacity);
    ~SpriteTable();
    size_t Capacity() const { return slots_.size(); }
    int32_t Count() const { return count_; }

    // Makes the sprite the record describes and returns its handle; raises on a bad record
    // or a full table, and returns 0 when the sprite's own construction failed (which
    // records why).
    int32_t Create(const SpriteCreateRecord* record);
    // The live sprite behind the handle; raises ErrBadHandle otherwise.
    Sprite* Find(int32_t handle) const;
    // A free slot; raises ErrSpriteTableFull (or ErrInvalidState) when there is none.
    int32_t FindFreeSlot();
    template <class Fn>
    void ForEach(Fn fn) const {
        for (Sprite* s : slots_)
            if (s) fn(s);
    }

    void TickAll(int32_t frames);
    // End of frame: every sprite's end-of-frame work, then the dead ones go.
    void EndFrame();
    // Destroys at once every sprite drawn from the asset file in `fileSlot`.
    void DestroySpritesOfFile(int fileSlot);
    // Every sprite drawing through the table stops doing so.
    void DropColorTable(ColorXlateTable* table);

private:
    void Destroy(size_t slot);

    std::vector<Sprite*> slots_;
    int32_t count_ = 0;
    size_t cursor_ = 0;
};
