// Where a machine file named by the player or a menu is found: the name itself, then the
// current directory, the program's folder and the folder above it, each followed by the
// name. The first that opens for reading is taken.
#pragma once
#include <string>

// The path that opened; throws std::runtime_error "Can't find " + name when none did.
std::string FindMachineFile(const std::string& name);
