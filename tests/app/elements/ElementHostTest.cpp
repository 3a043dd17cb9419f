// An element host attached to a real window, fed synthetic mouse and key messages: which
// element is hit (list order, the kept hit, disabled elements), press and release with
// capture, hover and leave, the cursor, Tab and the arrows over empty and full lists, hot
// keys, keys for the focus, context menus, and removing elements.
#include <gtest/gtest.h>

#include <memory>

#include "ElementHost.h"
#include "ProbeElement.h"
#include "Window.h"

namespace {

using Log = EventLog;

class ElementHostTest : public ::testing::Test {
protected:
    void SetUp() override {
        SetModifiers(false, false, false);
        window_.SetStyle(WS_POPUP | WS_VISIBLE);
        window_.SetRect(RECT{20, 20, 420, 320});
        ASSERT_EQ(1, window_.Create(nullptr));
        window_.Attach(static_cast<MessageTarget*>(&host_));
        host_.SetOwnerWindow(&window_);
        camera_.x = 100;
        camera_.y = 50;
        host_.SetRootElement(&camera_);
    }
    void TearDown() override {
        SetModifiers(false, false, false);
        window_.Detach();
    }

    // A new element; `windowList` elements get window points, the others stage points
    // (window point + (100, 50)).
    ProbeElement* Add(const char* name, RECT rect, bool windowList) {
        elements_.push_back(std::make_unique<ProbeElement>(&log_, name, rect));
        host_.AddElement(elements_.back().get(), windowList);
        return elements_.back().get();
    }
    LRESULT Send(UINT message, WPARAM wParam = 0, LPARAM lParam = 0) {
        return SendMessageA(window_.GetHandle(), message, wParam, lParam);
    }
    void Down(int x, int y) { Send(WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(x, y)); }
    void Up(int x, int y) { Send(WM_LBUTTONUP, 0, MAKELPARAM(x, y)); }
    void Move(int x, int y) { Send(WM_MOUSEMOVE, 0, MAKELPARAM(x, y)); }
    void Key(WPARAM key) { Send(WM_KEYDOWN, key, 1); }
    static void SetModifiers(bool shift, bool control, bool alt) {
        BYTE keys[256];
        GetKeyboardState(keys);
        keys[VK_SHIFT] = shift ? 0x80 : 0;
        keys[VK_CONTROL] = control ? 0x80 : 0;
        keys[VK_MENU] = alt ? 0x80 : 0;
        SetKeyboardState(keys);
    }
    // The log since the last call.
    Log Take() {
        Log taken;
        taken.swap(log_);
        return taken;
    }
    HWND Handle() const { return window_.GetHandle(); }

