#include "FaultGuard.h"

#include <windows.h>

#include "StructuredException.h"

namespace {

// Per thread: the resume point of the innermost guard (a __builtin_setjmp buffer: frame
// pointer, resume address, stack pointer), or null outside any guard.
DWORD resumeSlot = TLS_OUT_OF_INDEXES;

LONG CALLBACK ResumeAfterFault(EXCEPTION_POINTERS* info) {
    const uint32_t code = info->ExceptionRecord->ExceptionCode;
    void** resume = static_cast<void**>(TlsGetValue(resumeSlot));
    if (!resume || !IsProgramFault(code)) return EXCEPTION_CONTINUE_SEARCH;
    SetLastStructuredCode(code);
    // What __builtin_longjmp does, done to the faulting context.
    CONTEXT* context = info->ContextRecord;
#ifdef _WIN64
    context->Rbp = DWORD64(resume[0]);
    context->Rip = DWORD64(resume[1]);
    context->Rsp = DWORD64(resume[2]);
#else
    context->Ebp = DWORD(uintptr_t(resume[0]));
    context->Eip = DWORD(uintptr_t(resume[1]));
    context->Esp = DWORD(uintptr_t(resume[2]));
#endif
    return EXCEPTION_CONTINUE_EXECUTION;
}

void InstallResumeHandler() {
    static const bool installed = [] {
        resumeSlot = TlsAlloc();
        AddVectoredExceptionHandler(1, ResumeAfterFault);
        return true;
    }();
    (void)installed;
}

}  // namespace

__attribute__((noinline)) uint32_t CallWithFaultGuard(uint32_t (*call)(void*), void* context, uint32_t fallback) {
    InstallResumeHandler();
    void* volatile outer = TlsGetValue(resumeSlot);
    void* resume[5];
    volatile uint32_t result = fallback;
    if (__builtin_setjmp(resume) == 0) {
        TlsSetValue(resumeSlot, resume);
        result = call(context);
    }
    TlsSetValue(resumeSlot, outer);
    return result;
}
