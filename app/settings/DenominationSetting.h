// The "Denomination" number setting with its lock: while money is committed on a machine
// the lock count is above zero and new denominations are ignored.
#pragma once
#include "PersistentSetting.h"

class DenominationSetting : public PersistentSetting {
public:
    DenominationSetting(const char* section, const char* name, int32_t fallback)
        : PersistentSetting(section, name, fallback) {}

    bool Set(int32_t value) override;

    void Lock() { InterlockedIncrement(&lockCount_); }
    void Unlock() { InterlockedDecrement(&lockCount_); }
    bool IsLocked() const { return lockCount_ != 0; }
    LONG GetLockCount() const { return lockCount_; }

private:
    volatile LONG lockCount_ = 0;
};
