#include "ListenerList.h"

using Locked = std::lock_guard<std::recursive_mutex>;

ListenerList::ListenerList() : slots_(8, nullptr) {}

ListenerList::~ListenerList() {
    for (ListenerCallbackBase* listener : slots_) delete listener;
    for (ListenerCallbackBase* listener : removed_) delete listener;
}

uint32_t ListenerList::Insert(ListenerCallbackBase* listener) {
    Locked locked(lock_);
    const size_t size = slots_.size();
    size_t index = cursor_;
    do {
        if (!slots_[index]) {
            slots_[index] = listener;
            cursor_ = (index + 1) % size;
            ++count_;
            return uint32_t(index + 1);
        }
        index = (index + 1) % size;
    } while (index != cursor_);
    slots_.push_back(listener);
    cursor_ = 0;
    ++count_;
    return uint32_t(slots_.size());
}

void ListenerList::Remove(uint32_t cookie) {
    Locked locked(lock_);
    if (cookie == 0 || cookie > slots_.size() || !slots_[cookie - 1]) return;
    ListenerCallbackBase* listener = slots_[cookie - 1];
    slots_[cookie - 1] = nullptr;
    --count_;
    // The listener may be the one running now: it goes when the notification is over.
    if (notifying_ > 0) removed_.push_back(listener);
    else delete listener;
}

void ListenerList::NotifyAll(const void* value) {
    if (count_ == 0) return;
    Locked locked(lock_);
    ++notifying_;
    try {
        // By index: listeners may insert (the table may grow) or remove while they run.
        for (size_t index = 0; index < slots_.size(); ++index)
            if (ListenerCallbackBase* listener = slots_[index]) listener->Invoke(value);
    } catch (...) {
        EndNotification();
        throw;
    }
    EndNotification();
}

void ListenerList::EndNotification() {
    if (--notifying_ > 0) return;
    for (ListenerCallbackBase* listener : removed_) delete listener;
    removed_.clear();
}
