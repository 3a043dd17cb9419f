#include "ProgramFolder.h"

#include <algorithm>
#include <cctype>

namespace {
// True when the last folder of the path is exactly the given name: "debug" but not "mydebug".
bool EndsWith(const std::string& text, const std::string& tail) {
    if (text.size() < tail.size() || text.compare(text.size() - tail.size(), tail.size(), tail) != 0)
        return false;
    if (text.size() == tail.size()) return true;
    const char before = text[text.size() - tail.size() - 1];
    return before == '\\' || before == '/' || before == ':';
}
}  // namespace

std::string ProgramFolderFromPath(const std::string& programPath) {
    std::string path = programPath;
    std::transform(path.begin(), path.end(), path.begin(), [](unsigned char c) { return char(std::tolower(c)); });
    size_t separator = path.rfind('\\');
    if (separator == std::string::npos) separator = path.rfind('/');
    if (separator == std::string::npos) return std::string();
    std::string folder = path.substr(0, separator + 1);
    if (EndsWith(folder, "debug\\"))
        folder.erase(folder.size() - 6);
    else if (EndsWith(folder, "release\\"))
        folder.erase(folder.size() - 8);
    return folder;
}
