// Writing a whole file so that a failure never leaves a half-written file under its name:
// the pieces go to a temporary file beside it, which replaces the target only once every
// write has succeeded; on any failure the temporary file is removed.
#pragma once
#include <windows.h>

#include <cstddef>
#include <string>
#include <vector>

typedef BOOL(WINAPI* FileWriteRoutine)(HANDLE, LPCVOID, DWORD, LPDWORD, LPOVERLAPPED);

struct FilePiece {
    const void* data;
    size_t size;
};

enum class ReplaceResult { Written, NotCreated, WriteFailed, NotMoved };

// Writes the pieces in order, each in writes of at most 32,767 bytes, through `write`.
ReplaceResult WriteFileReplacing(const std::string& name, const std::vector<FilePiece>& pieces,
                                 FileWriteRoutine write = &WriteFile);
