#include "BuiltInMachines.h"

#include <cstring>

const BuiltInMachine kBuiltInMachines[] = {
    {"4thjuly.slot", 15, 40023},      {"aussie.slot", 22, 40035},      {"bars.slot", 6, 40009},
    {"climbfuji.slot", 19, 40029},    {"diamond7.slot", 17, 40027},    {"diner.slot", 18, 40028},
    {"dodgec.slot", 12, 40016},       {"gridiron.slot", 24, 40036},    {"gridirongold.slot", 26, 40048},
    {"losers.slot", 20, 40037},       {"pirates.slot", 10, 40015},     {"potofgold.slot", 14, 40026},
    {"progressive.slot", 16, 40022},  {"ransom.slot", 8, 40010},       {"soldier.slot", 13, 40043},
    {"swimsuit.slot", 23, 40038},     {"venus.slot", 5, 40008},        {"wizards.slot", 9, 40014},
    {"wof.slot", 21, 40039},          {"wonders.slot", 7, 40011},      {"wwsports.slot", 11, 40017},
};
const size_t kBuiltInMachineCount = sizeof kBuiltInMachines / sizeof kBuiltInMachines[0];

bool IsBuiltInMachine(const std::string& fileName) {
    for (const BuiltInMachine& machine : kBuiltInMachines)
        if (fileName == machine.script) return true;
    return false;
}

const char* FindBuiltInScript(int32_t number) {
    for (const BuiltInMachine& machine : kBuiltInMachines)
        if (machine.number == number) return machine.script;
    return nullptr;
}
