#include "GeneralSettings.h"
#include "ScriptSoundPlayer.h"
#include "SoundSystem.h"

void EffectSoundPlayer::PlayAssetSound(int32_t asset) {
    if (GetSoundEffectsSetting().Get()) GetSoundSystem().PlayAssetSound(static_cast<uint32_t>(asset), 0, 0, 0, 0);
}

void EffectSoundPlayer::StopAll() {
    if (GetSoundEffectsSetting().Get()) GetSoundSystem().FlushAll();
}
