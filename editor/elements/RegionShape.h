// The hit shape of a polygon region element: a copy of the machine region, hit inside the
// polygon and near any of its nodes (from 3 pixels before a node to 2 pixels after it on
// each axis), so that nodes can be grabbed.
#pragma once
#include "HitShape.h"
#include "Region.h"

class RegionShape : public HitShape {
public:
    explicit RegionShape(const Region& region) : region_(region) {}

    const Region& Get() const { return region_; }
    bool HitTest(POINT point) override;
    // The region's origin moves by the offset, or goes to the point.
    void OnMove(POINT offset) override;
    void OnPlace(POINT point) override;

private:
    Region region_;
};
