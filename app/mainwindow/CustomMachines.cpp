#include "CustomMachines.h"

#include <windows.h>

#include <direct.h>

#include "BuiltInMachines.h"
#include "GameWindowServices.h"

namespace {
const char* const kKnownAssetFiles[] = {"fdassets.ast", "credits.ast", "lobbyassets.ast", "thumb.ast",
                                        "gallery.ast"};

bool IsKnownAssetFile(const std::string& name) {
    for (const char* known : kKnownAssetFiles)
        if (name == known) return true;
    return false;
}

std::string TitleOf(const std::string& path) {
    const GameWindowServices& services = GetGameWindowServices();
    return services.readTitle ? services.readTitle(path) : std::string();
}

// Calls `found` with the name of every file that matches the pattern.
template <class Found>
void ForEachFile(const char* pattern, Found found) {
    WIN32_FIND_DATAA data;
    HANDLE search = FindFirstFileA(pattern, &data);
    if (search == INVALID_HANDLE_VALUE) return;
    do {
        found(std::string(data.cFileName[0] ? data.cFileName : data.cAlternateFileName));
    } while (FindNextFileA(search, &data));
    FindClose(search);
}
}  // namespace

std::vector<CustomMachineEntry>& GetCustomMachines() {
    static std::vector<CustomMachineEntry> machines;
    return machines;
}

std::string CustomMenuText(const std::vector<CustomMachineEntry>& machines, size_t index) {
    const CustomMachineEntry& entry = machines.at(index);
    bool shared = false;
    for (size_t i = 0; i < machines.size() && !shared; ++i)
        shared = i != index && machines[i].kind == kCustomMachine && machines[i].displayName == entry.displayName;
    if (!shared) return entry.displayName;
    const size_t slash = entry.path.find_last_of("\\/");
    return entry.displayName + " (" + entry.path.substr(slash == std::string::npos ? 0 : slash + 1) + ")";
}

void ScanCustomMachines() {
    std::vector<CustomMachineEntry>& machines = GetCustomMachines();
    machines.clear();
    char folder[MAX_PATH + 1] = {};
    if (!_getcwd(folder, MAX_PATH)) return;
    const std::string directory = std::string(folder) + "\\";
    ForEachFile("*.slot", [&](const std::string& name) {
        CustomMachineEntry entry;
        entry.path = directory + name;
        entry.displayName = TitleOf(entry.path);
        entry.kind = IsBuiltInMachine(name) ? kBuiltInMachineFile : kCustomMachine;
        if (entry.displayName.empty()) entry.kind = kOtherFile;
        machines.push_back(entry);
    });
    ForEachFile("*.ast", [&](const std::string& name) {
        CustomMachineEntry entry;
        entry.path = directory + name;
        entry.kind = IsKnownAssetFile(name) ? kKnownAssetFile : kOtherFile;
        machines.push_back(entry);
    });
}
