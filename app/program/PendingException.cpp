#include "PendingException.h"

namespace {
thread_local std::exception_ptr pending;
}

void KeepPendingException() {
    if (!pending) pending = std::current_exception();
}

bool HasPendingException() { return static_cast<bool>(pending); }

void RethrowPendingException() {
    if (!pending) return;
    std::exception_ptr error = pending;
    pending = nullptr;
    std::rethrow_exception(error);
}

void DropPendingException() { pending = nullptr; }
