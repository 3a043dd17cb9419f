#include "AssetFile.h"

#include <cstring>

#include "AssetLoadQueue.h"
#include "AssetManager.h"

AssetFile::AssetFile(AssetManager& manager, AssetLoadQueue& queue, int slot, const char* path)
    : manager_(manager), queue_(queue), slot_(slot) {
    QueueLock hold(queue_);
    openError_ = Open(path);
    opened_ = openError_ == QuorOk;
}

AssetFile::~AssetFile() { Close(); }

QUORERRS AssetFile::Open(const char* path) {
    heap_ = HeapCreate(0, 0, 0);
    if (!heap_) return ErrOutOfMemory;
    file_ = CreateFileA(path, GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING,
                        FILE_FLAG_RANDOM_ACCESS, nullptr);
    if (file_ == INVALID_HANDLE_VALUE) return ErrOpenFailed;
    LARGE_INTEGER size;
    if (!GetFileSizeEx(file_, &size)) return ErrReadFailed;
    fileSize_ = uint64_t(size.QuadPart);

    ContainerHeader header;
    if (QUORERRS e = ReadContainerHeader(*this, header)) return e;
    count_ = header.count;
    userInfoSize_ = header.userInfoSize;
    userInfoOffset_ = header.userInfoOffset;
    if (QUORERRS e = ReadDirectory()) return e;
    queue_.AddUser();
    joinedQueue_ = true;
    return QuorOk;
}

QUORERRS AssetFile::ReadDirectory() {
    // Counted in 64 bits: a count that fits the file may still not fit the address space.
    const uint64_t bytes = uint64_t(count_) * sizeof(DirEntry);
    directory_ = bytes > 0x7FFFFFFFu ? nullptr
                                     : static_cast<DirEntry*>(HeapAlloc(heap_, HEAP_ZERO_MEMORY, bytes ? size_t(bytes) : 1));
    if (!directory_) {
        count_ = 0;
        return ErrOutOfMemory;
    }
    bytesInUse_ = count_ * 12u;
    if (count_ == 0) return QuorOk;
    void* chunk = HeapAlloc(heap_, 0, kDirectoryChunkBytes);
    if (!chunk) return ErrOutOfMemory;
    const QUORERRS result = ReadContainerDirectory(*this, count_, chunk, [this](uint32_t i, ContainerEntry entry) {
        directory_[i].offset = entry.offset;
        directory_[i].info = entry.info;
    });
    HeapFree(heap_, 0, chunk);
    return result;
}

QUORERRS AssetFile::ReadAt(uint64_t offset, void* buffer, uint32_t bytes) {
    if (offset + bytes > fileSize_) return ErrReadFailed;
    LARGE_INTEGER to;
    to.QuadPart = LONGLONG(offset);
    if (!SetFilePointerEx(file_, to, nullptr, FILE_BEGIN)) return ErrReadFailed;
    DWORD read = 0;
    if (!ReadFile(file_, buffer, bytes, &read, nullptr) || read != bytes) return ErrReadFailed;
    return QuorOk;
}

void* AssetFile::HeapAllocRetry(size_t bytes) {
    void* p = HeapAlloc(heap_, 0, bytes);
    if (!p) {
        Flush();
        p = HeapAlloc(heap_, 0, bytes);
    }
    return p;
}

void AssetFile::FreeBlock(DirEntry& e) {
    if (!e.block) return;
    bytesInUse_ -= e.block->totalBytes;
    HeapFree(heap_, 0, e.block);
    e.block = nullptr;
}

