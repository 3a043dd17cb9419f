// A failure of a scripted member: its status code and the text the script engine shows.
// Members throw it (or the COM error exception); the dispatch layer turns it into an
// HRESULT with exception information before anything reaches the engine.
#pragma once
#include <windows.h>

#include <string>

class ScriptFault {
public:
    ScriptFault(HRESULT code, std::wstring text) : code_(code), text_(std::move(text)) {}
    HRESULT Code() const { return code_; }
    const std::wstring& Text() const { return text_; }

private:
    HRESULT code_;
    std::wstring text_;
};

// Raises the program's COM error exception when the code is a failure.
void CheckComResult(HRESULT code);
