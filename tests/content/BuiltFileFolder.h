// Where a test finds the files that the build-time tools wrote. Its own build's folder, as
// it was compiled with it, unless the environment names two builds: VSL_OWN_BUILD, this
// build's folder, and VSL_OTHER_BUILD, another's (Unix paths; cmake/run-tests.sh sets them
// where the 32-bit and the 64-bit build both run). Then the same folder of the other build
// is used, so that each word size loads the files the other one wrote. A test asked for
// the other build's files never loads its own instead: when the folder is not in
// VSL_OWN_BUILD, or the other build is not named or is this one, the test program fails.
// Each folder is named on the test's output as it is chosen.
#pragma once
#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <set>
#include <string>
#include <vector>

namespace built_files {

// Why the other build's files cannot be loaded, one line each.
inline std::vector<std::string>& Faults() {
    static std::vector<std::string> faults;
    return faults;
}

// Fails the test program before its first test when a folder could not be mapped.
class FaultCheck : public ::testing::Environment {
public:
    void SetUp() override {
        for (const std::string& fault : Faults()) ADD_FAILURE() << fault;
    }
};
inline ::testing::Environment* const kFaultCheck = ::testing::AddGlobalTestEnvironment(new FaultCheck);

// The other build's folder for own, or why there is none.
inline std::string OtherFolder(const std::string& own, const std::string& ownBuild, const char* otherBuild,
                               std::string& fault) {
    if (!otherBuild || !*otherBuild) {
        fault = "VSL_OWN_BUILD is set but VSL_OTHER_BUILD names no build";
        return own;
    }
    if (ownBuild == otherBuild) {
        fault = "VSL_OTHER_BUILD names this build itself: " + ownBuild;
        return own;
    }
    const size_t at = own.find(ownBuild);
    if (at == std::string::npos) {
        fault = "the folder " + own + " is not in VSL_OWN_BUILD " + ownBuild;
        return own;
    }
    return own.substr(0, at) + otherBuild + own.substr(at + ownBuild.size());
}

}  // namespace built_files

inline std::string BuiltFileFolder(const std::string& own) {
    const char* ownBuild = std::getenv("VSL_OWN_BUILD");
    std::string folder = own, fault;
    if (ownBuild && *ownBuild) folder = built_files::OtherFolder(own, ownBuild, std::getenv("VSL_OTHER_BUILD"), fault);
    if (!fault.empty()) built_files::Faults().push_back("the other build's files cannot be loaded: " + fault);
    static std::set<std::string> named;
    if (named.insert(folder).second)
        std::printf("loading the files the build-time tools wrote from %s%s\n", folder.c_str(),
                    folder == own ? " (this build's own)" : " (the other build's)");
    return folder;
}
