#include "PolygonRegionElement.h"

#include <algorithm>

#include "MachineScript.h"
#include "ElementName.h"
#include "MachineLayout.h"
#include "OutlineSprite.h"
#include "PolygonNodes.h"
#include "RegionShape.h"
#include "EditorDialogIds.h"
#include "ElementMenu.h"
#include "RegionPropertiesDialog.h"
#include "SpriteDesc.h"
#include "SpriteQueries.h"
#include "SystemInfo.h"

namespace {
const COLORREF kRegionColour = RGB(255, 128, 0);

const int32_t kNodeHandleSize = 5;
const int32_t kNodeHandleDepth = 5;

bool KeyHeld(int key) { return (GetKeyState(key) & 0x8000) != 0; }

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
    DrawNodeHandles();
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
    return IsNew() || IsRenamed() || IsMoved() || nodesChanged_ || propertiesChanged_;
}

void PolygonRegionElement::Commit(MachineScript& script) {
    if (CommitDefinitionOrRemoval(script, [&] {
            script.DefineRegion(GetName(), CurrentRegion());
            nodesChanged_ = propertiesChanged_ = false;
        }))
        return;
    if (IsMoved() || nodesChanged_ || propertiesChanged_) script.SetRegion(GetCaption(), CurrentRegion());
    nodesChanged_ = propertiesChanged_ = false;
    CommitRename(script);
}

void PolygonRegionElement::TakeCurrentOrigin() { part_ = CurrentRegion(); }

void PolygonRegionElement::NodesChanged() {
    SetBounds(NodeBounds(part_.region));
    DrawOutline();
    DrawNodeHandles();
    ShowHandles(GetRect());
    nodesChanged_ = true;
}

void PolygonRegionElement::OnMouseDown(POINT point) {
    nodeDrag_ = false;
    pressEdited_ = false;
    TakeCurrentOrigin();
    Region& region = part_.region;
    const int node = NodeAt(region, Point{point.x, point.y});
    const bool ctrl = KeyHeld(VK_CONTROL), shift = KeyHeld(VK_SHIFT);
    if (node < 0 && ctrl && !shift) {
        InsertNode(region, Point{point.x, point.y});
        pressEdited_ = true;  // the press that inserts a node does not drag it
        NodesChanged();
    } else if (node < 0) {
        EditableElement::OnMouseDown(point);
    } else if (ctrl && shift) {
        pressEdited_ = DeleteNode(region, size_t(node));
        if (pressEdited_) NodesChanged();
        else MessageBeep(MB_ICONEXCLAMATION);  // a region keeps three nodes
    } else {
        draggedNode_ = size_t(node);
        nodeDrag_ = true;
    }
}

void PolygonRegionElement::PlaceDraggedNode(POINT point) {
    Region& region = part_.region;
    region.vertices[draggedNode_] = Point{point.x - region.originX, point.y - region.originY};
    NodesChanged();
}

void PolygonRegionElement::OnMouseMove(POINT point) {
    if (nodeDrag_) PlaceDraggedNode(point);
    else EditableElement::OnMouseMove(point);
}

void PolygonRegionElement::OnClick(POINT point) {
    if (nodeDrag_) {
        PlaceDraggedNode(point);
        nodeDrag_ = false;
        NotifyChanged();
        return;
    }
    EditableElement::OnClick(point);
    if (pressEdited_) NotifyChanged();
}

bool PolygonRegionElement::Rename(Window* owner) { return RenameFromDialog(*this, "Region", owner); }

void PolygonRegionElement::DrawNodeHandles() {
    nodeHandles_.clear();
    HBRUSH yellow = CreateSolidBrush(RGB(255, 255, 0));
    for (size_t i = 0; i < part_.region.vertices.size(); ++i) {
        const Point node = part_.region.VertexAt(i);
        auto handle = std::make_unique<OwnerDrawSpriteHandle>();
        OwnerDrawSpriteDesc desc;
        desc.x = node.x - 2;
        desc.y = node.y - 2;
        desc.depth = kNodeHandleDepth;
        desc.block.width = kNodeHandleSize;
        desc.block.height = kNodeHandleSize;
        if (CreateOwnerDrawSprite(*parent_, *handle, desc) && handle->Surface().bitmap) {
            HDC dc = CreateCompatibleDC(nullptr);
            HGDIOBJ oldBitmap = SelectObject(dc, handle->Surface().bitmap);
            HGDIOBJ oldBrush = SelectObject(dc, yellow);
            Rectangle(dc, 0, 0, kNodeHandleSize, kNodeHandleSize);
            SelectObject(dc, oldBrush);
            SelectObject(dc, oldBitmap);
            DeleteDC(dc);
            UpdateOwnerDrawSprite(handle->Get());
            MakeSpriteVisible(handle->Get(), handlesShown_ ? 1 : 0);
        }
        nodeHandles_.push_back(std::move(handle));
    }
    DeleteObject(yellow);
}

void PolygonRegionElement::SetVisible(bool visible) {
    handlesShown_ = visible;
    for (const auto& handle : nodeHandles_)
        if (!handle->IsEmpty()) MakeSpriteVisible(handle->Get(), visible ? 1 : 0);
    EditableElement::SetVisible(visible);
}

void PolygonRegionElement::MoveNodeHandles(POINT offset) {
    const int16_t deltas[4] = {int16_t(offset.x), int16_t(offset.y), 0, 0};
    for (const auto& handle : nodeHandles_)
        if (!handle->IsEmpty()) ::MoveSprite(handle->Get(), deltas);
}

void PolygonRegionElement::MoveSprite(POINT offset, int32_t depth) {
    MoveNodeHandles(offset);
    EditableElement::MoveSprite(offset, depth);
}

// A placement moves the handles with the rectangle; the region's origin stays.
void PolygonRegionElement::PlaceSprite(POINT point, int32_t depth) {
    MoveNodeHandles(POINT{point.x - GetRect().left, point.y - GetRect().top});
    EditableElement::PlaceSprite(point, depth);
}

bool PolygonRegionElement::OnContextMenu(POINT point, Window* owner) {
    RunCommand(TrackElementMenu(IDM_REGION_MENU, point, owner), owner);
    return true;
}

void PolygonRegionElement::RunCommand(int command, Window* owner) {
    switch (command) {
    case ID_REGION_RENAME: Rename(owner); break;
    case ID_REGION_DELETE:
        if (RefuseIfCoinUses(*this, owner)) break;
        MarkDeleted();
        NotifyChanged();
        break;
    case ID_ITEM_PROPERTIES: EditProperties(owner); break;
    default: break;
    }
}

void PolygonRegionElement::EditProperties(Window* owner) {
    RegionPropertiesDialog dialog(GetName(), CurrentRegion());
    if (dialog.DoModal(owner) != 1) return;
    part_.hotKey = dialog.GetRecord().hotKey;
    part_.hotKeyFlags = dialog.GetRecord().hotKeyFlags;
    NotifyChanged();
    propertiesChanged_ = true;
}

HCURSOR PolygonRegionElement::GetCursor() {
    if (!KeyHeld(VK_CONTROL)) return EditableElement::GetCursor();
    HCURSOR cursor = LoadAppCursorById(KeyHeld(VK_SHIFT) ? kDeleteNodeCursor : kInsertNodeCursor);
    return cursor ? cursor : EditableElement::GetCursor();
}
