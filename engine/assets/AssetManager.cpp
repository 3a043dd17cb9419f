#include "AssetManager.h"

#include <cstring>
#include <new>

#include "FourCC.h"
#include "LibraryContext.h"

AssetManager::AssetManager() : decoders_(FourCC("DISK"), DecoderRegistry::SameName::Taken) {}

AssetManager::~AssetManager() {
    CloseAll();
    decoders_.Release();
    // The queues end their loader threads as they are destroyed.
}

int AssetManager::DriveClass(const char* path) {
    if (path[0] == '\\' || path[0] == '/') return 3;
    char root[MAX_PATH + 1] = {};
    if (path[0] && path[1] == ':') {
        root[0] = path[0];
        root[1] = ':';
    } else {
        char cwd[MAX_PATH + 1] = {};
        if (GetCurrentDirectoryA(MAX_PATH, cwd) >= 3) std::memcpy(root, cwd, 3);
    }
    switch (GetDriveTypeA(root[0] ? root : nullptr)) {
    case DRIVE_REMOVABLE: return 2;
    case DRIVE_REMOTE: return 3;
    case DRIVE_CDROM: return 1;
    default: return 0;
    }
}

int32_t AssetManager::OpenFile(const char* path) {
    ErrorState& errors = Errors();
    if (!path) errors.Raise(ErrNullArgument);
    if (openCount_ >= kAssetFileSlots) errors.Raise(ErrTooManyAssetFiles);
    int slot = -1;
    for (int i = 0, s = cursor_; i < kAssetFileSlots; ++i, s = (s + 1) % kAssetFileSlots) {
        if (!files_[s]) {
            slot = s;
            break;
        }
    }
    if (slot < 0) errors.Raise(ErrTooManyAssetFiles);
    AssetFile* file = new (std::nothrow) AssetFile(*this, queues_[DriveClass(path)], slot, path);
    if (!file) errors.Raise(ErrOutOfMemory);
    if (!file->Opened()) {
        const QUORERRS failure = file->OpenError();
        delete file;
        errors.Raise(failure);
    }
    files_[slot] = file;
    cursor_ = (slot + 1) % kAssetFileSlots;
    ++openCount_;
    return int32_t(uint32_t(slot) << 24);
}

void AssetManager::CloseFile(int slot) {
    AssetFile* file = FileInSlot(slot);
    if (!file) return;
    files_[slot] = nullptr;
    --openCount_;
    delete file;
}

void AssetManager::CloseAll() {
    for (int s = 0; s < kAssetFileSlots; ++s) CloseFile(s);
}

AssetFile& AssetManager::FindFile(uint32_t handle) {
    AssetFile* file = FileInSlot(int(handle >> 24));
    if (!file) Errors().Raise(ErrBadHandle, int32_t(handle));
    return *file;
}

AssetFile& AssetManager::CheckedAsset(uint32_t handle) {
    AssetFile& file = FindFile(handle);
    if (!file.ValidIndex(handle)) {
        // Reported through the last-error record like every other failure (and the
        // thread's own error value, for callers that look there).
        SetLastError(DWORD(ErrBadAssetIndex));
        Errors().Raise(ErrBadAssetIndex, int32_t(handle));
    }
    return file;
}

int AssetManager::LoadAsset(uint32_t handle) {
    AssetFile& file = CheckedAsset(handle);
    if (QUORERRS err = file.LoadAsset(handle)) Errors().Raise(err, int32_t(handle));
    return 1;
}

int AssetManager::LoadAssetAsync(uint32_t handle) {
    AssetFile& file = FindFile(handle);
    file.Queue().Enqueue(handle, &file);
    return 1;
}

int AssetManager::UnloadAsset(uint32_t handle) {
    AssetFile& file = CheckedAsset(handle);
    QueueLock hold(file.Queue());
    int freed = file.Unload(handle);
    if (freed >= 0) return freed;
    if (file.Queue().Cancel(handle)) return 1;
    Errors().Set(ErrBadAssetIndex, int32_t(handle));
    return 0;
}

void* AssetManager::DereferenceAndLockAsset(uint32_t handle) {
    AssetFile& file = CheckedAsset(handle);
    void* data = nullptr;
    if (QUORERRS err = file.Lock(handle, &data)) Errors().Raise(err, int32_t(handle));
    return data;
}

int AssetManager::ReleaseAsset(uint32_t handle) {
    AssetFile& file = CheckedAsset(handle);
    if (!file.Release(handle)) {
        Errors().Set(ErrBadAssetIndex, int32_t(handle));
        return 0;
    }
    return 1;
}

void* AssetManager::LockQuietly(uint32_t handle, uint32_t* size) {
    AssetFile* file = FileInSlot(int(handle >> 24));
    if (!file || !file->ValidIndex(handle)) return nullptr;
    void* data = nullptr;
    if (file->Lock(handle, &data)) return nullptr;
    AssetInfoRecord info;
    file->Info(handle, &info);
    *size = info.dataSize + 4;
    return data;
}

void AssetManager::ReleaseQuietly(uint32_t handle) {
    AssetFile* file = FileInSlot(int(handle >> 24));
    if (file && file->ValidIndex(handle)) file->Release(handle);
}

int AssetManager::GetAssetInfo(uint32_t handle, AssetInfoRecord* record) {
    if (!record) Errors().Raise(ErrNullArgument);
    AssetFile& file = CheckedAsset(handle);
    if (QUORERRS err = file.Info(handle, record)) Errors().Raise(err, int32_t(handle));
    return 1;
}

uint32_t AssetManager::MemoryUsage(uint32_t fileHandle) const {
    if (fileHandle == kAllAssetFiles) {
        uint32_t sum = 0;
        for (AssetFile* f : files_)
            if (f) sum += f->BytesInUse();
        return sum;
    }
    AssetFile* f = FileInSlot(int(fileHandle >> 24));
    return f ? f->BytesInUse() : 0;
}

int AssetManager::FlushUnlocked(uint32_t fileHandle) {
    if (fileHandle == kAllAssetFiles) {
        for (AssetFile* f : files_)
            if (f) f->Flush();
        return 1;
    }
    int slot = int(fileHandle >> 24);
    if (slot >= kAssetFileSlots) return 0;
    if (AssetFile* f = files_[slot]) f->Flush();
    return 1;
}
