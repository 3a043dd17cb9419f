#include "ScriptFile.h"

#include <cstdio>
#include <random>

ScriptFile::ScriptFile(const std::string& bytes) {
    static unsigned counter = 0;
    static const unsigned seed = std::random_device{}();
    path_ = "script_" + std::to_string(seed) + "_" + std::to_string(++counter) + ".vsl";
    std::FILE* f = std::fopen(path_.c_str(), "wb");
    if (f) {
        std::fwrite(bytes.data(), 1, bytes.size(), f);
        std::fclose(f);
    }
}

ScriptFile::~ScriptFile() { std::remove(path_.c_str()); }

std::string ExampleScriptDir() { return VSL_TEST_SCRIPTS "/"; }
