// A dialog control of the engine's TV class taken over to show a stage on a solid colour
// (the progress dialog's picture): mouse buttons, moves and the mouse leaving go to
// listeners.
#pragma once
#include <windows.h>

#include "SpriteParent.h"
#include "Window.h"

// Hears of one kind of mouse message with the point and the key flags.
class StageMouseListener {
public:
    virtual void OnMouse(int x, int y, WPARAM keys) = 0;

protected:
    ~StageMouseListener() = default;
};

class StageWindow : public Window {
public:
    StageWindow(Window* parent, int controlId, COLORREF colour);
    ~StageWindow() override;

    // A solid brush of the colour as a backdrop of the area's size.
    virtual bool CreateBackdrop(const RECT& area);
    // Takes the client rectangle as the area and sets the stage up in it.
    bool Layout();

    void SetLeftDownListener(StageMouseListener* listener) { leftDown_ = listener; }
    void SetRightDownListener(StageMouseListener* listener) { rightDown_ = listener; }
    void SetMoveListener(StageMouseListener* listener) { move_ = listener; }
    void SetLeaveListener(StageMouseListener* listener) { leave_ = listener; }
    StageParent& GetStage() { return stage_; }
    CameraParent& GetCamera() { return camera_; }

    LRESULT OnLButtonDown(WPARAM keys, LPARAM point);
    LRESULT OnRButtonDown(WPARAM keys, LPARAM point);
    LRESULT OnMouseMove(WPARAM keys, LPARAM point);
    LRESULT OnMouseLeave(WPARAM keys, LPARAM point);

private:
    static void Tell(StageMouseListener* listener, WPARAM keys, LPARAM point);

    StageParent stage_;
    CameraParent camera_;
    RECT area_ = {0, 0, 0, 0};
    Window* parent_;
    StageMouseListener* leftDown_ = nullptr;
    StageMouseListener* rightDown_ = nullptr;
    StageMouseListener* move_ = nullptr;
    StageMouseListener* leave_ = nullptr;
    COLORREF colour_;
};
