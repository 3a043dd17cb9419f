// The file names the main window works out: the machine file named on the command line
// (quotes stripped, escapes decoded) and the machine file that a compiled script becomes.
#pragma once
#include <string>

// Every "%" followed by two hexadecimal digits becomes the character of that code. False
// (and `out` unusable) when an escape gives a path separator or a zero character: such a
// name could reach outside the folder it is copied to.
bool DecodePercentEscapes(const std::string& text, std::string& out);

// Splits at the last "\" or, without one, the last "/": the folder keeps the separator,
// the name is what follows (all of the path when there is none).
void SplitPath(const std::string& path, std::string& folder, std::string& name);

// The command line without blanks around it and without the quotes around the path.
std::string UnquoteCommandLine(const std::string& commandLine);

// The machine file named on the command line, as given and decoded, each split.
struct CommandLineMachine {
    std::string raw, rawFolder, rawName;
    std::string decoded, decodedFolder, decodedName;
};

// False when there is no usable file name: empty, an escape refused by
// DecodePercentEscapes, or a decoded name that is "." or "..".
bool ReadCommandLineMachine(const std::string& commandLine, CommandLineMachine& machine);

// The path of `name` in `folder`, with one separator between them.
std::string JoinPath(const std::string& folder, const std::string& name);

// The machine file of a script: the script's own file name with its extension (from the
// name's last ".") replaced by ".slot", or ".slot" added when the name has none, in `folder`.
std::string MachineFileForScript(const std::string& scriptPath, const std::string& folder);
