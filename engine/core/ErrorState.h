// The engine's last-error record: one per process, shared by every thread.
#pragma once
#include "QuorErrors.h"

class ErrorState {
public:
    void Clear() { code_ = 0; detail_ = 0; }
    // Records the failure; the caller carries on and returns its own result.
    void Set(QUORERRS code, int32_t detail = 0) { code_ = code; detail_ = detail; }
    // Records the failure and unwinds to the export, which returns 0.
    [[noreturn]] void Raise(QUORERRS code, int32_t detail = 0) {
        Set(code, detail);
        throw code;
    }
    int32_t Code() const { return code_; }
    int32_t Detail() const { return detail_; }

private:
    volatile int32_t code_ = 0;
    volatile int32_t detail_ = 0;
};
