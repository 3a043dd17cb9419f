// A script written to a file of its own for one test, removed again afterwards.
#pragma once
#include <string>
#include <vector>

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

// The text with a carriage return in front of every line feed.
std::string WithCrlf(const std::string& lf);

// Every byte of a file; empty when it cannot be read.
std::string ReadFileBytes(const std::string& path);

// Stand-ins, in the current folder, for the files that a compile opens: empty, but a
// ".wav" a sound the game plays, as the compile reads sounds; removed again afterwards.
// The bytes of a WAV file the game plays: two samples.
std::string TinyWave();

class StandInFiles {
public:
    explicit StandInFiles(const std::vector<std::string>& names);
    ~StandInFiles();
    StandInFiles(const StandInFiles&) = delete;
    StandInFiles& operator=(const StandInFiles&) = delete;

private:
    std::vector<std::string> names_;
};
