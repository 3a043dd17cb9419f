#include "SetListeners.h"

#include <algorithm>

void SetListeners::AddListener(SetListener* listener) {
    EnterCriticalSection(&lock_);
    if (std::find(listeners_.begin(), listeners_.end(), listener) == listeners_.end())
        listeners_.push_back(listener);
    LeaveCriticalSection(&lock_);
}

void SetListeners::RemoveListener(SetListener* listener) {
    EnterCriticalSection(&lock_);
    listeners_.erase(std::remove(listeners_.begin(), listeners_.end(), listener), listeners_.end());
    LeaveCriticalSection(&lock_);
}

void SetListeners::Notify(int32_t value) {
    EnterCriticalSection(&lock_);
    const std::vector<SetListener*> listeners = listeners_;
    LeaveCriticalSection(&lock_);
    for (SetListener* listener : listeners) listener->OnSetChanged(value);
}
