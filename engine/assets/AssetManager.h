// The asset store: 255 file slots, a background loader per drive class, and the 16 DISK
// decoder slots that compressed assets name.
#pragma once
#include <windows.h>
#include <cstdint>

#include "AssetFile.h"
#include "AssetLoadQueue.h"
#include "DecoderRegistry.h"

// The file handle that stands for every open file where an export accepts it.
const uint32_t kAllAssetFiles = 0xFFFF0001u;
const int kAssetFileSlots = 255;

class AssetManager {
public:
    AssetManager();
    ~AssetManager();

    // The file handle (slot << 24); raises when the file cannot be opened.
    int32_t OpenFile(const char* path);
    // Closes the file (or every file); the caller has detached sprites and backdrops.
    void CloseFile(int slot);
    void CloseAll();
    // The open file in the handle's slot; raises ErrBadHandle otherwise.
    AssetFile& FindFile(uint32_t handle);
    AssetFile* FileInSlot(int slot) const { return slot >= 0 && slot < kAssetFileSlots ? files_[slot] : nullptr; }
    int32_t OpenCount() const { return openCount_; }

    // Per-asset operations: the index is checked first; a bad one is ErrBadAssetIndex.
    int LoadAsset(uint32_t handle);
    int LoadAssetAsync(uint32_t handle);
    int UnloadAsset(uint32_t handle);
    void* DereferenceAndLockAsset(uint32_t handle);
    int ReleaseAsset(uint32_t handle);
    // For the frame thread: lock and release that never touch the last-error record.
    void* LockQuietly(uint32_t handle, uint32_t* size);
    void ReleaseQuietly(uint32_t handle);
    int GetAssetInfo(uint32_t handle, AssetInfoRecord* record);

    uint32_t MemoryUsage(uint32_t fileHandle) const;
    int FlushUnlocked(uint32_t fileHandle);

    // An occupied slot is ErrDecoderSlotTaken, whatever library holds it.
    int RegisterDiskDecoder(uint32_t slot, const char* library) { return decoders_.Register(slot, library); }
    DecoderDecodeEntry DiskDecoder(uint32_t slot) const { return decoders_.Entry(slot); }

    static int DriveClass(const char* path);

private:
    AssetFile& CheckedAsset(uint32_t handle);

    DecoderRegistry decoders_;
    AssetLoadQueue queues_[4];
    AssetFile* files_[kAssetFileSlots] = {};
    int32_t cursor_ = 0;
    int32_t openCount_ = 0;
};
