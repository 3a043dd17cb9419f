// Shows one screen at a time in a view window (a TV pane) and switches to the next one on
// request: the current screen agrees, message 2383 is posted to the view, and its handler
// builds the new screen before the old one goes. The host owns its current screen and
// keeps the face elements of the screen in its element host.
#pragma once
#include <windows.h>

#include <cstdint>
#include <utility>
#include <vector>

#include "ElementHost.h"
#include "MessageTarget.h"

class FaceElement;
class Screen;
class Window;

class ScreenHost : public MessageTarget {
public:
    ScreenHost();
    ~ScreenHost() override;

    // Installs the screen in the view (under the engine's thread-sync token) and chains the
    // view's messages through the host and its element host to the screen. Throws the
    // integer 86 when the screen's set-up fails; the screen shown before then stays.
    void SetScreen(Window* view, const RECT& area, Screen* screen);
    // The screen of the number, when there is one, installed with SetScreen.
    void ShowScreenNumber(Window* view, const RECT& area, int32_t number);
    // When the current screen agrees to end, posts the switch to the number to the view.
    void EndScreen(int32_t number);
    // The handler of message 2383 (wParam the number); always 0. A number without a screen
    // or a failed set-up leaves the current screen as it was; an exception of the set-up
    // is reported in the screen error box.
    LRESULT SwitchToScreen(WPARAM number, LPARAM);
    void OnResize();
    bool CanEndScreen();
    void AddElement(FaceElement* element, bool windowCoordinates);
    void RemoveElement(FaceElement* element, bool windowCoordinates);
    void FocusElement(FaceElement* element);

    Screen* GetScreen() const { return screen_; }
    ElementHost& GetElementHost() { return elements_; }
    Window* GetView() const { return view_; }
    const RECT& GetArea() const { return area_; }

private:
    using ElementEntry = std::pair<FaceElement*, bool>;

    // Builds the incoming screen with the element host emptied for it. When that fails or
    // throws, the incoming screen is deleted and the current one gets its elements back.
    bool BuildIncoming(Screen* incoming, bool underToken);
    void DropIncoming(Screen* incoming, std::vector<ElementEntry> previous);
    // Makes the built screen current (deleting the old one) and roots the element host.
    void Install(Screen* screen);
    void PutMenuOnMainWindow(int menuId);

    ElementHost elements_;
    Window* view_ = nullptr;
    bool ownsScreen_ = false;
    Screen* screen_ = nullptr;
    RECT area_ = {0, 0, 0, 0};
    // What the current screen added to the element host, in order.
    std::vector<ElementEntry> screenElements_;
};
