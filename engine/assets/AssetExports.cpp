// Asset-file exports. None takes the painting mutex but the close, which must detach the
// sprites and backdrops drawn from a file before its blocks go.
#include "AssetManager.h"
#include "ExportShape.h"
#include "Quor2_5.h"
#include "SpriteTable.h"
#include "StageTable.h"

namespace {
AssetManager& Assets() { return *Context()->assets; }
}  // namespace

QUOR_STDCALL int32_t OpenAssetFile(const char* path) {
    ErrorState& errors = Errors();
    errors.Clear();
    try {
        if (!Context()) errors.Raise(ErrInvalidState);
        return Assets().OpenFile(path);
    } catch (QUORERRS) {
    } catch (...) {
        errors.Set(ErrUnexpectedException);
    }
    return -1;
}

QUOR_STDCALL void CloseAssetFile(uint32_t fileHandle) {
    RunExportVoid(Lock::Painting, [&] {
        LibraryContext& ctx = *Context();
        auto detachAndClose = [&](int slot) {
            ctx.sprites->DestroySpritesOfFile(slot);
            ctx.stages->DropBackdropsOfFile(slot);
            ctx.assets->CloseFile(slot);
        };
        if (fileHandle == kAllAssetFiles) {
            for (int slot = 0; slot < kAssetFileSlots; ++slot)
                if (ctx.assets->FileInSlot(slot)) detachAndClose(slot);
            return;
        }
        ctx.assets->FindFile(fileHandle);
        detachAndClose(int(fileHandle >> 24));
    });
}

QUOR_STDCALL uint32_t GetNumberOfAssets(uint32_t fileHandle) {
    return RunExport<uint32_t>(Lock::None, [&] { return Assets().FindFile(fileHandle).Count(); });
}

QUOR_STDCALL int GetAssetFileUserInfo(uint32_t fileHandle, void* buffer, uint32_t* size) {
    return RunExport<int>(Lock::None, [&] {
        AssetFile& file = Assets().FindFile(fileHandle);
        if (!size) Errors().Raise(ErrNullArgument);
        if (QUORERRS err = file.UserInfo(buffer, size)) Errors().Raise(err, int32_t(fileHandle));
        return 1;
    });
}

QUOR_STDCALL int LoadAsset(uint32_t asset, uint32_t background) {
    return RunExport<int>(Lock::None, [&] {
        if (background & 0xFF) return Assets().LoadAssetAsync(asset);
        return Assets().LoadAsset(asset);
    });
}

QUOR_STDCALL int UnloadAsset(uint32_t asset) {
    return RunExport<int>(Lock::None, [&] { return Assets().UnloadAsset(asset); });
}

QUOR_STDCALL void* DereferenceAndLockAsset(uint32_t asset) {
    return RunExport<void*>(Lock::None, [&] { return Assets().DereferenceAndLockAsset(asset); });
}

QUOR_STDCALL int ReleaseAsset(uint32_t asset) {
    return RunExport<int>(Lock::None, [&] { return Assets().ReleaseAsset(asset); });
}

QUOR_STDCALL int GetAssetInfo(uint32_t asset, QuorAssetInfo* record) {
    static_assert(sizeof(QuorAssetInfo) == sizeof(AssetInfoRecord), "info record layout");
    return RunExport<int>(Lock::None, [&] {
        return Assets().GetAssetInfo(asset, reinterpret_cast<AssetInfoRecord*>(record));
    });
}

QUOR_STDCALL uint32_t GetAssetMemoryUsage(uint32_t fileHandle) {
    return RunExport<uint32_t>(Lock::None, [&] { return Assets().MemoryUsage(fileHandle); });
}

QUOR_STDCALL int FlushUnlockedAssets(uint32_t fileHandle) {
    return RunExport<int>(Lock::None, [&] { return Assets().FlushUnlocked(fileHandle); });
}

// Streaming assets are not provided: these check the file and report 0.
QUOR_STDCALL int OpenAutostreamAsset(uint32_t asset, uint32_t) {
    return RunExport<int>(Lock::None, [&] { Assets().FindFile(asset); return 0; });
}
QUOR_STDCALL int AdvanceAutostreamTail(uint32_t asset, uint32_t) {
    return RunExport<int>(Lock::None, [&] { Assets().FindFile(asset); return 0; });
}
QUOR_STDCALL int ForceLoadAutostream(uint32_t asset, uint32_t) {
    return RunExport<int>(Lock::None, [&] { Assets().FindFile(asset); return 0; });
}
QUOR_STDCALL int CloseAutostreamAsset(uint32_t asset) {
    return RunExport<int>(Lock::None, [&] { Assets().FindFile(asset); return 0; });
}
