// The area of one reel on the Graphics page, "Reel n Area": a rectangle element that the
// author drags and resizes, drawn as its outline with a stroke through the middle row and
// marks where the symbol rows above and below it end; its commit gives the reel its new
// rectangle.
#pragma once
#include <cstdint>

#include "PictureProbe.h"
#include "RectElement.h"

class MachineScript;
struct ReelPosition;

class ReelElement : public RectElement {
public:
    explicit ReelElement(MachineLayout* layout) : RectElement(layout) {}

    // Takes the reel's rectangle, draws its frame and handles on the parent; the machine
    // gives the size of the reel symbols.
    bool Setup(MachineScript* machine, const SpriteParent& parent, int32_t reel, const ReelPosition& position);
    void PaintArea(const ElementRect& rect) override;
    bool IsModified() override { return modified_; }
    void Commit(MachineScript& script) override;
    int32_t GetReel() const { return reel_; }

private:
    void DrawRowMarks(const ElementRect& rect);

    PictureSize symbol_;
    const SpriteParent* parent_ = nullptr;
    int32_t reel_ = 0;
    OwnerDrawSpriteHandle frame_;
};
