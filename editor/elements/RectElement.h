// An editable element that is a rectangle the author drags by its inside and resizes by
// its edges: the base of the reel-area, region, coin-slot and arm elements.
#pragma once
#include "EditableElement.h"

class RectElement : public EditableElement {
public:
    explicit RectElement(MachineLayout* layout) : EditableElement(layout) {}

    void OnMouseDown(POINT point) override;
    void OnClick(POINT point) override;
    void OnMouseMove(POINT point) override;
    // Called after every resize step with the new rectangle; the base paints nothing.
    virtual void PaintArea(const ElementRect& rect);
    // Whether a press on the border resizes; where the script keeps only a place, it
    // drags the element like a press inside.
    virtual bool CanResize() const { return true; }

    bool IsResizing() const { return resizing_; }

private:
    bool resizing_ = false;
    bool buttonDown_ = false;
    bool resizeMoved_ = false;
    POINT resizePoint_ = {0, 0};
    GrabbedEdges edges_;
};
