// Camera exports.
#include "Camera.h"
#include "CameraList.h"
#include "ExportShape.h"
#include "Quor2_5.h"
#include "StageTable.h"

namespace {
Camera& FindCamera(uintptr_t handle) { return *CameraList::Find(handle); }
}  // namespace

QUOR_STDCALL uintptr_t CreateCamera(int32_t stage, int32_t x, int32_t y, const RECT* cache) {
    return RunExport<uintptr_t>(Lock::Painting, [&] {
        Stage* s = Context()->stages->Find(stage);
        Camera* c = new (std::nothrow) Camera(s, x, y, cache);
        if (!c) Errors().Raise(ErrOutOfMemory);
        return uintptr_t(c);
    });
}

QUOR_STDCALL void DeleteCamera(uintptr_t camera) {
    RunExportVoid(Lock::Painting, [&] { delete &FindCamera(camera); });
}

QUOR_STDCALL int MoveCamera(uintptr_t camera, int32_t dx, int32_t dy) {
    return RunExport<int>(Lock::Painting, [&] {
        FindCamera(camera).Move(dx, dy);
        return 1;
    });
}

QUOR_STDCALL int MoveCameraEx(uintptr_t camera, POINT* delta) {
    return RunExport<int>(Lock::Painting, [&] {
        Camera& c = FindCamera(camera);
        if (!delta) Errors().Raise(ErrNullArgument);
        c.Move(delta->x, delta->y);
        delta->x = c.X();
        delta->y = c.Y();
        return 1;
    });
}

QUOR_STDCALL int PlaceCamera(uintptr_t camera, const POINT* at) {
    return RunExport<int>(Lock::Painting, [&] {
        Camera& c = FindCamera(camera);
        if (!at) Errors().Raise(ErrNullArgument);
        c.Place(at->x, at->y);
        return 1;
    });
}

QUOR_STDCALL int GetCameraPosition(uintptr_t camera, POINT* at) {
    return RunExport<int>(Lock::Painting, [&] {
        Camera& c = FindCamera(camera);
        if (!at) Errors().Raise(ErrNullArgument);
        at->x = c.X();
        at->y = c.Y();
        return 1;
    });
}

QUOR_STDCALL int ChangeCameraCacheRect(uintptr_t camera, const RECT* rect) {
    return RunExport<int>(Lock::Painting, [&] {
        Camera& c = FindCamera(camera);
        RECT empty = {0, 0, 0, 0};
        c.ChangeCacheRect(rect ? *rect : empty);
        return 1;
    });
}

QUOR_STDCALL int SampleAndHoldCamera(uintptr_t camera, int32_t hold) {
    return RunExport<int>(Lock::Painting, [&] {
        FindCamera(camera).SampleAndHold(hold != 0);
        return 1;
    });
}

QUOR_STDCALL int FadeCamera(uintptr_t camera, int32_t level) {
    return RunExport<int>(Lock::Painting, [&] {
        FindCamera(camera).SetFade(level);
        return 1;
    });
}

QUOR_STDCALL int Set3DFieldOfViewCamera(uintptr_t camera, double degrees) {
    return RunExport<int>(Lock::Painting, [&] {
        FindCamera(camera).SetFieldOfView(degrees);
        return 1;
    });
}

QUOR_STDCALL int Set3DHorizonFromCenterCamera(uintptr_t camera, const double* offsets) {
    return RunExport<int>(Lock::Painting, [&] {
        Camera& c = FindCamera(camera);
        if (!offsets) Errors().Raise(ErrNullArgument);
        c.SetHorizon(offsets[0], offsets[1]);
        return 1;
    });
}
