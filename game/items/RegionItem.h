// An invisible clickable polygon of a machine: a face element whose hit shape is the
// region's polygon, and whose clicks, focus and hover reach the item's script events.
#pragma once
#include <windows.h>

#include <cstdint>
#include <string>
#include <vector>

#include "FaceElement.h"
#include "Geometry.h"
#include "HitShape.h"
#include "ItemEventSource.h"
#include "Region.h"

// What a machine's region record gives the item.
struct RegionItemSetup {
    Point origin = {0, 0};
    std::vector<Point> points;  // relative to the origin
    uint32_t hotKey = 0;
    uint32_t shiftFlags = 0;
    std::vector<std::string> scriptlets;
};

// The item's hit shape: a copy of the region that moves with the item.
class RegionHitShape : public HitShape {
public:
    explicit RegionHitShape(const RegionItemSetup& setup);
    bool HitTest(POINT point) override { return region_.HitTest(Point{point.x, point.y}); }
    void OnMove(POINT offset) override;
    void OnPlace(POINT point) override;
    const Region& GetRegion() const { return region_; }

private:
    Region region_;
    uint32_t hotKey_, shiftFlags_;
    std::vector<std::string> scriptlets_;
};

class RegionItem : public FaceElement {
public:
    explicit RegionItem(const RegionItemSetup& setup);

    // The item tells the sink of its events; it releases the sink when it goes.
    void SetEventSink(ItemEventSink* sink) { events_.SetEventSink(sink); }
    ItemEventSink* GetEventSink() const { return events_.GetEventSink(); }
    Point GetOrigin() const { return origin_; }
    void SetOriginX(int32_t x) { PlaceSprite(POINT{x, origin_.y}, 0); }
    void SetOriginY(int32_t y) { PlaceSprite(POINT{origin_.x, y}, 0); }
    const std::vector<Point>& GetPoints() const { return points_; }
    const std::vector<std::string>& GetScriptlets() const { return scriptlets_; }
    // A cursor resource of the program by number (0 = the arrow) or by name.
    void SetCursor(int resourceId) { cursorId_ = resourceId, cursorName_.clear(); }
    void SetCursor(const char* resourceName) { cursorName_ = resourceName ? resourceName : "", cursorId_ = 0; }

    void InvokeAction() override;
    void MoveSprite(POINT offset, int32_t depth) override;
    void PlaceSprite(POINT point, int32_t depth) override;
    HCURSOR GetCursor() override;
    bool OnHighlightChanged(bool highlighted) override;
    void OnHoverChanged(bool hovered) override;

private:
    Point origin_;
    std::vector<Point> points_;
    std::vector<std::string> scriptlets_;
    int cursorId_ = 0;
    std::string cursorName_;
    ItemEventSource events_;
};
