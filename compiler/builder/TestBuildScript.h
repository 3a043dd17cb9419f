// The game window's Compile Script command: builds a machine file under a progress dialog
// and shows what came of it in one box.
#pragma once
#include <string>

// Builds the machine with the progress animation of "itchy.ast" from the program's folder,
// over the main window, then shows the box captioned "results": for a successful build the
// machine file it wrote and the build's warnings, for a failed one its messages joined.
void TestBuildScript(const std::string& scriptPath, const std::string& machinePath);

// What a successful build reports: the machine file, then the warnings (joined) if any.
std::string BuiltMachineReport(const std::string& machinePath, const std::string& warnings);
