// The table of sprites; a sprite handle is its slot + 1.
#pragma once
#include <cstdint>
#include <vector>

class Sprite {
public:
    virtual ~Sprite() = default;
    virtual void Tick(int32_t frames) = 0;
    virtual void EndFrame() = 0;
    // True when the sprite's picture comes from asset file `fileSlot`.
    virtual bool UsesFile(int fileSlot) const = 0;
    // Clear when the sprite is to be destroyed at the end of the frame.
    bool Alive() const { return (flags & 0x10000) != 0; }
    uint32_t flags = 0x10000;
};

class SpriteTable {
public:
    explicit SpriteTable(size_t capacity);
    ~SpriteTable();
    size_t Capacity() const { return slots_.size(); }
    Sprite* Find(int32_t handle) const;
    void TickAll(int32_t frames);
    // End of frame: every sprite's end-of-frame work, then the dead ones go.
    void EndFrame();
    // Destroys at once every sprite drawn from the asset file.
    void DestroySpritesOfFile(int fileSlot);

private:
    std::vector<Sprite*> slots_;
};
