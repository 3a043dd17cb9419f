#include "SettingListenerTable.h"

namespace {
struct Locked {
    explicit Locked(CRITICAL_SECTION* lock) : lock(lock) { EnterCriticalSection(lock); }
    ~Locked() { LeaveCriticalSection(lock); }
    CRITICAL_SECTION* lock;
};
}  // namespace

SettingListenerTable::SettingListenerTable() : slots_(8, nullptr) { InitializeCriticalSection(&lock_); }

SettingListenerTable::~SettingListenerTable() {
    for (SettingListener* listener : slots_) delete listener;
    DeleteCriticalSection(&lock_);
}

uint32_t SettingListenerTable::Add(SettingListener* listener) {
    Locked locked(&lock_);
    const size_t size = slots_.size();
    size_t index = hint_;
    do {
        if (!slots_[index]) {
            slots_[index] = listener;
            hint_ = (index + 1) % size;
            ++count_;
            return uint32_t(index + 1);
        }
        index = (index + 1) % size;
    } while (index != hint_);
    slots_.push_back(listener);
    hint_ = 0;
    ++count_;
    return uint32_t(slots_.size());
}

void SettingListenerTable::Remove(uint32_t cookie) {
    Locked locked(&lock_);
    if (cookie == 0 || cookie > slots_.size()) return;
    SettingListener*& slot = slots_[cookie - 1];
    if (!slot) return;
    delete slot;
    slot = nullptr;
    --count_;
}

void SettingListenerTable::Notify(const void* value) {
    if (count_ == 0) return;
    Locked locked(&lock_);
    for (size_t index = 0; index < slots_.size(); ++index)
        if (SettingListener* listener = slots_[index]) listener->OnChanged(value);
}
