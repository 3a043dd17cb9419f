#include "SoundEntry.h"

#include "MachineScript.h"

std::string SoundEntry::RowText() const {
    std::string text = name_ + " " + sound_.file;
    if (sound_.assetNumber) text += ", " + std::to_string(sound_.assetNumber);
    return text;
}

void SoundEntry::SetSound(const SoundPart& sound) {
    sound_.file = sound.file;
    sound_.assetNumber = sound.assetNumber;
    sound_.compressed = sound.compressed;
    fileChanged_ = true;
}

void SoundEntry::Rename(const std::string& name) {
    name_ = name;
    renamed_ = true;
}

bool SoundEntry::IsDirty() const { return fileChanged_ || renamed_ || (deleted_ && !deletionWritten_); }

bool SoundEntry::CommitEdits(MachineScript& script) {
    if (!IsDirty() && !new_) return false;
    if (deleted_) {
        if (!new_) script.DeleteElement(scriptName_);
        deletionWritten_ = true;
    } else if (new_) {
        script.DefineSound(name_, sound_);
    } else {
        if (fileChanged_) script.SetSound(scriptName_, sound_);
        if (renamed_) script.RenameElement(scriptName_, name_);
    }
    // Queued once: a save that is tried again after a failure writes nothing twice. The
    // compiled script knows the sound by the name it was read or defined under until the
    // next compile, so a renamed sound keeps that name for its later edits.
    if (new_) scriptName_ = name_;
    fileChanged_ = renamed_ = new_ = false;
    return true;
}
