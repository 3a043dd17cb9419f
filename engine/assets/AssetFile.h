// One open asset file: its directory in memory, and the blocks of the assets loaded
// from it, all in a private heap so that closing the file frees them at once. The layout
// and its checks are ContainerLayout's; this class adds the Win32 file and heap.
#pragma once
#include <windows.h>
#include <cstdint>

#include "ContainerLayout.h"
#include "QuorErrors.h"

class AssetLoadQueue;
class AssetManager;

// A loaded asset. The pointer handed to users is &type: the type word, then the data.
struct AssetBlock {
    uint32_t totalBytes;
    uint32_t dataSize;
    uint16_t loadCount;
    uint16_t lockCount;
    uint32_t flags;  // decoder slot + 0x10 when the asset was compressed
    uint32_t type;
    uint8_t* Data() { return reinterpret_cast<uint8_t*>(this + 1); }
};
static_assert(sizeof(AssetBlock) == 20, "block header layout");

// What _GetAssetInfo@8 reports (36 bytes).
struct AssetInfoRecord {
    uint32_t state;  // 0 not loaded, 1 load queued, 3 loaded
    uint32_t info;
    uint32_t type;
    uint16_t loadCount;
    uint16_t lockCount;
    uint32_t dataSize;
    uint32_t reserved[4];
};
static_assert(sizeof(AssetInfoRecord) == 36, "info record layout");

class AssetFile : private ContainerSource {
public:
    // Opens and reads the directory (inside the queue's lock). On failure `Opened()` is
    // false and `OpenError()` says why.
    AssetFile(AssetManager& manager, AssetLoadQueue& queue, int slot, const char* path);
    ~AssetFile() override;

    bool Opened() const { return opened_; }
    QUORERRS OpenError() const { return openError_; }
    int Slot() const { return slot_; }
    AssetLoadQueue& Queue() { return queue_; }
    uint32_t Count() const { return count_; }
    uint32_t BytesInUse() const { return bytesInUse_; }
    bool ValidIndex(uint32_t handle) const {
        uint32_t index = handle & 0xFFFFFF;
        return index >= 1 && index <= count_;
    }

    // Each returns its error code (0 on success) and leaves the last-error record alone,
    // so the loader threads can use them too. The handle's index must be valid.
    QUORERRS LoadAsset(uint32_t handle);
    // 1 when the block was freed, 0 when it stays, -1 when it was not loaded.
    int Unload(uint32_t handle);
    QUORERRS Lock(uint32_t handle, void** data);
    // False when the asset was not loaded.
    bool Release(uint32_t handle);
    QUORERRS Info(uint32_t handle, AssetInfoRecord* record);
    // Copies the user-info block; `*size` in: buffer size, out: block size.
    QUORERRS UserInfo(void* buffer, uint32_t* size);
    // Frees every block that nobody has locked.
    void Flush();

private:
    struct DirEntry {
        uint32_t offset;
        uint32_t info;
        AssetBlock* block;
    };
    QUORERRS Open(const char* path);
    QUORERRS ReadDirectory();
    uint64_t Size() const override { return fileSize_; }
    QUORERRS ReadAt(uint64_t offset, void* buffer, uint32_t bytes) override;
    void* HeapAllocRetry(size_t bytes);
    void FreeBlock(DirEntry& e);
    void Close();

    AssetManager& manager_;
    AssetLoadQueue& queue_;
    int slot_;
    HANDLE file_ = INVALID_HANDLE_VALUE;
    uint64_t fileSize_ = 0;
    uint32_t count_ = 0;
    uint32_t userInfoSize_ = 0;
    uint32_t userInfoOffset_ = 0;
    uint32_t bytesInUse_ = 0;
    HANDLE heap_ = nullptr;
    DirEntry* directory_ = nullptr;
    bool opened_ = false;
    bool joinedQueue_ = false;
    QUORERRS openError_ = QuorOk;
};
