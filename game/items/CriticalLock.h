// Holds a critical section for a scope.
#pragma once
#include <windows.h>

class CriticalLock {
public:
    explicit CriticalLock(CRITICAL_SECTION* lock) : lock_(lock) { EnterCriticalSection(lock_); }
    ~CriticalLock() { LeaveCriticalSection(lock_); }
    CriticalLock(const CriticalLock&) = delete;
    CriticalLock& operator=(const CriticalLock&) = delete;

private:
    CRITICAL_SECTION* lock_;
};
