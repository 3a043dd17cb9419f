// A dialog's engine TV control taken over as a framework window that shows a stage with a
// solid-colour backdrop through a camera.
#pragma once
#include <windows.h>

#include <cstdint>

#include "Window.h"

class StageWindow : public Window {
public:
    // Takes over the parent's control `controlId` (a window of the TV class).
    StageWindow(Window* parent, int controlId, COLORREF colour);
    ~StageWindow() override;

    // Makes the stage, its camera and its backdrop for the client area and shows the camera
    // in the TV; false when there is no window or the backdrop could not be made.
    bool Layout();
    // Selects a backdrop of the colour, of the area's size, on the stage.
    virtual bool CreateBackdrop(const RECT& area);

    int32_t GetStage() const { return stage_; }
    uint32_t GetCamera() const { return camera_; }
    const RECT& GetArea() const { return area_; }

private:
    void ReleaseScene();

    int32_t stage_ = 0;
    HBRUSH brush_ = nullptr;
    uint32_t backdrop_ = 0;
    uint32_t camera_ = 0;
    POINT cameraAt_ = {0, 0};
    RECT area_ = {0, 0, 0, 0};
    Window* parent_;
    COLORREF colour_;
};
