// The area of one reel on the Graphics page, "Reel n Area": a rectangle element that the
// author drags and resizes; its commit gives the reel its new rectangle.
#pragma once
#include <cstdint>

#include "RectElement.h"

struct ReelPosition;

class ReelElement : public RectElement {
public:
    explicit ReelElement(MachineLayout* layout) : RectElement(layout) {}

    // Takes the reel's rectangle, draws its frame and handles on the parent.
    bool Setup(const SpriteParent& parent, int32_t reel, const ReelPosition& position);
    void PaintArea(const ElementRect& rect) override;
    bool IsModified() override { return modified_; }
    void Commit(MachineScript& script) override;
    int32_t GetReel() const { return reel_; }

private:
    const SpriteParent* parent_ = nullptr;
    int32_t reel_ = 0;
    OwnerDrawSpriteHandle frame_;
};
