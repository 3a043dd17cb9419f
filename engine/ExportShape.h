// The shape every export follows: clear the last error, take the painting mutex when
// the export touches the scene, do the work, and turn anything thrown into a recorded
// error and a 0 result. Nothing thrown inside the engine leaves an export.
#pragma once
#include <type_traits>

#include "LibraryContext.h"
#include "MutexPair.h"

enum class Lock { None, Painting };

template <class Result, class Work>
Result RunExport(Lock lock, Work&& work) {
    ErrorState& errors = Errors();
    errors.Clear();
    try {
        if (!Context()) errors.Raise(ErrInvalidState);
        if (lock == Lock::Painting) {
            PaintingLock hold;
            return work();
        }
        return work();
    } catch (QUORERRS) {
        // Raise has recorded the code and detail.
    } catch (...) {
        errors.Set(ErrUnexpectedException);
    }
    return Result(0);
}

template <class Work>
void RunExportVoid(Lock lock, Work&& work) {
    RunExport<int>(lock, [&]() -> int {
        work();
        return 0;
    });
}

#define QUOR_STDCALL extern "C" __stdcall
#define QUOR_CDECL extern "C" __cdecl
