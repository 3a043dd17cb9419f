// The face's elements as the script's objects see them: their events reach the object the
// script attached until it is taken back, and the script's hot key, state and origin
// changes reach the element.
#include <gtest/gtest.h>

#include <vector>

#include "ScriptFaceElement.h"

namespace {

class EventLog : public ScriptEventSource {
public:
    void FireEvent(DISPID id) override { fired.push_back(id); }
    std::vector<DISPID> fired;
};

RegionItemSetup Square() {
    RegionItemSetup setup;
    setup.origin = Point{100, 50};
    setup.points = {Point{0, 0}, Point{20, 0}, Point{20, 20}, Point{0, 20}};
    setup.hotKey = 'R';
    return setup;
}

}  // namespace

TEST(ScriptFaceElementTest, ARegionTellsTheScriptOfItsEventsUntilTheScriptLetsGo) {
    RegionItem region(Square());
    ScriptRegionElement view(region, 'R', 0);
    EventLog events;
    view.AttachScriptEvents(&events);
    region.InvokeAction();
    region.OnHoverChanged(true);
    EXPECT_EQ((std::vector<DISPID>{1, 4}), events.fired) << "OnClick, OnEnter";

    view.AttachScriptEvents(nullptr);
    region.InvokeAction();
    EXPECT_EQ(2u, events.fired.size());
}

TEST(ScriptFaceElementTest, TheScriptsHotKeyStateAndOriginReachTheRegion) {
    RegionItem region(Square());
    ScriptRegionElement view(region, 'R', 0);
    EXPECT_EQ('R', view.GetHotKey());
    view.SetHotKey('Q', FaceElement::kShift);
    EXPECT_EQ('Q', view.GetHotKey());
    EXPECT_EQ(int32_t(FaceElement::kShift), view.GetHotKeyFlags());
    EXPECT_TRUE(region.MatchesHotKey('Q', FaceElement::kShift));
    EXPECT_FALSE(region.MatchesHotKey('R', 0));

    view.SetState(0);
    EXPECT_FALSE(region.IsEnabled());
    view.SetState(7);
    EXPECT_EQ(1, region.GetState());

    view.SetOriginX(130);
    view.SetOriginY(5);
    EXPECT_EQ(130, region.GetOrigin().x);
    EXPECT_EQ(5, view.GetOriginY());
}
