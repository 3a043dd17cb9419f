#include "StageSetup.h"

#include "Quor2_5.h"

bool SetUpStage(StageParent& stage, CameraParent& camera, HWND view, const RECT& area,
                const BackdropMaker& makeBackdrop) {
    stage.DropBackdrop();
    DeleteStageAndCamera(stage, camera);
    stage.stage = CreateStage(1);
    if (!stage.stage) return false;
    camera.x = camera.y = 0;
    camera.camera = CreateCamera(stage.stage, 0, 0, nullptr);
    if (!camera.camera) return false;
    if (!makeBackdrop(area)) return false;
    PlugCameraIntoTv(view, 1, camera.camera);
    POINT origin = {0, 0};
    if (PlaceCamera(camera.camera, &origin)) {
        camera.x = origin.x;
        camera.y = origin.y;
    }
    return true;
}

bool SelectBrushBackdrop(StageParent& stage, HBRUSH brush, bool ownsBrush, const RECT& area) {
    const uint32_t backdrop = CreateBrushBackdrop(brush, area.right - area.left, area.bottom - area.top);
    if (!backdrop) {
        if (ownsBrush) DeleteObject(brush);
        return false;
    }
    stage.userBackdrop = backdrop;
    stage.brush = ownsBrush ? brush : nullptr;
    return SelectBackdrop(stage.stage, backdrop) != 0;
}

bool SelectBlackBackdrop(StageParent& stage, const RECT& area) {
    return SelectBrushBackdrop(stage, static_cast<HBRUSH>(GetStockObject(BLACK_BRUSH)), false, area);
}

void DeleteStageAndCamera(StageParent& stage, CameraParent& camera) {
    if (camera.camera) DeleteCamera(camera.camera);
    if (stage.stage) DeleteStage(stage.stage);
    camera.camera = 0;
    stage.stage = 0;
}

bool PlugCameraIntoTv(HWND tv, int channel, uint32_t camera) {
    return PlugInTVSource(tv, uint32_t(channel == -1 ? 1 : channel), reinterpret_cast<void*>(uintptr_t(camera))) != 0;
}
