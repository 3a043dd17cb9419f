#include "AssetFile.h"

#include <cstring>

#include "AssetLoadQueue.h"
#include "AssetManager.h"
#include "FourCC.h"

namespace {
const uint32_t kHeaderBytes = 16;
const uint32_t kEntryBytes = 8;
const uint32_t kAssetHeaderBytes = 12;
const uint32_t kDirectoryChunk = 16384;
}  // namespace

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

    uint32_t header[4];
    if (QUORERRS e = ReadAt(0, header, kHeaderBytes)) return e;
    if (header[0] != FourCC("QUOR")) return ErrBadMagic;
    count_ = header[1];
    userInfoSize_ = header[2];
    userInfoOffset_ = header[3];
    // The directory must lie inside the file; a count beyond it is a damaged file.
    if (kHeaderBytes + uint64_t(count_) * kEntryBytes > fileSize_) {
        count_ = 0;
        return ErrReadFailed;
    }
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
    uint32_t* chunk = static_cast<uint32_t*>(HeapAlloc(heap_, 0, kDirectoryChunk));
    if (!chunk) return ErrOutOfMemory;
    QUORERRS result = QuorOk;
    uint64_t position = kHeaderBytes;
    uint32_t done = 0;
    while (done < count_) {
        // Each refill takes what is left of the directory, at most one chunk.
        uint32_t entries = count_ - done;
        if (entries > kDirectoryChunk / kEntryBytes) entries = kDirectoryChunk / kEntryBytes;
        if ((result = ReadAt(position, chunk, entries * kEntryBytes))) break;
        for (uint32_t i = 0; i < entries; ++i) {
            directory_[done + i].offset = chunk[2 * i];
            directory_[done + i].info = chunk[2 * i + 1];
        }
        done += entries;
        position += entries * kEntryBytes;
    }
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

QUORERRS AssetFile::ReadHeader(const DirEntry& e, uint32_t header[3]) {
    return ReadAt(e.offset, header, kAssetHeaderBytes);
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
    uint32_t header[3];
    if (QUORERRS err = ReadHeader(e, header)) return err;
    const uint32_t dataSize = header[1];
    const uint32_t stored = header[2] & 0xFFFFFF;
    // A non-zero slot byte marks the asset compressed; its low four bits name the decoder
    // (0x15 is decoder 5), so every byte names one of the 16 slots.
    const uint32_t slotByte = header[2] >> 24;
    const uint64_t dataStart = uint64_t(e.offset) + kAssetHeaderBytes;
    // What follows the header must be in the file: the data, or its compressed form.
    if (dataStart + (slotByte ? stored : dataSize) > fileSize_) return ErrReadFailed;
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
    block->type = header[0];
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
    if (QUORERRS err = ReadHeader(e, header)) return err;
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
