// Who hears of an animation set's edits: the Animations page notifies with the value 0
// after every frame edit or property change; layout entries and elements listen. The list
// has its own lock, as listeners come and go from more than one thread.
#pragma once
#include <windows.h>

#include <cstdint>
#include <vector>

class SetListener {
public:
    virtual ~SetListener() = default;
    virtual void OnSetChanged(int32_t value) = 0;
};

class SetListeners {
public:
    SetListeners() { InitializeCriticalSection(&lock_); }
    ~SetListeners() { DeleteCriticalSection(&lock_); }
    SetListeners(const SetListeners&) = delete;
    SetListeners& operator=(const SetListeners&) = delete;

    void AddListener(SetListener* listener);
    void RemoveListener(SetListener* listener);
    void Notify(int32_t value);

private:
    CRITICAL_SECTION lock_;
    std::vector<SetListener*> listeners_;
};
