// Where a test finds the files that the build-time tools wrote. Its own build's folder, as
// it was compiled with it, unless the environment names two builds: VSL_OWN_BUILD, this
// build's folder, and VSL_OTHER_BUILD, another's (Unix paths; cmake/run-tests.sh sets them
// where the 32-bit and the 64-bit build both run). Then the same folder of the other build
// is used, so that each word size loads the files the other one wrote.
#pragma once
#include <cstdlib>
#include <string>

inline std::string BuiltFileFolder(const std::string& own) {
    const char* ownBuild = std::getenv("VSL_OWN_BUILD");
    const char* otherBuild = std::getenv("VSL_OTHER_BUILD");
    if (!ownBuild || !otherBuild || !*ownBuild) return own;
    const size_t at = own.find(ownBuild);
    if (at == std::string::npos) return own;
    return own.substr(0, at) + otherBuild + own.substr(at + std::string(ownBuild).size());
}
