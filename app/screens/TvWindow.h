// A TV window that shows a stage with face elements but no screen (the machine editor's
// picture pages use it): a child of the engine's TV class with its own stage, camera and
// element host.
#pragma once
#include <windows.h>

#include <memory>

#include "ElementHost.h"
#include "SpriteParent.h"
#include "Window.h"

class TvWindow : public Window {
public:
    static constexpr int kControlId = 12345;

    // The area is the client rectangle wanted in the parent.
    TvWindow(Window* parent, const RECT& area, DWORD style);
    ~TvWindow() override;

    // Makes the TV child window; 0 on failure.
    int Create() override;
    int CanClose() override { return 1; }
    // The stage is ready; its answer is BuildStage's.
    virtual bool OnStageCreated();
    // The black brush backdrop unless a derived window makes its own.
    virtual bool CreateBackdrop(const RECT& area);

    // Makes the stage anew (under the engine's thread-sync token) and roots the element
    // host on the camera. False without a stage part or when the set-up fails.
    bool BuildStage();
    void AddElement(FaceElement* element, bool windowCoordinates);
    FaceElement* GetActiveElement() const { return elements_.GetActiveElement(); }
    StageParent* GetStage() { return stage_.get(); }
    CameraParent& GetCamera() { return camera_; }
    ElementHost& GetElementHost() { return elements_; }

    LRESULT ShowArrowCursor(WPARAM, LPARAM);
    LRESULT OnActivate(WPARAM, LPARAM window);

private:
    std::unique_ptr<StageParent> stage_;
    CameraParent camera_;
    RECT area_;
    ElementHost elements_;
    Window* parent_;
};
