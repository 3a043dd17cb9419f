// Win32 structured exceptions. This compiler cannot turn them into C++ exceptions at the
// faulting instruction, so a vectored handler records the code of every fault it sees and
// the top-level filter reports an unhandled one with the same text the application's
// catch clause would show. SE_Exception carries a code for code that raises one itself.
#pragma once
#include <cstdint>
#include <string>

class SE_Exception {
public:
    explicit SE_Exception(uint32_t code) : code_(code) {}
    uint32_t GetCode() const { return code_; }

private:
    uint32_t code_;
};

// The name of a structured-exception code ("EXCEPTION_ACCESS_VIOLATION"), or null.
const char* GetExceptionCodeName(uint32_t code);

// True for the codes of program faults (access violations, divisions by zero...), false
// for debugger events and for codes that are not faults.
bool IsProgramFault(uint32_t code);

// "SE code " and the code's name, or its lower-case hexadecimal digits when unnamed.
std::string DescribeStructuredCode(uint32_t code);

// The code of the last structured exception recorded (0 when none).
uint32_t GetLastStructuredCode();
void SetLastStructuredCode(uint32_t code);

// Throws SE_Exception after recording its code, as the translator does.
[[noreturn]] void TranslateStructuredException(uint32_t code);

// Installs the vectored handler and the top-level filter (once per process).
void InstallStructuredExceptionTranslator();
