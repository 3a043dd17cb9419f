// One Sound of the script as the layout keeps it for the Sounds page: the sound's record,
// its current name, the name under which it stands in the script, and what the author did
// to it (a new file, a rename, a deletion, or the whole sound added). Its commit writes
// the edits back into the script.
#pragma once
#include <string>

#include "SymbolParts.h"

class MachineScript;

class SoundEntry {
public:
    SoundEntry(const std::string& name, const SoundPart& sound) : name_(name), scriptName_(name), sound_(sound) {}

    const std::string& GetName() const { return name_; }
    const std::string& GetScriptName() const { return scriptName_; }
    const SoundPart& GetSound() const { return sound_; }
    // The row text of the Sounds page: the name, the file and, for an asset, its number.
    std::string RowText() const;

    // A new file (or asset) for the sound.
    void SetSound(const SoundPart& sound);
    void Rename(const std::string& name);
    void MarkDeleted() { deleted_ = true; }
    void MarkNew() { new_ = true; }
    bool IsDeleted() const { return deleted_; }
    bool IsNew() const { return new_; }
    bool IsDirty() const;
    // Queues the edits into the script; true when there were any. A sound added and
    // deleted again before the save leaves the script alone.
    bool CommitEdits(MachineScript& script);

private:
    std::string name_;
    std::string scriptName_;
    SoundPart sound_;
    bool fileChanged_ = false;
    bool deleted_ = false;
    bool renamed_ = false;
    bool new_ = false;
    bool deletionWritten_ = false;
};
