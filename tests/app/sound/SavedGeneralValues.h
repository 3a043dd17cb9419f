// Keeps the sound settings of section "General" as a test found them and puts them back
// afterwards, through the setting objects (so their cached values follow) and then in the
// registry itself (a value that was missing is removed again).
#pragma once
#include <windows.h>

#include <string>

#include "GeneralSettings.h"
#include "ProductKey.h"
#include "RegistryHelpers.h"

class SavedGeneralValues {
public:
    SavedGeneralValues()
        : path_(MakeSectionPath(kGeneralSection)),
          ambientPath_(GetAmbientPathSetting().Get()),
          ambientSounds_(GetAmbientSoundsSetting().Get()),
          soundEffects_(GetSoundEffectsSetting().Get()),
          hadAmbientPath_(ReadRegistryString(path_, "Ambient Path").front() != '<'),
          hadAmbientSounds_(ReadRegistryDword(path_, "Ambient Sounds", &scratch_)),
          hadSoundEffects_(ReadRegistryDword(path_, "Sound Effects", &scratch_)) {}

    ~SavedGeneralValues() {
        GetAmbientPathSetting().Set(ambientPath_.c_str());
        GetAmbientSoundsSetting().Set(ambientSounds_);
        GetSoundEffectsSetting().Set(soundEffects_);
        if (!hadAmbientPath_) DeleteValue("Ambient Path");
        if (!hadAmbientSounds_) DeleteValue("Ambient Sounds");
        if (!hadSoundEffects_) DeleteValue("Sound Effects");
    }

private:
    void DeleteValue(const char* name) const {
        HKEY key;
        if (RegOpenKeyExA(HKEY_LOCAL_MACHINE, path_.c_str(), 0, KEY_ALL_ACCESS, &key) != ERROR_SUCCESS) return;
        RegDeleteValueA(key, name);
        RegCloseKey(key);
    }

    DWORD scratch_ = 0;
    std::string path_;
    std::string ambientPath_;
    bool ambientSounds_;
    bool soundEffects_;
    bool hadAmbientPath_;
    bool hadAmbientSounds_;
    bool hadSoundEffects_;
};
