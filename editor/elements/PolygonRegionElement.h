// A polygon region of the machine on the Graphics page: hit inside the polygon and at its
// nodes, dragged and nudged as a whole, renamed, deleted or added; its commit defines,
// removes, moves or renames the region's definition in the script.
#pragma once
#include "EditableElement.h"
#include "SymbolParts.h"

class RegionShape;

class PolygonRegionElement : public EditableElement {
public:
    explicit PolygonRegionElement(MachineLayout* layout) : EditableElement(layout) {}

    bool Setup(const SpriteParent& parent, const std::string& name, const RegionPart& part);
    void RebuildShape() override;
    bool IsModified() override;
    void Commit(MachineScript& script) override;
    // The region as it stands now: the part it was made from, at its current origin.
    RegionPart CurrentRegion() const;

private:
    void DrawOutline();

    const SpriteParent* parent_ = nullptr;
    RegionPart part_;
    RegionShape* regionShape_ = nullptr;
    OwnerDrawSpriteHandle outline_;
};
