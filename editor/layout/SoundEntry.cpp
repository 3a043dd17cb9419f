#include "SoundEntry.h"

#include "MachineScript.h"

void SoundEntry::SetSound(const SoundPart& sound) {
    sound_.file = sound.file;
    sound_.assetNumber = sound.assetNumber;
    sound_.compressed = sound.compressed;
    dirty_ = true;
}

bool SoundEntry::CommitEdits(MachineScript& script) {
    if (!dirty_) return false;
    script.SetSound(name_, sound_);
    dirty_ = false;
    return true;
}
