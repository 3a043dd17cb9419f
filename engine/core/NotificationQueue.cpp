#include "NotificationQueue.h"

#include <new>

#include "LibraryContext.h"

NotificationQueue::NotificationQueue() { InitializeCriticalSection(&lock_); }

NotificationQueue::~NotificationQueue() {
    Clear();
    DeleteCriticalSection(&lock_);
}

int NotificationQueue::Push(const NotificationNode& node) {
    NotificationNode* n = new (std::nothrow) NotificationNode(node);
    if (!n) {
        if (LibraryContext* ctx = Context()) ctx->error.Set(ErrOutOfMemory);
        return 0;
    }
    n->next = nullptr;
    EnterCriticalSection(&lock_);
    if (tail_) tail_->next = n;
    else head_ = n;
    tail_ = n;
    LeaveCriticalSection(&lock_);
    return 1;
}

int NotificationQueue::PushCall(NotifyRoutine routine, int32_t event, int32_t object) {
    return Push({reinterpret_cast<void*>(routine), NotifyByCall, 0, event, object, nullptr});
}

int NotificationQueue::PushPost(HWND window, uint32_t messageId, int32_t event, int32_t object) {
    return Push({window, NotifyByMessage, messageId, event, object, nullptr});
}

int NotificationQueue::PushEvent(HANDLE event, int32_t mode) {
    if (mode != NotifySetEvent && mode != NotifyPulseEvent) return 0;
    return Push({event, mode, 0, 0, 0, nullptr});
}

NotificationNode* NotificationQueue::Detach() {
    EnterCriticalSection(&lock_);
    NotificationNode* list = head_;
    head_ = tail_ = nullptr;
    LeaveCriticalSection(&lock_);
    return list;
}

void NotificationQueue::Flush() {
    // The list is taken out under the lock and delivered outside it, so that a routine
    // called here may itself queue notifications or call any export.
    NotificationNode* n = Detach();
    while (n) {
        switch (n->mode) {
        case NotifyByCall:
            reinterpret_cast<NotifyRoutine>(n->target)(n->event, n->object);
            break;
        case NotifyByMessage:
            if (IsWindow(static_cast<HWND>(n->target)))
                PostMessageA(static_cast<HWND>(n->target), n->messageId, WPARAM(n->event),
                             LPARAM(n->object));
            break;
        case NotifySetEvent:
            SetEvent(static_cast<HANDLE>(n->target));
            break;
        case NotifyPulseEvent:
            PulseEvent(static_cast<HANDLE>(n->target));
            break;
        default:
            break;
        }
        NotificationNode* next = n->next;
        delete n;
        n = next;
    }
}

void NotificationQueue::Clear() {
    NotificationNode* n = Detach();
    while (n) {
        NotificationNode* next = n->next;
        delete n;
        n = next;
    }
}

bool NotificationQueue::Empty() {
    EnterCriticalSection(&lock_);
    bool empty = head_ == nullptr;
    LeaveCriticalSection(&lock_);
    return empty;
}

// Never destroyed: when the process ends, the library's statics are destroyed after the
// frame thread was stopped wherever it was, perhaps inside the queue's lock; a destructor
// would wait for that lock for ever. Unloading empties the queue (DllMain).
NotificationQueue& Notifications() {
    static NotificationQueue* queue = new NotificationQueue;
    return *queue;
}
