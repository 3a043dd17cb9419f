#include "RegionItem.h"

#include "SystemInfo.h"

RegionHitShape::RegionHitShape(const RegionItemSetup& setup)
    : hotKey_(setup.hotKey), shiftFlags_(setup.shiftFlags), scriptlets_(setup.scriptlets) {
    region_.originX = setup.origin.x;
    region_.originY = setup.origin.y;
    region_.vertices = setup.points;
}

void RegionHitShape::OnMove(POINT offset) {
    region_.originX += offset.x;
    region_.originY += offset.y;
}

void RegionHitShape::OnPlace(POINT point) {
    region_.originX = point.x;
    region_.originY = point.y;
}

RegionItem::RegionItem(const RegionItemSetup& setup)
    : origin_(setup.origin), points_(setup.points), scriptlets_(setup.scriptlets) {
    SetBehaviour(new RegionHitShape(setup));
    SetHotKey(setup.hotKey, setup.shiftFlags);
}

void RegionItem::InvokeAction() {
    events_.Fire(ItemEventSink::kOnClick);
    FaceElement::InvokeAction();
}

void RegionItem::MoveSprite(POINT offset, int32_t depth) {
    origin_.x += offset.x;
    origin_.y += offset.y;
    FaceElement::MoveSprite(offset, depth);
}

void RegionItem::PlaceSprite(POINT point, int32_t depth) {
    origin_ = Point{point.x, point.y};
    FaceElement::PlaceSprite(point, depth);
}

HCURSOR RegionItem::GetCursor() {
    HCURSOR cursor = nullptr;
    if (!cursorName_.empty()) cursor = LoadAppCursor(cursorName_.c_str());
    else if (cursorId_) cursor = LoadAppCursorById(cursorId_);
    return cursor ? cursor : FaceElement::GetCursor();
}

bool RegionItem::OnHighlightChanged(bool highlighted) {
    events_.Fire(highlighted ? ItemEventSink::kOnFocus : ItemEventSink::kOnBlur);
    return true;
}

void RegionItem::OnHoverChanged(bool hovered) {
    events_.Fire(hovered ? ItemEventSink::kOnHover : ItemEventSink::kOnLeave);
}
