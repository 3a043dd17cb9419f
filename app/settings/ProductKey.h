// Where the game keeps its settings and records: HKEY_LOCAL_MACHINE, the product key and
// a section name.
#pragma once
#include <string>

extern const char kProductKey[];  // "Software\Tarrowind\Vellmoor Slots\1.0\"

// The product key followed by the section name.
std::string MakeSectionPath(const char* section);
