// One Sound of the script as the layout keeps it for the Sounds page: the sound's record
// and whether it was edited. Its commit writes an edited sound back.
#pragma once
#include <string>

#include "SymbolParts.h"

class MachineScript;

class SoundEntry {
public:
    SoundEntry(const std::string& name, const SoundPart& sound) : name_(name), sound_(sound) {}

    const std::string& GetName() const { return name_; }
    const SoundPart& GetSound() const { return sound_; }
    // An edit of the sound's file, asset number or compression.
    void SetSound(const SoundPart& sound);
    bool IsDirty() const { return dirty_; }
    // True when anything was written.
    bool CommitEdits(MachineScript& script);

private:
    std::string name_;
    SoundPart sound_;
    bool dirty_ = false;
};
