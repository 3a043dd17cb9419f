// A queued edit of a machine script: the new text of one value, printed when the script is
// written, and the entry of the description's patch list that says where it goes.
#pragma once
#include <cstdint>
#include <memory>
#include <string>

#include "SourceSpan.h"

class SourcePatch {
public:
    virtual ~SourcePatch() = default;
    // The value's new script text.
    virtual std::string GetText() const = 0;
};

struct PatchEntry {
    int32_t start = 0;     // copied from the span when the patch was queued
    int32_t end = 0;
    bool insert = false;
    std::unique_ptr<SourcePatch> patch;
    SourceSpan* span = nullptr;  // the span whose patch pointer names this patch
    int32_t owner = 0;           // who queued it last (MachineDescription::SetPatchOwner)
};
