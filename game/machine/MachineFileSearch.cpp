#include "MachineFileSearch.h"

#include <windows.h>

#include <cstdio>
#include <stdexcept>
#include <vector>

namespace {

std::string CurrentFolder() {
    char folder[MAX_PATH] = {};
    const DWORD length = GetCurrentDirectoryA(MAX_PATH, folder);
    std::string text(folder, length < MAX_PATH ? length : 0);
    if (!text.empty() && text.back() != '\\' && text.back() != '/') text += '\\';
    return text;
}

// The program's folder with its trailing separator; empty when it cannot be told.
std::string ProgramFolder() {
    char path[MAX_PATH] = {};
    const DWORD length = GetModuleFileNameA(nullptr, path, MAX_PATH);
    const std::string text(path, length < MAX_PATH ? length : 0);
    const size_t cut = text.find_last_of("\\/");
    return cut == std::string::npos ? std::string() : text.substr(0, cut + 1);
}

// The folder above one that ends in a separator.
std::string ParentFolder(const std::string& folder) {
    if (folder.size() < 2) return std::string();
    const size_t cut = folder.find_last_of("\\/", folder.size() - 2);
    return cut == std::string::npos ? std::string() : folder.substr(0, cut + 1);
}

bool Opens(const std::string& path) {
    std::FILE* file = std::fopen(path.c_str(), "rb");
    if (!file) return false;
    std::fclose(file);
    return true;
}

}  // namespace

std::string FindMachineFile(const std::string& name) {
    const std::string program = ProgramFolder();
    std::vector<std::string> tries = {name, CurrentFolder() + name};
    if (!program.empty()) {
        tries.push_back(program + name);
        const std::string above = ParentFolder(program);
        if (!above.empty()) tries.push_back(above + name);
    }
    if (!name.empty())
        for (const std::string& path : tries)
            if (Opens(path)) return path;
    throw std::runtime_error("Can't find " + name);
}
