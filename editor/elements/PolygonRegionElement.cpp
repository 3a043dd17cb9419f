#include "PolygonRegionElement.h"

#include <algorithm>

#include "MachineScript.h"
#include "OutlineSprite.h"
#include "RegionShape.h"

namespace {
const COLORREF kRegionColour = RGB(255, 128, 0);

// The bounds of the region's nodes; the right and bottom edges are one past the last node.
ElementRect NodeBounds(const Region& region) {
    if (region.vertices.empty()) return ElementRect{region.originX, region.originY, region.originX + 1,
                                                    region.originY + 1};
    ElementRect r{INT32_MAX, INT32_MAX, INT32_MIN, INT32_MIN};
    for (size_t i = 0; i < region.vertices.size(); ++i) {
        const Point p = region.VertexAt(i);
        r.left = std::min(r.left, p.x), r.top = std::min(r.top, p.y);
        r.right = std::max(r.right, p.x + 1), r.bottom = std::max(r.bottom, p.y + 1);
    }
    return r;
}
}  // namespace

bool PolygonRegionElement::Setup(const SpriteParent& parent, const std::string& name, const RegionPart& part) {
    parent_ = &parent;
    part_ = part;
    SetName(name);
    SetDisplayText(name + " Region");
    SetBounds(NodeBounds(part.region));
    DrawOutline();
    SetSprite(&outline_);
    DrawSelection(parent);
    SetVisible(false);
    return true;
}

void PolygonRegionElement::DrawOutline() {
    const ElementRect& r = GetRect();
    std::vector<POINT> polygon;
    for (size_t i = 0; i < part_.region.vertices.size(); ++i) {
        const Point p = part_.region.VertexAt(i);
        polygon.push_back(POINT{p.x - r.left, p.y - r.top});
    }
    DrawOutlineSprite(*parent_, outline_, r, polygon, kRegionColour);
}

void PolygonRegionElement::RebuildShape() {
    regionShape_ = new RegionShape(part_.region);
    shape_ = nullptr;
    SetBehaviour(regionShape_);
}

RegionPart PolygonRegionElement::CurrentRegion() const {
    RegionPart part = part_;
    if (regionShape_) {
        part.region.originX = regionShape_->Get().originX;
        part.region.originY = regionShape_->Get().originY;
    }
    return part;
}

bool PolygonRegionElement::IsModified() {
    if (IsDeleted()) return NeedsRemoval();
    return IsNew() || IsRenamed() || IsMoved();
}

void PolygonRegionElement::Commit(MachineScript& script) {
    if (NeedsDefinition()) {
        script.DefineRegion(GetName(), CurrentRegion());
        DefinitionWritten();
        return;
    }
    if (IsNew()) return;
    if (IsDeleted()) {
        if (NeedsRemoval()) script.DeleteElement(GetCaption());
        RemovalWritten();
        return;
    }
    if (IsMoved()) script.SetRegion(GetCaption(), CurrentRegion());
    if (IsRenamed()) script.RenameElement(GetCaption(), GetName());
    MoveAndRenameWritten();
}
