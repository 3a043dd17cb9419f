#include "StructuredException.h"

#include <windows.h>

#include <cstdio>

namespace {
struct CodeName {
    uint32_t code;
    const char* name;
};

const CodeName kCodeNames[] = {
    {0xC0000005u, "EXCEPTION_ACCESS_VIOLATION"},
    {0x80000002u, "EXCEPTION_DATATYPE_MISALIGNMENT"},
    {0x80000003u, "EXCEPTION_BREAKPOINT"},
    {0x80000004u, "EXCEPTION_SINGLE_STEP"},
    {0xC000008Cu, "EXCEPTION_ARRAY_BOUNDS_EXCEEDED"},
    {0xC000008Du, "EXCEPTION_FLT_DENORMAL_OPERAND"},
    {0xC000008Eu, "EXCEPTION_FLT_DIVIDE_BY_ZERO"},
    {0xC000008Fu, "EXCEPTION_FLT_INEXACT_RESULT"},
    {0xC0000090u, "EXCEPTION_FLT_INVALID_OPERATION"},
    {0xC0000091u, "EXCEPTION_FLT_OVERFLOW"},
    {0xC0000092u, "EXCEPTION_FLT_STACK_CHECK"},
    {0xC0000093u, "EXCEPTION_FLT_UNDERFLOW"},
    {0xC0000094u, "EXCEPTION_INT_DIVIDE_BY_ZERO"},
    {0xC0000095u, "EXCEPTION_INT_OVERFLOW"},
    {0xC0000096u, "EXCEPTION_PRIV_INSTRUCTION"},
    {0xC0000006u, "EXCEPTION_IN_PAGE_ERROR"},
};

volatile LONG lastCode = 0;

LONG CALLBACK RecordFault(EXCEPTION_POINTERS* info) {
    const uint32_t code = info->ExceptionRecord->ExceptionCode;
    if (IsProgramFault(code)) InterlockedExchange(&lastCode, LONG(code));
    return EXCEPTION_CONTINUE_SEARCH;
}

LONG WINAPI ReportUnhandledFault(EXCEPTION_POINTERS* info) {
    const uint32_t code = info->ExceptionRecord->ExceptionCode;
    SetLastStructuredCode(code);
    MessageBoxA(nullptr, DescribeStructuredCode(code).c_str(), "C exception!",
                MB_SYSTEMMODAL | MB_ICONHAND);
    return EXCEPTION_EXECUTE_HANDLER;
}
}  // namespace

const char* GetExceptionCodeName(uint32_t code) {
    for (const CodeName& entry : kCodeNames)
        if (entry.code == code) return entry.name;
    return nullptr;
}

std::string DescribeStructuredCode(uint32_t code) {
    if (const char* name = GetExceptionCodeName(code)) return std::string("SE code ") + name;
    char digits[16];
    std::snprintf(digits, sizeof digits, "%x", unsigned(code));
    return std::string("SE code ") + digits;
}

bool IsProgramFault(uint32_t code) {
    // Breakpoints and single steps belong to debuggers; everything else in the table is
    // a fault of the program.
    return code != 0x80000003u && code != 0x80000004u && GetExceptionCodeName(code) != nullptr;
}

uint32_t GetLastStructuredCode() { return uint32_t(lastCode); }
void SetLastStructuredCode(uint32_t code) { InterlockedExchange(&lastCode, LONG(code)); }

void TranslateStructuredException(uint32_t code) {
    SetLastStructuredCode(code);
    throw SE_Exception(code);
}

void InstallStructuredExceptionTranslator() {
    static bool installed = false;
    if (installed) return;
    installed = true;
    AddVectoredExceptionHandler(1, RecordFault);
    SetUnhandledExceptionFilter(ReportUnhandledFault);
}
