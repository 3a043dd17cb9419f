#include "SequenceFileName.h"

namespace {
int sequenceCounter = 0;
}  // namespace

std::string NextSequenceFileName(const std::function<bool(const std::string&)>& exists) {
    std::string name;
    do {
        name = "anim" + std::to_string(sequenceCounter++) + ".seq";
    } while (exists(name));
    return name;
}

void ResetSequenceFileCounter() { sequenceCounter = 0; }
