#include "StageWindow.h"

#include "Quor2_5.h"

StageWindow::StageWindow(Window* parent, int controlId, COLORREF colour) : parent_(parent), colour_(colour) {
    AttachItem(parent, controlId);
}

StageWindow::~StageWindow() {
    // The TV goes before the camera it shows.
    if (HWND window = handle_) {
        Unsubclass();
        DestroyWindow(window);
    }
    ReleaseScene();
}

void StageWindow::ReleaseScene() {
    if (camera_) DeleteCamera(camera_);
    if (stage_) DeleteStage(stage_);
    if (backdrop_) DeleteUserBackdrop(backdrop_);
    if (brush_) DeleteObject(brush_);
    camera_ = 0;
    stage_ = 0;
    backdrop_ = 0;
    brush_ = nullptr;
}

bool StageWindow::Layout() {
    if (!handle_) return false;
    GetClientRect(handle_, &area_);
    ReleaseScene();
    stage_ = CreateStage(1);
    cameraAt_ = POINT{0, 0};
    camera_ = CreateCamera(stage_, 0, 0, nullptr);
    if (!CreateBackdrop(area_)) return false;
    PlugInTVSource(handle_, 1, reinterpret_cast<void*>(uintptr_t(camera_)));
    POINT at = {0, 0};
    if (PlaceCamera(camera_, &at)) cameraAt_ = at;
    return true;
}

bool StageWindow::CreateBackdrop(const RECT& area) {
    brush_ = CreateSolidBrush(colour_);
    backdrop_ = CreateBrushBackdrop(brush_, area.right - area.left, area.bottom - area.top);
    SelectBackdrop(stage_, backdrop_);
    return true;
}
