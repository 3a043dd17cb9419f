// Text between the machine (ANSI strings of the machine file) and the script engine (wide
// strings and BSTRs).
#pragma once
#include <windows.h>
#include <oaidl.h>

#include <string>

std::wstring ToWide(const std::string& text);
std::string ToNarrow(const std::wstring& text);
// A new BSTR; running out of memory throws the COM error exception with E_OUTOFMEMORY.
BSTR ToBstr(const std::wstring& text);
