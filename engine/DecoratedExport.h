// Looks up a stdcall entry of a plug-in by its MSVC-decorated name ("_Name@N"). The
// 32-bit libraries export that name; 64-bit code has no stdcall decoration, so there the
// same entry is exported under its plain name ("Name"), which is looked up instead.
#pragma once
#include <windows.h>

#include <cstring>
#include <string>

inline std::string ExportedName(const char* decorated) {
#ifdef _WIN64
    const char* at = std::strrchr(decorated, '@');
    if (decorated[0] == '_' && at && at[1] >= '0' && at[1] <= '9') return std::string(decorated + 1, at);
#endif
    return decorated;
}

inline FARPROC GetDecoratedProc(HMODULE module, const char* decorated) {
    return GetProcAddress(module, ExportedName(decorated).c_str());
}