    Window window_;
    ElementHost host_;
    CameraParent camera_;
    Log log_;
    std::vector<std::unique_ptr<ProbeElement>> elements_;
};

TEST_F(ElementHostTest, WindowListFirstThenStageListAndTheElementUnderTheMouseKeepsTheHit) {
    Add("front", RECT{0, 0, 100, 100}, true);
    Add("stage", RECT{150, 100, 250, 200}, false);  // window (50, 50)-(150, 150)

    // Where both cover the point the window list wins.
    Down(60, 60);
    Up(60, 60);
    EXPECT_EQ((Log{"front:down(60,60)", "front:focus+", "front:pressed+", "front:click(60,60)", "front:action",
                   "front:pressed-"}),
              Take());
    // Stage elements get the point plus the camera's position.
    Down(120, 120);
    Up(120, 120);
    EXPECT_EQ((Log{"stage:down(220,170)", "front:focus-", "stage:focus+", "stage:pressed+", "stage:click(220,170)",
                   "stage:action", "stage:pressed-"}),
              Take());
    // The focus keeps the hit where the earlier element overlaps it.
    Down(60, 60);
    Up(60, 60);
    EXPECT_EQ((Log{"stage:down(160,110)", "stage:pressed+", "stage:click(160,110)", "stage:action", "stage:pressed-"}),
              Take());
    // A press on no element takes the focus away.
    Down(300, 250);
    Up(300, 250);
    EXPECT_EQ((Log{"stage:focus-"}), Take());
    EXPECT_EQ(nullptr, host_.GetActiveElement());
}

TEST_F(ElementHostTest, DisabledElementsAreNeitherHitNorFocusedNorReachedByHotKeys) {
    ProbeElement* top = Add("top", RECT{0, 0, 100, 100}, true);
    ProbeElement* below = Add("below", RECT{0, 0, 100, 100}, true);
    top->SetHotKey('T', 0);
    top->SetState(0);
    Down(10, 10);
    Up(10, 10);
    EXPECT_EQ((Log{"below:down(10,10)", "below:focus+", "below:pressed+", "below:click(10,10)", "below:action",
                   "below:pressed-"}),
              Take());
    Key(VK_TAB);  // the stage list is empty; the focus's own list holds only it enabled
    Key(VK_LEFT);
    EXPECT_EQ(below, host_.GetActiveElement());
    Key('T');  // no enabled element has it: a key for the focus
    EXPECT_EQ((Log{"below:key T"}), Take());
    // Hovering passes over the disabled one too.
    Move(5, 5);
    EXPECT_EQ((Log{"below:hover+", "below:move(5,5)"}), Take());
}

TEST_F(ElementHostTest, ReleaseInsideClicksReleaseOutsideDoesNotAndTheMouseIsCapturedMeanwhile) {
    Add("button", RECT{10, 10, 60, 40}, true);
    Down(20, 20);
    EXPECT_EQ(Handle(), GetCapture());
    Move(25, 25);
    EXPECT_EQ((Log{"button:down(20,20)", "button:focus+", "button:pressed+", "button:move(25,25)", "button:hover+",
                   "button:pressed+"}),
              Take());
    Move(200, 200);
    EXPECT_EQ((Log{"button:move(200,200)", "button:hover-", "button:pressed-"}), Take());
    Up(200, 200);
    EXPECT_EQ(nullptr, GetCapture());
    EXPECT_TRUE(Take().empty()) << "no click outside";

    // Out and back in: pressed again, and the release inside clicks.
    Down(20, 20);
    Move(200, 200);
    Move(30, 30);
    Up(30, 30);
    EXPECT_EQ((Log{"button:down(20,20)", "button:pressed+", "button:move(200,200)", "button:hover-",
                   "button:pressed-", "button:move(30,30)", "button:hover+", "button:pressed+", "button:click(30,30)",
                   "button:action", "button:pressed-"}),
              Take());
}

TEST_F(ElementHostTest, OnlyAReleaseThatEndsAPressOnTheElementClicks) {
    Add("button", RECT{10, 10, 60, 40}, true);
    Down(20, 20);
    Up(20, 20);
    Take();
    // A release without a press (a dialog that closed on the button going down) does not
    // click the focus element.
    Up(20, 20);
    EXPECT_TRUE(Take().empty());
    // Neither does one after a press on no element.
    Down(300, 200);
    Up(20, 20);
    EXPECT_EQ((Log{"button:focus-"}), Take());
    // Posted as the system posts them, with the leave that capture may bring in between:
    // the press still ends in a click.
    PostMessageA(Handle(), WM_MOUSEMOVE, 0, MAKELPARAM(20, 20));
    PostMessageA(Handle(), WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(20, 20));
    PostMessageA(Handle(), WM_MOUSELEAVE, 0, 0);
    PostMessageA(Handle(), WM_LBUTTONUP, 0, MAKELPARAM(20, 20));
    MSG msg;
    while (PeekMessageA(&msg, Handle(), 0, 0, PM_REMOVE)) DispatchMessageA(&msg);
    const Log posted = Take();
    EXPECT_NE(std::find(posted.begin(), posted.end(), "button:click(20,20)"), posted.end());
}

TEST_F(ElementHostTest, AQuickSecondClickComesAsADoubleClickAndClicksOnceMore) {
    Add("button", RECT{10, 10, 60, 40}, true);
    Down(20, 20);
    Up(20, 20);
    Take();
    // Within the double-click time Windows sends the second press as a double-click.
    Send(WM_LBUTTONDBLCLK, MK_LBUTTON, MAKELPARAM(20, 20));
    EXPECT_EQ(Handle(), GetCapture());
    Up(20, 20);
    EXPECT_EQ((Log{"button:down(20,20)", "button:pressed+", "button:click(20,20)", "button:action",
                   "button:pressed-"}),
              Take());
}

TEST_F(ElementHostTest, HoverEntersLeavesAndSetsTheCursor) {
    Add("a", RECT{0, 0, 50, 50}, true);
    ProbeElement* b = Add("b", RECT{150, 50, 250, 150}, false);  // window (50, 0)-(150, 100)
    b->cursor = LoadCursorA(nullptr, IDC_HAND);
    Move(10, 10);
    Move(20, 10);
    EXPECT_EQ((Log{"a:hover+", "a:move(10,10)", "a:move(20,10)"}), Take());
    // Hover notifications carry the window point, for stage elements too.
    Move(60, 10);
    EXPECT_EQ((Log{"a:hover-", "b:hover+", "b:move(60,10)"}), Take());
    Send(WM_SETCURSOR, WPARAM(Handle()), MAKELPARAM(HTCLIENT, WM_MOUSEMOVE));
    EXPECT_EQ(b->cursor, GetCursor());
    Send(WM_MOUSELEAVE);
    EXPECT_EQ((Log{"b:hover-"}), Take());
    Send(WM_SETCURSOR, WPARAM(Handle()), MAKELPARAM(HTCLIENT, WM_MOUSEMOVE));
    EXPECT_EQ(LoadCursorA(nullptr, IDC_ARROW), GetCursor());
    Move(300, 200);
    EXPECT_TRUE(Take().empty());
}

TEST_F(ElementHostTest, TabAndArrowsWithEmptyLists) {
    // Nothing to focus: nothing happens, and nothing breaks.
    for (WPARAM key : {WPARAM(VK_TAB), WPARAM(VK_RIGHT), WPARAM(VK_LEFT), WPARAM(VK_RETURN), WPARAM('X')}) Key(key);
    SetModifiers(true, false, false);
    Key(VK_TAB);
    EXPECT_EQ(nullptr, host_.GetActiveElement());
    // With no focus only the stage list is walked: window elements alone are not taken.
    Add("window", RECT{0, 0, 10, 10}, true);
    Key(VK_TAB);
    EXPECT_EQ(nullptr, host_.GetActiveElement());
    ProbeElement* off = Add("off", RECT{0, 0, 10, 10}, false);
    off->SetState(0);
    Key(VK_TAB);
    EXPECT_EQ(nullptr, host_.GetActiveElement());
    EXPECT_TRUE(Take().empty());
}

TEST_F(ElementHostTest, TabAndArrowsStepThroughTheFocusListSkippingDisabledAndWrapping) {
    ProbeElement* p = Add("p", RECT{0, 0, 10, 10}, false);
    ProbeElement* q = Add("q", RECT{0, 0, 10, 10}, false);
    ProbeElement* r = Add("r", RECT{0, 0, 10, 10}, false);
    q->SetState(0);
    Key(VK_TAB);
    EXPECT_EQ(p, host_.GetActiveElement());
    Key(VK_TAB);
    EXPECT_EQ(r, host_.GetActiveElement());
    Key(VK_DOWN);
    EXPECT_EQ(p, host_.GetActiveElement());
    Key(VK_UP);
    EXPECT_EQ(r, host_.GetActiveElement());
    Key(VK_RIGHT);
    EXPECT_EQ(p, host_.GetActiveElement());
    SetModifiers(true, false, false);
    Key(VK_TAB);
    EXPECT_EQ(r, host_.GetActiveElement());
    SetModifiers(false, false, false);
    EXPECT_EQ((Log{"p:focus+", "p:focus-", "r:focus+", "r:focus-", "p:focus+", "p:focus-", "r:focus+", "r:focus-",
                   "p:focus+", "p:focus-", "r:focus+"}),
              Take());
    // No other enabled element: the focus stays.
    p->SetState(0);
    Key(VK_TAB);
    Key(VK_LEFT);
    EXPECT_EQ(r, host_.GetActiveElement());
    // Return and Space act on the focus.
    Key(VK_RETURN);
    Key(VK_SPACE);
    EXPECT_EQ((Log{"r:action", "r:action"}), Take());
    // A focus that wants the arrows gets them; Tab still moves on. One that wants Tab too
    // gets both.
    p->SetState(1);
    r->keyWants = FaceElement::kWantsArrows;
    Key(VK_LEFT);
    Key(VK_TAB);
    EXPECT_EQ((Log{"r:key 37", "r:focus-", "p:focus+"}), Take());
    p->keyWants = FaceElement::kWantsTabArrows;
    Key(VK_TAB);
    Key(VK_DOWN);
    EXPECT_EQ((Log{"p:key 9", "p:key 40"}), Take());
}

TEST_F(ElementHostTest, HotKeysRunTheActionOnceAndTakeTheFocus) {
    ProbeElement* edit = Add("edit", RECT{0, 0, 10, 10}, false);
    ProbeElement* spin = Add("spin", RECT{0, 0, 10, 10}, false);
    ProbeElement* max = Add("max", RECT{0, 0, 10, 10}, true);
    spin->SetHotKey('S', 0);
    max->SetHotKey('S', FaceElement::kShift);
    host_.FocusElement(edit);
    Take();
    // The hot key runs the action and moves the focus; the key itself goes nowhere.
    Key('S');
    EXPECT_EQ((Log{"spin:action", "edit:focus-", "spin:focus+"}), Take());
    SetModifiers(true, false, false);
    Key('S');
    EXPECT_EQ((Log{"max:action", "spin:focus-", "max:focus+"}), Take());
    SetModifiers(false, false, false);
    // A letter that is nobody's hot key, and other keys, go to the focus.
    Key('Q');
    Key(VK_F2);
    Send(WM_KEYUP, 'Q', 1);
    Send(WM_CHAR, 'q', 1);
    EXPECT_EQ((Log{"max:key Q", "max:key 113", "max:keyup Q", "max:char q"}), Take());
    // A focus that takes letters and digits gets them, hot key or not.
    max->keyWants = FaceElement::kWantsCharacters;
    Key('S');
    EXPECT_EQ((Log{"max:key S"}), Take());
    max->keyWants = 0;
    // With Control held every key is the focus's.
    SetModifiers(false, true, false);
    Key('S');
    Key(VK_TAB);
    EXPECT_EQ((Log{"max:key S", "max:key 9"}), Take());
    SetModifiers(false, false, false);
    // Alt+letter is left to the menus; F10 alone is a key.
    LRESULT result = 0;
    const LPARAM altHeld = LPARAM(1) << 29 | 1;
    EXPECT_EQ(kHandledWithDefault, host_.DispatchMessage(WM_SYSKEYDOWN, 'S', altHeld, &result));
    EXPECT_EQ(kHandledWithDefault, host_.DispatchMessage(WM_SYSKEYUP, 'S', altHeld, &result));
    Send(WM_SYSKEYDOWN, 'S', altHeld);
    Send(WM_SYSKEYUP, 'S', altHeld);
    EXPECT_TRUE(Take().empty());
    Send(WM_SYSKEYDOWN, VK_F10, 1);
    Send(WM_SYSKEYUP, VK_F10, 1);
    EXPECT_EQ((Log{"max:key 121", "max:keyup 121"}), Take());
    // A disabled element's hot key does nothing.
    spin->SetState(0);
    Key('S');
    EXPECT_EQ((Log{"max:key S"}), Take());
}

TEST_F(ElementHostTest, ContextMenusFocusTheElementThatShowsOne) {
    Add("a", RECT{0, 0, 50, 50}, false);  // window (-100, -50)-(-50, 0): never hit
    ProbeElement* b = Add("b", RECT{100, 50, 200, 150}, false);
    POINT screen = {10, 20};
    ClientToScreen(Handle(), &screen);
    EXPECT_EQ(0, Send(WM_CONTEXTMENU, WPARAM(Handle()), MAKELPARAM(screen.x, screen.y)));
    EXPECT_EQ((Log{"b:menu(110,70)"}), Take()) << "not handled: the element stays unfocused";
    LRESULT result = 0;
    EXPECT_EQ(kNotHandled, host_.DispatchMessage(WM_CONTEXTMENU, WPARAM(Handle()), MAKELPARAM(screen.x, screen.y),
                                                 &result));
    Take();
    EXPECT_EQ(nullptr, host_.GetActiveElement());
    b->showsMenu = true;
    EXPECT_EQ(0, Send(WM_CONTEXTMENU, WPARAM(Handle()), MAKELPARAM(screen.x, screen.y)));
    EXPECT_EQ((Log{"b:menu(110,70)", "b:focus+"}), Take());
    EXPECT_EQ(b, host_.GetActiveElement());
}

TEST_F(ElementHostTest, ElementsAskTheHostForTheFocusAndRemovedElementsAreForgotten) {
    ProbeElement* a = Add("a", RECT{0, 0, 50, 50}, true);
    ProbeElement* b = Add("b", RECT{0, 0, 50, 50}, false);
    EXPECT_EQ(static_cast<FaceElement*>(&host_), a->GetHost());
    a->FocusElement(b);
    EXPECT_EQ(b, host_.GetActiveElement());
    EXPECT_TRUE(b->IsHighlighted());
    ProbeElement stranger(&log_, "stranger", RECT{0, 0, 1, 1});
    a->FocusElement(&stranger);
    EXPECT_EQ(nullptr, host_.GetActiveElement());
    EXPECT_EQ((Log{"b:focus+", "b:focus-"}), Take());

    // The hovered and focused element goes: both references are dropped, silently.
    Move(10, 10);
    host_.FocusElement(a);
    Take();
    host_.RemoveElement(a, true);
    EXPECT_EQ(nullptr, host_.GetActiveElement());
    Move(20, 20);  // b, in stage coordinates, is not under (20, 20) + (100, 50)
    Send(WM_MOUSELEAVE);
    Key(VK_TAB);
    EXPECT_EQ((Log{"b:focus+"}), Take());
    // Removing from the other list changes nothing.
    host_.RemoveElement(b, true);
    EXPECT_EQ(b, host_.GetActiveElement());
    host_.ClearElements();
    EXPECT_EQ(nullptr, host_.GetActiveElement());
    Down(10, 10);
    Up(10, 10);
    EXPECT_TRUE(Take().empty());
}

}  // namespace
