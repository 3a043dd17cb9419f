#include "WorkingFolder.h"

#include <map>

namespace {
// The user-interface thread's windows with a folder of their own.
std::map<HWND, std::string>& Folders() {
    static std::map<HWND, std::string> folders;
    return folders;
}

std::string CurrentFolder() {
    char folder[MAX_PATH + 1] = {};
    const DWORD length = GetCurrentDirectoryA(sizeof folder, folder);
    return length > 0 && length < sizeof folder ? std::string(folder, length) : std::string();
}
}  // namespace

void SetWindowWorkingFolder(HWND topLevel, const std::string& folder) {
    if (folder.empty()) Folders().erase(topLevel);
    else Folders()[topLevel] = folder;
}

WorkingFolderScope::WorkingFolderScope(HWND window) {
    std::map<HWND, std::string>& folders = Folders();
    if (folders.empty() || !window) return;
    const auto found = folders.find(GetAncestor(window, GA_ROOT));
    if (found == folders.end()) return;
    previous_ = CurrentFolder();
    if (previous_.empty() || !SetCurrentDirectoryA(found->second.c_str())) previous_.clear();
}

WorkingFolderScope::~WorkingFolderScope() {
    if (!previous_.empty()) SetCurrentDirectoryA(previous_.c_str());
}
