// Camera exports.
#include "Camera.h"
#include "CameraList.h"
#include "ExportShape.h"
#include "Quor2_5.h"
#include "StageTable.h"

namespace {
Camera& FindCamera(uint32_t handle) { return *CameraList::Find(handle); }
}  // namespace

QUOR_STDCALL uint32_t CreateCamera(int32_t stage, int32_t x, int32_t y, const RECT* cache) {
    return RunExport<uint32_t>(Lock::Painting, [&] {
        Stage* s = Context()->stages->Find(stage);
        Camera* c = new (std::nothrow) Camera(s, x, y, cache);
        if (!c) Errors().Raise(ErrOutOfMemory);
        return uint32_t(uintptr_t(c));
    });
}

QUOR_STDCALL void DeleteCamera(uint32_t camera) {
    RunExportVoid(Lock::Painting, [&] { delete &FindCamera(camera); });
}

QUOR_STDCALL int MoveCamera(uint32_t camera, int32_t dx, int32_t dy) {
    return RunExport<int>(Lock::Painting, [&] {
        FindCamera(camera).Move(dx, dy);
        return 1;
    });
}

QUOR_STDCALL int MoveCameraEx(uint32_t camera, POINT* delta) {
    return RunExport<int>(Lock::Painting, [&] {
        Camera& c = FindCamera(camera);
        if (!delta) Errors().Raise(ErrNullArgument);
        c.Move(delta->x, delta->y);
        delta->x = c.X();
        delta->y = c.Y();
        return 1;
    });
}

QUOR_STDCALL int PlaceCamera(uint32_t camera, const POINT* at) {
    return RunExport<int>(Lock::Painting, [&] {
        Camera& c = FindCamera(camera);
        if (!at) Errors().Raise(ErrNullArgument);
        c.Place(at->x, at->y);
        return 1;
    });
}

QUOR_STDCALL int GetCameraPosition(uint32_t camera, POINT* at) {
    return RunExport<int>(Lock::Painting, [&] {
        Camera& c = FindCamera(camera);
        if (!at) Errors().Raise(ErrNullArgument);
        at->x = c.X();
        at->y = c.Y();
        return 1;
    });
}

QUOR_STDCALL int ChangeCameraCacheRect(uint32_t camera, const RECT* rect) {
    return RunExport<int>(Lock::Painting, [&] {
        Camera& c = FindCamera(camera);
        RECT empty = {0, 0, 0, 0};
        c.ChangeCacheRect(rect ? *rect : empty);
        return 1;
    });
}

QUOR_STDCALL int SampleAndHoldCamera(uint32_t camera, int32_t hold) {
    return RunExport<int>(Lock::Painting, [&] {
        FindCamera(camera).SampleAndHold(hold != 0);
        return 1;
    });
}

QUOR_STDCALL int FadeCamera(uint32_t camera, int32_t level) {
    return RunExport<int>(Lock::Painting, [&] {
        FindCamera(camera).SetFade(level);
        return 1;
    });
}

QUOR_STDCALL int Set3DFieldOfViewCamera(uint32_t camera, double degrees) {
    return RunExport<int>(Lock::Painting, [&] {
        FindCamera(camera).SetFieldOfView(degrees);
        return 1;
    });
}

QUOR_STDCALL int Set3DHorizonFromCenterCamera(uint32_t camera, const double* offsets) {
    return RunExport<int>(Lock::Painting, [&] {
        Camera& c = FindCamera(camera);
        if (!offsets) Errors().Raise(ErrNullArgument);
        c.SetHorizon(offsets[0], offsets[1]);
        return 1;
    });
}
