// The script's sounds on a machine: the script names a sound by its number in the machine
// file, the sound system plays it by the engine's asset handle.
#pragma once
#include "MachineFile.h"
#include "ScriptSoundPlayer.h"

class ScriptFaceSounds : public ScriptSoundPlayer {
public:
    explicit ScriptFaceSounds(const MachineFile& file) : file_(file) {}
    void PlayAssetSound(int32_t asset) override { player_.PlayAssetSound(int32_t(file_.Asset(uint32_t(asset)))); }
    void StopAll() override { player_.StopAll(); }

private:
    const MachineFile& file_;
    EffectSoundPlayer player_;
};
