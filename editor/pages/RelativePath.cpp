#include "RelativePath.h"

namespace {
bool StartsWith(const std::string& text, const std::string& prefix) {
    return text.compare(0, prefix.size(), prefix) == 0;
}
}  // namespace

std::string MakeRelativePath(const std::string& base, const std::string& path) {
    std::string folder = base;
    if (folder.empty() || folder.back() != '\\') folder += '\\';
    std::string climb;
    while (!folder.empty()) {
        if (StartsWith(path, folder)) return climb + path.substr(folder.size());
        // Drop the last folder: cut back to the "\" before the trailing one.
        const size_t cut = folder.find_last_of('\\', folder.size() - 2);
        if (cut == std::string::npos) break;
        folder.erase(cut + 1);
        climb += "..\\";
    }
    return path;
}
