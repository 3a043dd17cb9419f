// One full scene of the game (splash, lobby, Front Desk, credits, a slot machine): a stage
// seen through a camera, shown in the engine TV of its view window, with the face elements
// the player acts on. A screen is a message target, so it can bind messages and commands of
// the window that shows it. Its host installs it and owns it from then on.
#pragma once
#include <windows.h>

#include <cstdint>
#include <string>

#include "MessageTarget.h"
#include "SpriteParent.h"

class FaceElement;
class ScreenHost;
class Window;

class Screen : public MessageTarget {
public:
    explicit Screen(int32_t number = 0) : number_(number) {}
    // Deletes the engine camera and stage (and with them the user backdrop and brush).
    ~Screen() override;

    // Makes and selects the stage's backdrop for the area; false stops the set-up. The
    // default is a black brush backdrop of the area's size.
    virtual bool CreateBackdrop(const RECT& area);
    // Makes the screen's sprites and elements; its result is the set-up's.
    virtual bool Build() = 0;
    // The menu resource put on the main window when the screen is entered.
    virtual int GetMenuId();
    // May the screen be left now.
    virtual bool CanEnd();
    // The screen is installed and shown.
    virtual bool OnEnter();
    virtual bool QueryArtHeight(int32_t* height);
    virtual bool QueryArtWidth(int32_t* width);
    virtual bool QueryTitle(std::string* text);
    // The view window was resized.
    virtual void OnResize();

    // Stage, camera and backdrop for the view, then Build. False when the engine or the
    // backdrop refused, otherwise Build's result.
    bool CreateStage(Window* view, const RECT& area);
    void AddElement(FaceElement* element, bool windowCoordinates);
    void RemoveElement(FaceElement* element, bool windowCoordinates);
    // Hands the element the host's key handling: it takes the keyboard focus there.
    void AddKeyElement(FaceElement* element);
    // Asks the host to end this screen for another one.
    void GoToScreen(int32_t number);
    static void SetFocus(Window* window);

    CameraParent& GetCamera() { return camera_; }
    StageParent& GetStage() { return stage_; }
    int32_t GetNumber() const { return number_; }
    void SetNumber(int32_t number) { number_ = number; }
    Window* GetView() const { return view_; }
    ScreenHost* GetHost() const { return host_; }
    void SetHost(ScreenHost* host) { host_ = host; }

protected:
    CameraParent camera_;
    StageParent stage_;
    int32_t number_;
    Window* view_ = nullptr;
    ScreenHost* host_ = nullptr;
};
