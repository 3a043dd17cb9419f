// One background loader per kind of drive, so that a slow drive never holds up another.
// The queue's critical section also guards every file of its drive class.
#pragma once
#include <windows.h>
#include <cstdint>

class AssetFile;

class AssetLoadQueue {
public:
    AssetLoadQueue();
    ~AssetLoadQueue();

    void Lock() { EnterCriticalSection(&lock_); }
    void Unlock() { LeaveCriticalSection(&lock_); }

    // A file of this class was opened: starts the loader thread the first time.
    void AddUser();
    // A file of this class is closing: its queued requests are dropped.
    void DropFile(AssetFile* file);
    void Enqueue(uint32_t handle, AssetFile* file);
    // Removes the first queued request for the handle; true when there was one.
    bool Cancel(uint32_t handle);
    bool IsQueued(uint32_t handle);
    int32_t UserCount() const { return userCount_; }

private:
    struct Request {
        Request* prev;
        Request* next;
        uint32_t handle;
        AssetFile* file;
    };
    static DWORD WINAPI LoaderMain(void* self);
    void LoaderLoop();
    void Unlink(Request* r);

    HANDLE thread_ = nullptr;
    HANDLE wake_ = nullptr;
    HANDLE ended_ = nullptr;  // set when the loader leaves its loop
    Request sentinel_;
    int32_t userCount_ = 0;
    volatile LONG running_ = 1;
    CRITICAL_SECTION lock_;
};

// Scoped hold of a load queue's critical section.
class QueueLock {
public:
    explicit QueueLock(AssetLoadQueue& q) : q_(q) { q_.Lock(); }
    ~QueueLock() { q_.Unlock(); }
    QueueLock(const QueueLock&) = delete;
    QueueLock& operator=(const QueueLock&) = delete;

private:
    AssetLoadQueue& q_;
};
