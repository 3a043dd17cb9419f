#include "AssetLoadQueue.h"

#include "AssetFile.h"

AssetLoadQueue::AssetLoadQueue() {
    InitializeCriticalSection(&lock_);
    sentinel_.prev = sentinel_.next = &sentinel_;
    wake_ = CreateEventA(nullptr, TRUE, FALSE, nullptr);
    ended_ = CreateEventA(nullptr, TRUE, FALSE, nullptr);
}

AssetLoadQueue::~AssetLoadQueue() {
    running_ = 0;
    if (wake_) SetEvent(wake_);
    if (thread_) {
        // Under the loader lock the thread cannot finish exiting: wait for its loop.
        WaitForSingleObject(ended_, 500);
        CloseHandle(thread_);
    }
    if (wake_) CloseHandle(wake_);
    if (ended_) CloseHandle(ended_);
    while (sentinel_.next != &sentinel_) {
        Request* r = sentinel_.next;
        Unlink(r);
        delete r;
    }
    DeleteCriticalSection(&lock_);
}

void AssetLoadQueue::AddUser() {
    QueueLock hold(*this);
    if (!thread_) thread_ = CreateThread(nullptr, 0, &AssetLoadQueue::LoaderMain, this, 0, nullptr);
    ++userCount_;
}

void AssetLoadQueue::Unlink(Request* r) {
    r->prev->next = r->next;
    r->next->prev = r->prev;
}

void AssetLoadQueue::DropFile(AssetFile* file) {
    QueueLock hold(*this);
    for (Request* r = sentinel_.next; r != &sentinel_;) {
        Request* next = r->next;
        if (r->file == file) {
            Unlink(r);
            delete r;
        }
        r = next;
    }
    --userCount_;
}

void AssetLoadQueue::Enqueue(uint32_t handle, AssetFile* file) {
    Request* r = new Request{nullptr, nullptr, handle, file};
    QueueLock hold(*this);
    r->prev = sentinel_.prev;
    r->next = &sentinel_;
    sentinel_.prev->next = r;
    sentinel_.prev = r;
    SetEvent(wake_);
}

bool AssetLoadQueue::Cancel(uint32_t handle) {
    QueueLock hold(*this);
    for (Request* r = sentinel_.next; r != &sentinel_; r = r->next) {
        if (r->handle == handle) {
            Unlink(r);
            delete r;
            return true;
        }
    }
    return false;
}

bool AssetLoadQueue::IsQueued(uint32_t handle) {
    QueueLock hold(*this);
    for (Request* r = sentinel_.next; r != &sentinel_; r = r->next)
        if (r->handle == handle) return true;
    return false;
}

DWORD WINAPI AssetLoadQueue::LoaderMain(void* self) {
    static_cast<AssetLoadQueue*>(self)->LoaderLoop();
    return 0;
}

void AssetLoadQueue::LoaderLoop() {
    for (;;) {
        Lock();
        if (sentinel_.next != &sentinel_) {
            // The request leaves the list before it runs, so nobody can cancel and free
            // the request being served; the load itself runs under the same lock.
            Request* r = sentinel_.next;
            Unlink(r);
            try {
                r->file->LoadAsset(r->handle);
            } catch (...) {
                // A failed background load is dropped; a later lock reports it.
            }
            Unlock();
            delete r;
            Sleep(0);
            continue;
        }
        if (!running_) {
            Unlock();
            SetEvent(ended_);
            return;
        }
        // Reset under the lock: an enqueue after this point sets the event again.
        ResetEvent(wake_);
        Unlock();
        WaitForSingleObject(wake_, INFINITE);
    }
}
