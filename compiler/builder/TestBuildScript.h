// The game window's Compile Script command: builds a machine file under a progress dialog
// and shows every message of a failed build in one box.
#pragma once
#include <string>

// Builds the machine with the progress animation of "itchy.ast" from the program's folder,
// over the main window. A successful build shows nothing (its warnings are dropped); a
// failed one shows its messages joined in a box captioned "results".
void TestBuildScript(const std::string& scriptPath, const std::string& machinePath);
