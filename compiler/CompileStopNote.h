// The last line a tool adds to a compile's messages when it stops at a script that did not
// compile: what it did not do and why, naming the files that are missing.
#pragma once
#include <string>

class MachineScript;

// `stopped` says what the tool did not do ("The machine was not built"); the note goes on
// with the reason: the missing pictures and sounds by name, the count of the other warnings,
// or the error above. Empty for a compile the user cancelled (the compile said so).
std::string CompileStopNote(const MachineScript& script, const std::string& stopped);
