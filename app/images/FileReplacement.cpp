#include "FileReplacement.h"

namespace {

const DWORD kWriteChunk = 32767;

bool WritePiece(HANDLE file, const FilePiece& piece, FileWriteRoutine write) {
    const char* at = static_cast<const char*>(piece.data);
    for (size_t left = piece.size; left > 0;) {
        const DWORD bytes = left < kWriteChunk ? DWORD(left) : kWriteChunk;
        DWORD written = 0;
        if (!write(file, at, bytes, &written, nullptr) || written != bytes) return false;
        at += bytes;
        left -= bytes;
    }
    return true;
}

}  // namespace

ReplaceResult WriteFileReplacing(const std::string& name, const std::vector<FilePiece>& pieces,
                                 FileWriteRoutine write) {
    const std::string temporary = name + ".~new";
    HANDLE file = CreateFileA(temporary.c_str(), GENERIC_READ | GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                              FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE) return ReplaceResult::NotCreated;
    bool written = true;
    for (const FilePiece& piece : pieces)
        if (!(written = WritePiece(file, piece, write))) break;
    const bool closed = CloseHandle(file) != 0;
    if (!written || !closed) {
        DeleteFileA(temporary.c_str());
        return ReplaceResult::WriteFailed;
    }
    if (!MoveFileExA(temporary.c_str(), name.c_str(), MOVEFILE_REPLACE_EXISTING)) {
        DeleteFileA(temporary.c_str());
        return ReplaceResult::NotMoved;
    }
    return ReplaceResult::Written;
}
