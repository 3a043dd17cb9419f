#include "RectElement.h"

#include <cstdlib>

#include "RegionRect.h"

namespace {
const int32_t kResizeThreshold = 2;
}  // namespace

void RectElement::OnMouseDown(POINT point) {
    resizing_ = CanResize() && shape_ && shape_->NearBorder(point);
    if (resizing_) edges_ = EdgesAt(GetRect(), Point{point.x, point.y});
    buttonDown_ = true;
    resizeMoved_ = false;
    resizePoint_ = point;
    EditableElement::OnMouseDown(point);
}

void RectElement::OnClick(POINT point) {
    buttonDown_ = false;
    EditableElement::OnClick(point);
}

void RectElement::OnMouseMove(POINT point) {
    if (!resizing_) {
        EditableElement::OnMouseMove(point);
        return;
    }
    if (!buttonDown_) return;
    if (!resizeMoved_)
        resizeMoved_ = std::abs(point.x - resizePoint_.x) >= kResizeThreshold ||
                       std::abs(point.y - resizePoint_.y) >= kResizeThreshold;
    if (!resizeMoved_) return;
    const ElementRect rect = ResizeByEdges(GetRect(), edges_, Point{point.x, point.y});
    SetRect(rect);
    ShowHandles(rect);
    PaintArea(rect);
    resizePoint_ = point;
    NotifyChanged();
    modified_ = true;
}

void RectElement::PaintArea(const ElementRect&) {}
