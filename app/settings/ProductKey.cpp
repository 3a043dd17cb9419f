#include "ProductKey.h"

const char kProductKey[] = "Software\\Tarrowind\\Vellmoor Slots\\1.0\\";

std::string MakeSectionPath(const char* section) { return std::string(kProductKey) + (section ? section : ""); }
