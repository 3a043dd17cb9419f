// The two system-wide named mutexes that serialise callers against the frame thread:
// token 0 "QUOR Painting Mutex" and token 1 "QUOR File IO Mutex".
#pragma once
#include <windows.h>

class MutexPair {
public:
    enum { Painting = 0, FileIO = 1 };
    void Open();
    void Close();
    bool Valid(int token) const { return token == Painting || token == FileIO; }
    HANDLE Handle(int token) const { return handles_[token]; }
    DWORD Acquire(int token) { return WaitForSingleObject(handles_[token], INFINITE); }
    BOOL Release(int token) { return ReleaseMutex(handles_[token]); }

private:
    HANDLE handles_[2] = {nullptr, nullptr};
};

MutexPair& Mutexes();

// Holds the painting mutex for a scope.
class PaintingLock {
public:
    PaintingLock() { Mutexes().Acquire(MutexPair::Painting); }
    ~PaintingLock() { Mutexes().Release(MutexPair::Painting); }
    PaintingLock(const PaintingLock&) = delete;
    PaintingLock& operator=(const PaintingLock&) = delete;
};
