// A depth-ordered layer of sprites: a stage's (world coordinates) or a camera's overlay
// (view coordinates). Sprites are kept in ascending depth in a circular list headed by a
// sentinel; the render pass draws from the head, so larger depths land in front.
#pragma once
#include <windows.h>
#include <cstdint>
#include <deque>
#include <functional>
#include <vector>

#include "ImageRecord.h"
#include "Sprite.h"

class SpriteLayer {
public:
    SpriteLayer() = default;
    ~SpriteLayer();
    SpriteLayer(const SpriteLayer&) = delete;
    SpriteLayer& operator=(const SpriteLayer&) = delete;

    // The world's size and wrapping; every sprite recomputes its pieces.
    void SetWorld(int32_t width, int32_t height, bool wrapX, bool wrapY);
    // Unlinks every sprite; the sprites stay alive in their slots, no longer drawn.
    void Clear();
    int32_t Width() const { return width_; }
    int32_t Height() const { return height_; }
    bool WrapsX() const { return wrapX_; }
    bool WrapsY() const { return wrapY_; }
    int32_t Count() const { return count_; }

    // The 3D view of the camera that sees this layer: focal length and projection centre
    // (300, 320, 200 until a camera gives its own); 3D sprites follow it.
    void SetProjection(double focal, double centreX, double centreY);
    double Focal() const { return focal_; }
    double CentreX() const { return centreX_; }
    double CentreY() const { return centreY_; }

    // After every sprite of equal depth.
    void Insert(Sprite* sprite);
    void Remove(Sprite* sprite);
    // Moves the sprite to its place after its depth changed.
    void Resort(Sprite* sprite);
    // Head to tail (back to front); the routine may not unlink sprites.
    template <class Fn>
    void ForEach(Fn fn) const {
        for (SpriteLink* l = head_.next; l != &head_; l = l->next) fn(static_cast<Sprite*>(l));
    }

    // Rectangles of sprites that changed since the last collection, old and new, in layer
    // coordinates; then forgets them.
    void CollectChanges(const std::function<void(const RECT&)>& add);
    // The same for one of several viewers of the layer (the cameras of a stage): each
    // keeps the number of the last collection it has seen in `seen` and gets every change
    // since, including those another viewer collected first. False when its last look is
    // too long ago for the changes to be known: it must redraw everything.
    bool CollectChangesFor(uint32_t& seen, const std::function<void(const RECT&)>& add);
    // Draws every visible sprite meeting `area` (layer coordinates) in depth order into a
    // 16-bit picture buffer; layer point (x, y) lands on pixel (x - originX, y - originY).
    void Draw(quor::ImageHeader* buffer, const RECT& area, int32_t originX, int32_t originY);
    // Handles of the visible sprites under the point, back to front, at most `room`; the
    // rest of the array is zeroed. Returns how many were written.
    int HitTest(int32_t x, int32_t y, int32_t* handles, int room) const;

private:
    SpriteLink head_;
    int32_t count_ = 0;
    int32_t width_ = 2147483647;
    int32_t height_ = 2147483647;
    bool wrapX_ = false;
    bool wrapY_ = false;
    double focal_ = 300.0, centreX_ = 320.0, centreY_ = 200.0;
    std::vector<RECT> departed_;  // painted areas of sprites that left the layer
    // The latest collections, numbered, for viewers that look later than others.
    struct Collection {
        uint32_t number;
        std::vector<RECT> rects;
    };
    std::deque<Collection> history_;
    uint32_t collections_ = 0;
};
