// A script written to a file of its own for one test, removed again afterwards.
#pragma once
#include <string>

class ScriptFile {
public:
    explicit ScriptFile(const std::string& bytes);
    ~ScriptFile();
    ScriptFile(const ScriptFile&) = delete;
    ScriptFile& operator=(const ScriptFile&) = delete;

    const std::string& Path() const { return path_; }

private:
    std::string path_;
};

// The folder of the hand-written example scripts, with a trailing slash.
std::string ExampleScriptDir();
