// Exports of stages, backdrops and user backdrops.
#include "AssetBackdrops.h"
#include "Camera.h"
#include "ExportShape.h"
#include "Quor2_5.h"
#include "StageTable.h"
#include "UserBackdrops.h"

namespace {
StageTable& Stages() { return *Context()->stages; }
}  // namespace

QUOR_STDCALL int32_t CreateStage(int32_t creationWord) {
    return RunExport<int32_t>(Lock::Painting, [&] {
        try {
            return Stages().Create(creationWord);
        } catch (const std::bad_alloc&) {
            Errors().Raise(ErrOutOfMemory);
        }
    });
}

QUOR_STDCALL void DeleteStage(int32_t stage) {
    RunExportVoid(Lock::Painting, [&] { Stages().Delete(stage); });
}

QUOR_STDCALL int ClearStage(int32_t stage) {
    return RunExport<int>(Lock::Painting, [&] {
        Stages().Find(stage)->Clear();
        return 1;
    });
}

QUOR_STDCALL int FadeStage(int32_t stage, int32_t level) {
    return RunExport<int>(Lock::Painting, [&] {
        Stages().Find(stage)->SetStageFade(level);
        return 1;
    });
}

QUOR_STDCALL int FadeStagesBackdrop(int32_t stage, int32_t level) {
    return RunExport<int>(Lock::Painting, [&] {
        Stages().Find(stage)->SetBackdropFade(level);
        return 1;
    });
}

QUOR_STDCALL int SelectBackdrop(int32_t stage, uint32_t source) {
    return RunExport<int>(Lock::Painting, [&] {
        Stages().Find(stage)->SelectBackdrop(source);
        return 1;
    });
}

QUOR_STDCALL uint32_t CreateBrushBackdrop(HBRUSH brush, int32_t width, int32_t height) {
    return RunExport<uint32_t>(Lock::Painting, [&] { return UserBackdrops::CreateBrush(brush, width, height); });
}

QUOR_STDCALL uint32_t CreateOwnerDrawBackdrop(QuorOwnerDrawRoutine routine, int32_t width, int32_t height,
                                              uintptr_t userData) {
    static_assert(sizeof(QuorBackdropDrawRequest) == sizeof(BackdropDrawRequest), "draw request layout");
    return RunExport<uint32_t>(Lock::Painting, [&] {
        if (!routine) Errors().Raise(ErrNullArgument);
        return UserBackdrops::CreateOwnerDraw(reinterpret_cast<OwnerDrawRoutine>(routine), width, height, userData);
    });
}

QUOR_STDCALL int InvalidateOwnerDrawBackdropRect(uint32_t handle, const RECT*) {
    return RunExport<int>(Lock::Painting, [&] {
        UserBackdrops::CheckHandle(handle);
        Stages().ForEach([&](Stage& s) {
            if (s.GetBackdrop().SourceHandle() == handle) s.InvalidateCameras();
            return true;
        });
        return 1;
    });
}

QUOR_STDCALL int DeleteUserBackdrop(uint32_t handle) {
    return RunExport<int>(Lock::Painting, [&] {
        UserBackdrops::Free(handle);
        Stages().DropUserBackdrop(handle);
        return 1;
    });
}

QUOR_CDECL int PlayBackdropMovie(int32_t stage, QuorMovieRoutine routine) {
    return RunExport<int>(Lock::Painting, [&] { return PlayMovie(&Stages().Find(stage)->GetBackdrop(), routine); });
}

QUOR_STDCALL int PauseBackdropMovie(int32_t stage) {
    return RunExport<int>(Lock::Painting, [&] { return PauseMovie(&Stages().Find(stage)->GetBackdrop()); });
}

QUOR_STDCALL int ResumeBackdropMovie(int32_t stage) {
    return RunExport<int>(Lock::Painting, [&] { return ResumeMovie(&Stages().Find(stage)->GetBackdrop()); });
}

QUOR_STDCALL int StopBackdropMovie(int32_t stage) {
    return RunExport<int>(Lock::Painting, [&] { return StopMovie(&Stages().Find(stage)->GetBackdrop()); });
}
