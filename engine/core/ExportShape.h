// The shape every export follows: clear the last error, take the painting mutex when
// the export touches the scene, do the work, and turn anything thrown into a recorded
// error and a 0 result. Nothing thrown inside the engine leaves an export.
//
// How code inside the engine reports a failure, one rule for all of it:
// - Work done for an export that cannot do what it was asked raises (`Errors().Raise`):
//   the throw unwinds to the export, which returns its failure value. Such functions do
//   not also report failure through their results.
// - `Errors().Set`, with the call going on, is only for a failure the call survives:
//   clean-up that finds nothing left to release or unload, an export that still succeeds
//   and reports the failure beside its result, and code that no export encloses (the
//   frame thread, loader threads, library attach and detach, window procedures), where
//   nothing would catch a throw.
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
