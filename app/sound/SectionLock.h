// Holds a critical section for the lifetime of a scope.
#pragma once
#include <windows.h>

class SectionLock {
public:
    explicit SectionLock(CRITICAL_SECTION& section) : section_(section) { EnterCriticalSection(&section_); }
    SectionLock(const SectionLock&) = delete;
    SectionLock& operator=(const SectionLock&) = delete;
    ~SectionLock() { LeaveCriticalSection(&section_); }

private:
    CRITICAL_SECTION& section_;
};
