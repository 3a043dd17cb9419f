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

std::string WithCrlf(const std::string& lf) {
    std::string out;
    for (char c : lf) {
        if (c == '\n') out += '\r';
        out += c;
    }
    return out;
}

std::string ReadFileBytes(const std::string& path) {
    std::string out;
    if (std::FILE* f = std::fopen(path.c_str(), "rb")) {
        char block[4096];
        size_t n;
        while ((n = std::fread(block, 1, sizeof block, f)) > 0) out.append(block, n);
        std::fclose(f);
    }
    return out;
}

std::string TinyWave() {
    // 8-bit mono PCM at 11025 Hz, two samples.
    return std::string("RIFF\x26\0\0\0WAVEfmt \x10\0\0\0\x01\0\x01\0\x11\x2b\0\0\x11\x2b\0\0\x01\0\x08\0"
                       "data\x02\0\0\0\x80\x80", 46);
}

StandInFiles::StandInFiles(const std::vector<std::string>& names) : names_(names) {
    for (const std::string& name : names_)
        if (std::FILE* f = std::fopen(name.c_str(), "wb")) {
            const bool wave = name.size() > 4 && name.compare(name.size() - 4, 4, ".wav") == 0;
            if (wave) std::fwrite(TinyWave().data(), 1, TinyWave().size(), f);
            std::fclose(f);
        }
}

StandInFiles::~StandInFiles() {
    for (const std::string& name : names_) std::remove(name.c_str());
}
