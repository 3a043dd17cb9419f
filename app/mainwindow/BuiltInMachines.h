// The machines that come with the game: script file name, machine (screen) number and the
// command of their item in the lobby's Game menu.
#pragma once
#include <cstddef>
#include <cstdint>
#include <string>

struct BuiltInMachine {
    const char* script;
    int32_t number;
    uint32_t command;
};

extern const BuiltInMachine kBuiltInMachines[];
extern const size_t kBuiltInMachineCount;

// Exact, case-sensitive comparison with the table's file names.
bool IsBuiltInMachine(const std::string& fileName);
// The file name of the machine number; null when the number is not a built-in machine.
const char* FindBuiltInScript(int32_t number);
