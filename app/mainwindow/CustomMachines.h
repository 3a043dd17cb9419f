// The machine and asset files found in the game folder, in the order found; the Custom
// submenu offers those of kind kCustomMachine.
#pragma once
#include <cstdint>
#include <string>
#include <vector>

enum CustomMachineKind : int32_t {
    kBuiltInMachineFile = 0,
    kKnownAssetFile = 1,
    kCustomMachine = 2,
    kOtherFile = 3,
};

struct CustomMachineEntry {
    std::string path;
    int32_t kind = kOtherFile;
    std::string displayName;  // the machine's title, read from the file
};

// The program-wide list.
std::vector<CustomMachineEntry>& GetCustomMachines();

// The Custom submenu's text for the entry at `index`: its title, followed by its file name
// in brackets when another custom machine of the list has the same title.
std::string CustomMenuText(const std::vector<CustomMachineEntry>& machines, size_t index);

// Empties the list and fills it from the current directory: the ".slot" files (a machine
// whose title cannot be read counts as kOtherFile), then the ".ast" files.
void ScanCustomMachines();
