// The engine library's interface for its host: stages, cameras, sprites, TV windows,
// video mixers and asset files behind handles, and a frame thread that animates them.
// Every export reports failure through its result (0, a null handle or -1) and the
// last-error code that GetLastQuorError returns.
#pragma once
#include <windows.h>
#include <cstdint>

#include "QuorErrors.h"

#ifdef QUOR_BUILDING_ENGINE
#define QUORAPI extern "C"
#else
#define QUORAPI extern "C" __declspec(dllimport)
#endif

typedef void(__stdcall* QuorFrameCallback)(int32_t elapsedFrames);
typedef void(__stdcall* QuorSoundCallback)(int32_t code, void* data, int32_t reserved);

// A file handle is its slot shifted left by 24; this one stands for every open file.
const uint32_t QUOR_ALL_FILES = 0xFFFF0001u;

struct QuorAssetInfo {
    uint32_t state;  // 0 not loaded, 1 load queued, 3 loaded
    uint32_t info;
    uint32_t type;
    uint16_t loadCount;
    uint16_t lockCount;
    uint32_t dataSize;
    uint32_t reserved[4];
};

// Engine
QUORAPI int __stdcall SetFrameRate(int32_t rate);
QUORAPI int __stdcall SetFrameCallback(QuorFrameCallback routine);
QUORAPI int __stdcall RegisterSoundCallback(QuorSoundCallback routine);
QUORAPI int32_t __stdcall GetLastQuorError(int32_t* detail);
QUORAPI DWORD __stdcall GetThreadSyncToken(int32_t token);
QUORAPI BOOL __stdcall ReleaseThreadSyncToken(int32_t token);
QUORAPI int32_t __cdecl reportFrameRate();
QUORAPI int __stdcall RegisterDecoder(uint32_t kind, uint32_t slot, const char* library);
QUORAPI void __cdecl DirectActor(uint32_t, void*, int32_t);
QUORAPI void __stdcall ClearScriptQueue(uint32_t, uint32_t);
QUORAPI int __cdecl CameraFollowsActor(uint32_t, uint32_t, RECT*);

// Asset files
QUORAPI int32_t __stdcall OpenAssetFile(const char* path);
QUORAPI void __stdcall CloseAssetFile(uint32_t fileHandle);
QUORAPI uint32_t __stdcall GetNumberOfAssets(uint32_t fileHandle);
QUORAPI int __stdcall GetAssetFileUserInfo(uint32_t fileHandle, void* buffer, uint32_t* size);
QUORAPI int __stdcall LoadAsset(uint32_t asset, uint32_t background);
QUORAPI int __stdcall UnloadAsset(uint32_t asset);
QUORAPI void* __stdcall DereferenceAndLockAsset(uint32_t asset);
QUORAPI int __stdcall ReleaseAsset(uint32_t asset);
QUORAPI int __stdcall GetAssetInfo(uint32_t asset, QuorAssetInfo* record);
QUORAPI uint32_t __stdcall GetAssetMemoryUsage(uint32_t fileHandle);
QUORAPI int __stdcall FlushUnlockedAssets(uint32_t fileHandle);
QUORAPI int __stdcall OpenAutostreamAsset(uint32_t asset, uint32_t);
QUORAPI int __stdcall AdvanceAutostreamTail(uint32_t asset, uint32_t);
QUORAPI int __stdcall ForceLoadAutostream(uint32_t asset, uint32_t);
QUORAPI int __stdcall CloseAutostreamAsset(uint32_t asset);
