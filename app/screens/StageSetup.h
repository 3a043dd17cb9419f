// The one stage set-up shared by screens, TV windows and stage windows: a fresh engine stage
// with a camera at (0, 0), the owner's backdrop for the area, the camera plugged into the
// view's TV and placed at the origin.
#pragma once
#include <windows.h>

#include <functional>

#include "SpriteParent.h"

using BackdropMaker = std::function<bool(const RECT& area)>;

// False when the engine made no stage or camera, or the backdrop maker refused. A stage and
// camera made before are deleted first, as are the user backdrop and brush.
bool SetUpStage(StageParent& stage, CameraParent& camera, HWND view, const RECT& area,
                const BackdropMaker& makeBackdrop);

// A brush backdrop of the area's size selected on the stage and kept as its user backdrop;
// the stage part owns the brush when `ownsBrush` is set.
bool SelectBrushBackdrop(StageParent& stage, HBRUSH brush, bool ownsBrush, const RECT& area);

// The black backdrop screens and TV windows have unless they make their own.
bool SelectBlackBackdrop(StageParent& stage, const RECT& area);

// Deletes the camera and the stage (its sprites go with it); both handles become 0.
void DeleteStageAndCamera(StageParent& stage, CameraParent& camera);

// Shows the camera in the TV window; a channel of -1 means 1.
bool PlugCameraIntoTv(HWND tv, int channel, uint32_t camera);