QUORERRS AssetFile::LoadAsset(uint32_t handle) {
    QueueLock hold(queue_);
    if (!ValidIndex(handle)) return ErrBadAssetIndex;
    DirEntry& e = directory_[(handle & 0xFFFFFF) - 1];
    if (e.block) {
        if (e.block->loadCount == 0xFFFF) return ErrOutOfMemory;
        ++e.block->loadCount;
        return QuorOk;
    }
    AssetExtent x;
    if (QUORERRS err = ReadAssetExtent(*this, e.offset, x)) return err;
    const uint32_t dataSize = x.dataSize, stored = x.stored, slotByte = x.slotByte;
    const uint64_t dataStart = x.dataStart;
    DecoderDecodeEntry decode = nullptr;
    if (slotByte) {
        decode = manager_.DiskDecoder(slotByte & 0x0F);
        if (!decode) return ErrNoDecoder;
    }
    if (dataSize > 0x7FFFFFFFu - sizeof(AssetBlock)) return ErrOutOfMemory;

    AssetBlock* block = static_cast<AssetBlock*>(HeapAllocRetry(sizeof(AssetBlock) + dataSize));
    if (!block) return ErrOutOfMemory;
    block->totalBytes = dataSize + sizeof(AssetBlock);
    block->dataSize = dataSize;
    block->loadCount = 1;
    block->lockCount = 0;
    block->type = x.type;
    block->flags = slotByte ? (slotByte | 0x10) : 0;

    QUORERRS err = QuorOk;
    if (!slotByte) {
        err = ReadAt(dataStart, block->Data(), dataSize);
    } else {
        void* packed = HeapAllocRetry(stored ? stored : 1);
        if (!packed) {
            err = ErrOutOfMemory;
        } else {
            err = ReadAt(dataStart, packed, stored);
            if (!err && !decode(block->Data(), packed, dataSize, stored)) err = ErrReadFailed;
            HeapFree(heap_, 0, packed);
        }
    }
    if (err) {
        HeapFree(heap_, 0, block);
        return err;
    }
    e.block = block;
    bytesInUse_ += block->totalBytes;
    return QuorOk;
}

int AssetFile::Unload(uint32_t handle) {
    QueueLock hold(queue_);
    DirEntry& e = directory_[(handle & 0xFFFFFF) - 1];
    if (!e.block) return -1;
    if (e.block->loadCount > 0) --e.block->loadCount;
    if (e.block->loadCount == 0 && e.block->lockCount == 0) {
        FreeBlock(e);
        return 1;
    }
    return 0;
}

QUORERRS AssetFile::Lock(uint32_t handle, void** data) {
    QueueLock hold(queue_);
    *data = nullptr;
    DirEntry& e = directory_[(handle & 0xFFFFFF) - 1];
    if (!e.block) {
        if (QUORERRS err = LoadAsset(handle)) return err;
        e.block->loadCount = 0;  // the lock alone holds the block
    }
    if (e.block->lockCount == 0xFFFF) return ErrOutOfMemory;
    ++e.block->lockCount;
    *data = &e.block->type;
    return QuorOk;
}

bool AssetFile::Release(uint32_t handle) {
    QueueLock hold(queue_);
    DirEntry& e = directory_[(handle & 0xFFFFFF) - 1];
    if (!e.block) return false;
    if (e.block->lockCount > 0) --e.block->lockCount;
    if (e.block->loadCount == 0 && e.block->lockCount == 0) FreeBlock(e);
    return true;
}

QUORERRS AssetFile::Info(uint32_t handle, AssetInfoRecord* r) {
    QueueLock hold(queue_);
    std::memset(r, 0, sizeof *r);
    DirEntry& e = directory_[(handle & 0xFFFFFF) - 1];
    r->info = e.info;
    if (e.block) {
        r->state = 3;
        r->type = e.block->type;
        r->loadCount = e.block->loadCount;
        r->lockCount = e.block->lockCount;
        r->dataSize = e.block->dataSize;
        return QuorOk;
    }
    r->state = queue_.IsQueued(handle) ? 1 : 0;
    uint32_t header[3];
    if (QUORERRS err = ReadAssetHeader(*this, e.offset, header)) return err;
    r->type = header[0];
    r->dataSize = header[1];
    return QuorOk;
}

QUORERRS AssetFile::UserInfo(void* buffer, uint32_t* size) {
    QueueLock hold(queue_);
    QUORERRS result = QuorOk;
    if (buffer) {
        uint32_t copy = *size < userInfoSize_ ? *size : userInfoSize_;
        if (copy) result = ReadAt(userInfoOffset_, buffer, copy);
        if (!result && *size < userInfoSize_) result = ErrBufferTooSmall;
    }
    *size = userInfoSize_;
    return result;
}

void AssetFile::Flush() {
    QueueLock hold(queue_);
    for (uint32_t i = 0; i < count_; ++i)
        if (directory_[i].block && directory_[i].block->lockCount == 0) FreeBlock(directory_[i]);
}

void AssetFile::Close() {
    QueueLock hold(queue_);
    if (joinedQueue_) queue_.DropFile(this);
    joinedQueue_ = false;
    if (file_ != INVALID_HANDLE_VALUE) CloseHandle(file_);
    file_ = INVALID_HANDLE_VALUE;
    if (heap_) HeapDestroy(heap_);
    heap_ = nullptr;
    directory_ = nullptr;
    count_ = 0;
    bytesInUse_ = 0;
}
