#include "MutexPair.h"

void MutexPair::Open() {
    handles_[Painting] = CreateMutexA(nullptr, FALSE, "QUOR Painting Mutex");
    handles_[FileIO] = CreateMutexA(nullptr, FALSE, "QUOR File IO Mutex");
}

void MutexPair::Close() {
    for (HANDLE& h : handles_) {
        if (h) CloseHandle(h);
        h = nullptr;
    }
}

MutexPair& Mutexes() {
    static MutexPair pair;
    return pair;
}
