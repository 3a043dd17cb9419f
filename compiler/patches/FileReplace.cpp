#include "FileReplace.h"

#include <cerrno>
#include <cstring>
#include <filesystem>
#include <system_error>

namespace {

std::string Failure(const char* what, const std::string& path, int error) {
    return std::string(what) + " " + path + ": " + std::strerror(error);
}

}  // namespace

std::string WriteAndClose(std::FILE* file, const std::string& bytes) {
    errno = 0;
    const bool written = std::fwrite(bytes.data(), 1, bytes.size(), file) == bytes.size() &&
                         std::fflush(file) == 0;
    const int writeError = errno;
    errno = 0;
    const bool closed = std::fclose(file) == 0;
    if (!written) return std::string("write failed: ") + std::strerror(writeError ? writeError : EIO);
    if (!closed) return std::string("close failed: ") + std::strerror(errno ? errno : EIO);
    return std::string();
}

std::string ReplaceFileContents(const std::string& path, const std::string& bytes) {
    const std::string temporary = path + ".new~";
    std::FILE* file = std::fopen(temporary.c_str(), "wb");
    if (!file) return Failure("Cannot create", temporary, errno);
    std::string error = WriteAndClose(file, bytes);
    if (error.empty()) {
        std::error_code code;
        std::filesystem::rename(std::filesystem::path(temporary), std::filesystem::path(path),
                                code);
        if (code) error = "Cannot replace " + path + ": " + code.message();
    } else {
        error = temporary + ": " + error;
    }
    if (!error.empty()) std::remove(temporary.c_str());
    return error;
}
