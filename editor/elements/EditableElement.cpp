#include "EditableElement.h"

#include <cstdlib>

#include "MachineLayout.h"
#include "MachineScript.h"
#include "RegionRect.h"
#include "SpriteDesc.h"
#include "SpriteQueries.h"

namespace {
const int32_t kHandleDepth = 150;
const COLORREF kHandleKey = 0xFF0000;
const int32_t kDragThreshold = 2;

POINT ToPoint(Point p) { return POINT{p.x, p.y}; }
}  // namespace

EditableElement::EditableElement(MachineLayout* layout) : layout_(layout) {}

EditableElement::~EditableElement() = default;

void EditableElement::MoveSprite(POINT offset, int32_t depth) {
    rect_.Offset(offset.x, offset.y);
    const int16_t deltas[4] = {int16_t(offset.x), int16_t(offset.y), 0, 0};
    for (OwnerDrawSpriteHandle& handle : handles_)
        if (!handle.IsEmpty()) ::MoveSprite(handle.Get(), deltas);
    FaceElement::MoveSprite(offset, depth);
    modified_ = true;
}

void EditableElement::PlaceSprite(POINT point, int32_t depth) {
    rect_.Offset(point.x - rect_.left, point.y - rect_.top);
    for (OwnerDrawSpriteHandle& handle : handles_) PlaceHeldSprite(handle, point, depth);
    FaceElement::PlaceSprite(point, depth);
}

void EditableElement::OnMouseDown(POINT point) {
    lastPoint_ = point;
    dragMoved_ = false;
    dragging_ = true;
}

void EditableElement::OnClick(POINT) {
    dragging_ = false;
    if (dragMoved_) NotifyChanged();
}

void EditableElement::OnMouseMove(POINT point) {
    if (!dragging_) return;
    if (!dragMoved_)
        dragMoved_ = std::abs(point.x - lastPoint_.x) >= kDragThreshold ||
                     std::abs(point.y - lastPoint_.y) >= kDragThreshold;
    if (!dragMoved_) return;
    MoveSprite(POINT{point.x - lastPoint_.x, point.y - lastPoint_.y}, 0);
    lastPoint_ = point;
}

void EditableElement::OnKeyDown(WPARAM key, LPARAM) {
    POINT offset;
    switch (key) {
    case VK_LEFT: offset = {-1, 0}; break;
    case VK_UP: offset = {0, -1}; break;
    case VK_RIGHT: offset = {1, 0}; break;
    case VK_DOWN: offset = {0, 1}; break;
    default: return;
    }
    MoveSprite(offset, 0);
    NotifyChanged();
}

bool EditableElement::OnHighlightChanged(bool highlighted) {
    SetVisible(highlighted);
    if (layout_) layout_->NotifySelection(this);
    return true;
}

void EditableElement::Commit(MachineScript&) {}
void EditableElement::EditProperties(Window*) {}

void EditableElement::SetVisible(bool visible) {
    for (OwnerDrawSpriteHandle& handle : handles_)
        if (!handle.IsEmpty()) MakeSpriteVisible(handle.Get(), visible ? 1 : 0);
    SetShapeFlag(visible);
}

void EditableElement::SetBounds(const ElementRect& rect) {
    rect_ = rect;
    RebuildShape();
}

void EditableElement::SetShapeFlag(bool flag) {
    if (shape_) shape_->SetEdgeFlag(flag);
}

void EditableElement::SetShapeRect(const ElementRect& rect) {
    if (shape_) shape_->Set(rect);
}

void EditableElement::RebuildShape() {
    shape_ = new RegionRect(rect_, false);
    SetBehaviour(shape_);
}

bool EditableElement::DrawSelection(const SpriteParent& parent) {
    HBRUSH yellow = CreateSolidBrush(RGB(255, 255, 0));
    const std::array<Point, 4> corners = HandleCorners(rect_);
    for (size_t i = 0; i < handles_.size(); ++i) {
        OwnerDrawSpriteDesc desc;
        desc.x = corners[i].x;
        desc.y = corners[i].y;
        desc.depth = kHandleDepth;
        desc.block.width = kHandleSize;
        desc.block.height = kHandleSize;
        desc.block.transparentColour = kHandleKey;
        if (CreateOwnerDrawSprite(parent, handles_[i], desc)) DrawHandle(handles_[i], yellow);
    }
    DeleteObject(yellow);
    return true;
}

void EditableElement::DrawHandle(OwnerDrawSpriteHandle& handle, HBRUSH brush) {
    HBITMAP bitmap = handle.Surface().bitmap;
    if (bitmap) {
        HDC dc = CreateCompatibleDC(nullptr);
        HGDIOBJ oldBitmap = SelectObject(dc, bitmap);
        HGDIOBJ oldBrush = SelectObject(dc, brush);
        Rectangle(dc, 0, 0, kHandleSize, kHandleSize);
        SelectObject(dc, oldBrush);
        SelectObject(dc, oldBitmap);
        DeleteDC(dc);
    }
    UpdateOwnerDrawSprite(handle.Get());
}

void EditableElement::ShowHandles(const ElementRect& rect) {
    const std::array<Point, 4> corners = HandleCorners(rect);
    for (size_t i = 0; i < handles_.size(); ++i) PlaceHeldSprite(handles_[i], ToPoint(corners[i]), 1);
    SetShapeRect(rect);
}

void EditableElement::SetName(const std::string& name) {
    name_ = name;
    caption_ = name;
}

void EditableElement::SetCaption(const std::string& newName) {
    name_ = newName;
    renamed_ = true;
}

void EditableElement::MarkDeleted() {
    deleted_ = true;
    SetVisible(false);
    ShowSprite(false);
    SetState(0);
}

void EditableElement::NotifyChanged() {
    if (layout_) layout_->NotifyChanged();
}

void EditableElement::Release() {
    if (--refCount_ <= 0) delete this;
}

void EditableElement::DefinitionWritten() {
    isNew_ = false;
    renamed_ = false;
    modified_ = false;
    caption_ = name_;
    if (deleted_) removalWritten_ = true;
}

void EditableElement::RemovalWritten() { removalWritten_ = true; }

void EditableElement::MoveAndRenameWritten() {
    modified_ = false;
    renamed_ = false;
}

bool EditableElement::CommitDefinitionOrRemoval(MachineScript& script, const std::function<void()>& define) {
    if (NeedsDefinition()) {
        define();
        DefinitionWritten();
        return true;
    }
    if (isNew_) return true;  // added and deleted before any save: the script never heard of it
    if (!deleted_) return false;
    if (NeedsRemoval()) script.DeleteElement(caption_);
    RemovalWritten();
    return true;
}

void EditableElement::CommitRename(MachineScript& script) {
    if (renamed_) script.RenameElement(caption_, name_);
    MoveAndRenameWritten();
}
