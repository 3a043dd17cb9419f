// The hit shape of the editor's rectangle elements: a rectangle that, with its edge flag
// set, also answers hits in the grip band along its border (which covers the handles).
#pragma once
#include "ElementGeometry.h"
#include "HitShape.h"

class RegionRect : public HitShape {
public:
    explicit RegionRect(const ElementRect& rect = ElementRect(), bool edgeFlag = false)
        : rect_(rect), edgeFlag_(edgeFlag) {}

    void Set(const ElementRect& rect) { rect_ = rect; }
    const ElementRect& Get() const { return rect_; }
    void SetEdgeFlag(bool flag) { edgeFlag_ = flag; }
    bool GetEdgeFlag() const { return edgeFlag_; }
    bool NearBorder(POINT point) const { return ::NearBorder(rect_, Point{point.x, point.y}); }

    bool HitTest(POINT point) override;
    // Moves all four edges by the offset.
    void OnMove(POINT offset) override { rect_.Offset(offset.x, offset.y); }
    // The top-left corner goes to the point; the size is kept.
    void OnPlace(POINT point) override { rect_.Offset(point.x - rect_.left, point.y - rect_.top); }

private:
    ElementRect rect_;
    bool edgeFlag_;
};
