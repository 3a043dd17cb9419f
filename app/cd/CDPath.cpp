#include "CDPath.h"

namespace {
bool EndsWithSeparator(const std::string& text) {
    return !text.empty() && (text.back() == '\\' || text.back() == '/');
}
}  // namespace

std::string JoinCDPath(const std::string& folder, const std::string& fileName) {
    if (EndsWithSeparator(folder)) return folder + fileName;
    return folder + "\\" + fileName;
}

std::string WithDriveLetter(const std::string& folder, char letter) {
    if (folder.empty()) return DriveRoot(letter);
    std::string text = folder;
    text[0] = letter;
    return text;
}

std::string DriveRoot(char letter) { return std::string(1, letter) + ":\\"; }

char CDDriveOf(const std::string& movieFolder) { return movieFolder.empty() ? 'D' : movieFolder[0]; }
