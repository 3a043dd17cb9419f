#include "FrameListeners.h"

#include <algorithm>
#include <list>
#include <mutex>
#include <vector>

namespace {
struct ListenerList {
    std::recursive_mutex lock;
    std::list<FrameListener*> listeners;
};

// Never destroyed: the engine's frame thread calls OnEngineFrame until the process ends,
// also while the program's statics are destroyed after main has returned.
ListenerList& GetList() {
    static ListenerList* list = new ListenerList;
    return *list;
}
}  // namespace

void AddFrameListener(FrameListener* listener) {
    ListenerList& list = GetList();
    std::lock_guard<std::recursive_mutex> locked(list.lock);
    for (FrameListener* present : list.listeners)
        if (present == listener) return;
    list.listeners.push_back(listener);
}

void RemoveFrameListener(FrameListener* listener) {
    ListenerList& list = GetList();
    std::lock_guard<std::recursive_mutex> locked(list.lock);
    for (auto it = list.listeners.begin(); it != list.listeners.end(); ++it) {
        if (*it == listener) {
            list.listeners.erase(it);
            return;
        }
    }
}

void __stdcall OnEngineFrame(int32_t elapsedFrames) {
    ListenerList& list = GetList();
    std::lock_guard<std::recursive_mutex> locked(list.lock);
    // Listeners may add or remove listeners while they run: walk a copy and call only
    // those still listed.
    const std::vector<FrameListener*> walk(list.listeners.begin(), list.listeners.end());
    for (FrameListener* listener : walk) {
        if (std::find(list.listeners.begin(), list.listeners.end(), listener) == list.listeners.end())
            continue;
        try {
            listener->OnFrame(elapsedFrames);
        } catch (...) {
            // Nothing may unwind into the engine's thread; the faulty listener goes.
            RemoveFrameListener(listener);
        }
    }
}
