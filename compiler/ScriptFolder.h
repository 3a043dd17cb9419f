// A machine script names its pictures and sounds relative to its own folder: the tools
// that compile a script work in that folder while they do.
#pragma once
#include <filesystem>
#include <string>

// The path made whole against the current directory (unchanged when that fails).
std::string WholePath(const std::string& path);

// While it lives, the current directory is the script's folder; it goes back to what it
// was at the end.
class InScriptFolder {
public:
    explicit InScriptFolder(const std::string& scriptPath);
    ~InScriptFolder();
    InScriptFolder(const InScriptFolder&) = delete;
    InScriptFolder& operator=(const InScriptFolder&) = delete;

    // The script's whole path, good in the folder and out of it.
    const std::string& ScriptPath() const { return script_; }

private:
    std::filesystem::path previous_;
    std::string script_;
};

// Makes the script's folder the current directory.
void EnterScriptFolder(const std::string& scriptPath);
