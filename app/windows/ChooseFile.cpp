#include "ChooseFile.h"

#include <commdlg.h>

#include <algorithm>
#include <cctype>
#include <cstring>

#include "AppState.h"
#include "LocaleSaver.h"
#include "PendingException.h"
#include "Window.h"

namespace {
std::string Lower(std::string text) {
    std::transform(text.begin(), text.end(), text.begin(),
                   [](unsigned char c) { return char(std::tolower(c)); });
    return text;
}

std::string CutBeforeLastBackslash(const std::string& path) {
    const size_t slash = path.rfind('\\');
    return slash == std::string::npos ? path : path.substr(0, slash);
}

// The program's current directory as it was when made, put back when it goes: whatever
// folder a file is chosen in, the paths made relative to the current directory stay right.
class CurrentDirectoryKeeper {
public:
    CurrentDirectoryKeeper() {
        const DWORD length = GetCurrentDirectoryA(0, nullptr);
        folder_.resize(length);
        if (length == 0 || GetCurrentDirectoryA(length, &folder_[0]) == 0) folder_.clear();
        if (!folder_.empty()) folder_.resize(folder_.size() - 1);  // the terminating zero
    }
    ~CurrentDirectoryKeeper() {
        if (!folder_.empty()) SetCurrentDirectoryA(folder_.c_str());
    }
    CurrentDirectoryKeeper(const CurrentDirectoryKeeper&) = delete;
    CurrentDirectoryKeeper& operator=(const CurrentDirectoryKeeper&) = delete;

private:
    std::string folder_;
};

// Shows the Open dialog for a name buffer of `size` bytes, in the C locale, keeping the
// current directory; an exception thrown inside the dialog's own procedures is raised
// again here. True when a file was chosen.
bool RunOpenDialog(Window* owner, char* names, DWORD size, const std::string& folder, const char* filter,
                   const char* title, DWORD flags) {
    OPENFILENAMEA ofn = {};
    ofn.lStructSize = sizeof ofn;
    ofn.hwndOwner = owner ? owner->GetHandle() : nullptr;
    ofn.hInstance = GetAppInstance();
    ofn.lpstrFilter = filter;
    ofn.nFilterIndex = 1;
    ofn.lpstrFile = names;
    ofn.nMaxFile = size;
    ofn.lpstrInitialDir = folder.empty() ? nullptr : folder.c_str();
    ofn.lpstrTitle = title;
    ofn.Flags = flags | OFN_NOCHANGEDIR;
    BOOL chosen;
    {
        CurrentDirectoryKeeper directory;
        LocaleSaver locale;
        chosen = GetOpenFileNameA(&ofn);
    }
    RethrowPendingException();
    return chosen != FALSE;
}
}  // namespace

bool ChooseFileToOpen(Window* owner, std::string& path, std::string& folder, const char* filter,
                      const char* title) {
    char name[270] = {};
    std::strncpy(name, path.c_str(), sizeof name - 1);
    const bool chosen = RunOpenDialog(owner, name, sizeof name, folder, filter, title,
                                      OFN_PATHMUSTEXIST | OFN_FILEMUSTEXIST);
    if (!chosen) return false;
    name[sizeof name - 1] = '\0';
    path = name;
    folder = CutBeforeLastBackslash(Lower(path));
    return true;
}

void SplitChosenFiles(const char* text, size_t size, std::vector<std::string>& paths,
                      std::string& folder) {
    const size_t firstLength = strnlen(text, size);
    const std::string first = Lower(std::string(text, firstLength));
    size_t next = firstLength + 1;
    if (next >= size || text[next] == '\0') {
        paths.push_back(first);
        folder = CutBeforeLastBackslash(first);
        return;
    }
    folder = first;
    while (next < size && text[next] != '\0') {
        const size_t length = strnlen(text + next, size - next);
        paths.push_back(first + "\\" + std::string(text + next, length));
        next += length + 1;
    }
}

bool ChooseFilesToOpen(Window* owner, std::vector<std::string>& paths, std::string& folder,
                       const char* filter, const char* title) {
    std::vector<char> names(2048, '\0');
    const bool chosen = RunOpenDialog(owner, names.data(), DWORD(names.size()), folder, filter, title,
                                      OFN_EXPLORER | OFN_ALLOWMULTISELECT | OFN_PATHMUSTEXIST | OFN_FILEMUSTEXIST);
    if (!chosen) return false;
    // Keep the scan inside the buffer even when the dialog filled it to the last byte.
    names.push_back('\0');
    names.push_back('\0');
    SplitChosenFiles(names.data(), names.size(), paths, folder);
    return true;
}
