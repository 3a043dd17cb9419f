// Engine-level exports: frame rate and callbacks, the last error, the thread-sync tokens,
// decoder registration and the functions that are not available.
#include "AssetManager.h"
#include "BitmapDecoders.h"
#include "ExportShape.h"
#include "Quor2_5.h"
#include "FourCC.h"

QUOR_STDCALL int SetFrameRate(int32_t rate) {
    return RunExport<int>(Lock::Painting, [&] { return Context()->timer.RequestRate(rate) ? 1 : 0; });
}

QUOR_STDCALL int SetFrameCallback(FrameCallback routine) {
    return RunExport<int>(Lock::Painting, [&] {
        if (routine && IsBadCodePtr(reinterpret_cast<FARPROC>(routine)))
            Errors().Raise(ErrBadCallbackPointer);
        Context()->frameCallback = routine;
        return 1;
    });
}

QUOR_STDCALL int RegisterSoundCallback(SoundCallback routine) {
    return RunExport<int>(Lock::Painting, [&] {
        Context()->soundCallback = routine;
        return 1;
    });
}

QUOR_STDCALL int32_t GetLastQuorError(int32_t* detail) {
    ErrorState& errors = Errors();
    if (detail) *detail = errors.Detail();
    return errors.Code();
}

// The result is the wait's: 0 when the token was obtained, so a bad token must not
// come back as 0.
QUOR_STDCALL DWORD GetThreadSyncToken(int32_t token) {
    Errors().Clear();
    if (!Mutexes().Valid(token)) {
        Errors().Set(ErrBadHandle, token);
        return WAIT_FAILED;
    }
    return Mutexes().Acquire(token);
}

QUOR_STDCALL BOOL ReleaseThreadSyncToken(int32_t token) {
    Errors().Clear();
    if (!Mutexes().Valid(token)) {
        Errors().Set(ErrBadHandle, token);
        return FALSE;
    }
    return Mutexes().Release(token);
}

QUOR_CDECL int32_t reportFrameRate() {
    return RunExport<int32_t>(Lock::Painting, [&] { return Context()->timer.FramesPerSecond(); });
}

QUOR_STDCALL int RegisterDecoder(uint32_t kind, uint32_t slot, const char* library) {
    return RunExport<int>(Lock::Painting, [&] {
        if (kind == FourCC("DISK")) return Context()->assets->RegisterDiskDecoder(slot, library);
        if (kind == FourCC("BMAP")) return RegisterBitmapDecoder(slot, library);
        Errors().Raise(ErrBadType, int32_t(kind));
    });
}

// Actors and scripts are not available in this engine: these only record the fact.
QUOR_CDECL void DirectActor(uint32_t, void*, int32_t) { Errors().Set(ErrNotAvailable); }
QUOR_STDCALL void ClearScriptQueue(uint32_t, uint32_t) { Errors().Set(ErrNotAvailable); }
QUOR_CDECL int CameraFollowsActor(uint32_t, uint32_t, RECT*) {
    Errors().Set(ErrNotAvailable);
    return 0;
}
