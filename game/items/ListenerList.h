// Value listeners of an object: a slot table of owned listener objects under a critical
// section. Registering answers a cookie (slot index + 1) with which the owner removes the
// listener again. Freed slots are reused round-robin; the table grows only when full.
//
// A listener may remove itself or any other listener while it is being notified: the
// slot is emptied at once (a removed listener is not called any more), and the listener
// object is destroyed when the notification that runs it has finished.
//
// Platform-free: the roster's players announce their money through it too.
#pragma once
#include <cstddef>
#include <cstdint>
#include <mutex>
#include <vector>

#include "ListenerCallback.h"

class ListenerList {
public:
    ListenerList();
    ListenerList(const ListenerList&) = delete;
    ListenerList& operator=(const ListenerList&) = delete;
    ~ListenerList();

    template <class Target, class Value>
    uint32_t Add(Target* target, void (Target::*member)(const Value*)) {
        return Insert(new ListenerCallback<Target, Value>(target, member));
    }
    // Takes ownership of the listener; returns its cookie.
    uint32_t Insert(ListenerCallbackBase* listener);
    // Destroys the listener of the cookie; 0, unknown and empty cookies are ignored.
    void Remove(uint32_t cookie);
    // Calls every listener in slot order with a pointer to the value.
    void NotifyAll(const void* value);
    template <class Value>
    void NotifyAll(const Value& value) {
        NotifyAll(static_cast<const void*>(&value));
    }

    uint32_t GetCount() const { return count_; }
    size_t GetSlotCount() const { return slots_.size(); }

private:
    // Destroys the listeners removed meanwhile once the outermost notification ends.
    void EndNotification();

    std::vector<ListenerCallbackBase*> slots_;
    uint32_t count_ = 0;
    size_t cursor_ = 0;
    // Notifications under way (they may nest) and the listeners removed meanwhile.
    int notifying_ = 0;
    std::vector<ListenerCallbackBase*> removed_;
    // Recursive: a listener may add or remove listeners of the list that tells it.
    std::recursive_mutex lock_;
};
