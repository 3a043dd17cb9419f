// Sprite items and region items in an element host: the region's polygon is hit-tested
// and clicked through the host's routing and moves with the item; clicks, focus and hover
// fire the items' script events before the element action; sprite items show their
// button pictures for state and focus.
#include <memory>

#include "ActionCallback.h"
#include "ElementHost.h"
#include "ItemStage.h"
#include "RectHitShape.h"
#include "RegionItem.h"
#include "SpriteItem.h"
#include "SpriteQueries.h"
#include "Window.h"

namespace {

struct EventProbe : ItemEventSink {
    explicit EventProbe(std::vector<std::string>* log, std::string name) : log(log), name(std::move(name)) {}
    void FireItemEvent(int32_t dispid) override { log->push_back(name + ":event" + std::to_string(dispid)); }
    void Release() override { log->push_back(name + ":release"); }
    std::vector<std::string>* log;
    std::string name;
};

struct ActionProbe {
    std::vector<std::string>* log;
    bool disables = false;  // as Spin disables itself
    void Clicked(FaceElement& element) {
        log->push_back("action");
        if (disables) element.SetState(0);
    }
};

class ItemRouting : public ItemStage {
protected:
    void SetUp() override {
        ItemStage::SetUp();
        window_.SetStyle(WS_POPUP | WS_VISIBLE);
        window_.SetRect(RECT{0, 0, 300, 200});
        ASSERT_EQ(1, window_.Create(nullptr));
        window_.Attach(static_cast<MessageTarget*>(&host_));
        host_.SetOwnerWindow(&window_);
        host_.SetRootElement(&camera_);
    }
    void TearDown() override {
        host_.ClearElements();
        window_.Detach();
        ItemStage::TearDown();
    }
    void Click(int x, int y) {
        SendMessageA(window_.GetHandle(), WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(x, y));
        SendMessageA(window_.GetHandle(), WM_LBUTTONUP, 0, MAKELPARAM(x, y));
    }
    void Move(int x, int y) { SendMessageA(window_.GetHandle(), WM_MOUSEMOVE, 0, MAKELPARAM(x, y)); }
    std::vector<std::string> Take() {
        std::vector<std::string> taken;
        taken.swap(log_);
        return taken;
    }
    // A triangle (100, 50), (200, 50), (100, 150).
    static RegionItemSetup Triangle() {
        RegionItemSetup setup;
        setup.origin = Point{100, 50};
        setup.points = {Point{0, 0}, Point{100, 0}, Point{0, 100}};
        setup.hotKey = 'R';
        setup.scriptlets = {"OnClick=machine.Spin()"};
        return setup;
    }

    Window window_;
    ElementHost host_;
    std::vector<std::string> log_;
};

TEST_F(ItemRouting, RegionsAreHitInsideTheirPolygonAndFireClickBeforeTheAction) {
    RegionItem region(Triangle());
    region.SetEventSink(new EventProbe(&log_, "region"));
    ActionProbe action{&log_};
    region.SetAction(new ActionCallback<ActionProbe>(&action, &ActionProbe::Clicked));
    host_.AddElement(&region, false);

    Click(180, 120);  // inside the bounding box, outside the triangle
    EXPECT_TRUE(Take().empty());
    Click(110, 60);
    EXPECT_EQ((std::vector<std::string>{"region:event2", "region:event1", "action"}), Take())
        << "focus, then the click event, then the action";

    Move(120, 70);
    Move(250, 190);
    EXPECT_EQ((std::vector<std::string>{"region:event4", "region:event5"}), Take()) << "hover and leave";

    // Moved, the polygon goes along.
    region.MoveSprite(POINT{100, 0}, 0);
    EXPECT_EQ(200, region.GetOrigin().x);
    Click(110, 60);
    EXPECT_EQ((std::vector<std::string>{"region:event3"}), Take()) << "a press beside it only takes the focus";
    Click(210, 60);
    EXPECT_EQ((std::vector<std::string>{"region:event2", "region:event1", "action"}), Take());
    region.SetOriginY(0);
    EXPECT_EQ(0, region.GetOrigin().y);
    EXPECT_EQ((std::vector<std::string>{"OnClick=machine.Spin()"}), region.GetScriptlets());

    // Its hot key reaches it through the host.
    SendMessageA(window_.GetHandle(), WM_KEYDOWN, 'R', 1);
    EXPECT_EQ((std::vector<std::string>{"region:event1", "action"}), Take());
    EXPECT_EQ(LoadCursorA(nullptr, IDC_ARROW), region.GetCursor());
}

TEST_F(ItemRouting, SpriteItemsFireTheirEventsAndShowTheirButtonPictures) {
    SpriteItem item;
    ASSERT_TRUE(item.CreateDefaultSprite(AnimationAsset(), stage_));
    item.PlaceSprite(POINT{20, 20}, 0);
    item.SetBehaviour(new RectHitShape(RECT{20, 20, 60, 60}));
    item.SetEventSink(new EventProbe(&log_, "item"));
    ActionProbe action{&log_};
    item.SetAction(new ActionCallback<ActionProbe>(&action, &ActionProbe::Clicked));
    host_.AddElement(&item, false);

    Click(30, 30);
    EXPECT_EQ((std::vector<std::string>{"item:event2", "item:event1", "action"}), Take());
    EXPECT_EQ(1u, GetSpriteFrame(*item.GetSprite())) << "focused: frame 1";
    Click(250, 150);
    EXPECT_EQ((std::vector<std::string>{"item:event3"}), Take());
    EXPECT_EQ(0u, GetSpriteFrame(*item.GetSprite()));
    item.SetState(0);
    EXPECT_EQ(2u, GetSpriteFrame(*item.GetSprite())) << "disabled: frame 2";
    Click(30, 30);
    EXPECT_TRUE(Take().empty()) << "a disabled item is not hit";
    item.SetState(1);
    EXPECT_EQ(0u, GetSpriteFrame(*item.GetSprite()));
    // Its hot key runs its action, which disables it, and then gives it the focus: it is
    // not lit, it shows that it is off.
    action.disables = true;
    item.SetHotKey('S', 0);
    SendMessageA(window_.GetHandle(), WM_KEYDOWN, 'S', 1);
    EXPECT_EQ((std::vector<std::string>{"item:event1", "action", "item:event2"}), Take());
    EXPECT_EQ(2u, GetSpriteFrame(*item.GetSprite())) << "focused but disabled: frame 2";
    host_.ClearElements();
    item.SetEventSink(nullptr);
    EXPECT_EQ((std::vector<std::string>{"item:release"}), Take());
}

}  // namespace
