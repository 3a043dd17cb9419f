// Keeps the settings that the CD dialogs change as a test found them and puts them back
// afterwards, through the setting objects (so their cached values follow) and then in the
// registry itself (a value that was missing is removed again). Also clears the program's
// choice to go without the CD, before and after.
#pragma once
#include <windows.h>

#include <functional>
#include <string>
#include <vector>

#include "CDFolders.h"
#include "GeneralSettings.h"
#include "ProductKey.h"
#include "RegistryHelpers.h"

class SavedCDSettings {
public:
    SavedCDSettings() : path_(MakeSectionPath(kGeneralSection)) {
        Keep(GetMoviePathSetting(), "Movie Path");
        Keep(GetAmbientPathSetting(), "Ambient Path");
        Keep(GetClipArtPathSetting(), "Clip Art Path");
        Keep(GetSoundEffectsSetting(), "Sound Effects");
        Keep(GetAmbientSoundsSetting(), "Ambient Sounds");
        Keep(GetIntroSequenceSetting(), "Intro Sequence");
        Keep(GetPromptCDSetting(), "PromptCD");
        Keep(GetDenominationSetting(), "Denomination");
        SetSkippingCD(false);
    }
    ~SavedCDSettings() {
        for (auto it = restores_.rbegin(); it != restores_.rend(); ++it) (*it)();
        SetSkippingCD(false);
    }

private:
    template <class Setting>
    void Keep(Setting& setting, const char* name) {
        const auto value = setting.Get();
        DWORD scratch = 0;
        const bool stored = ReadRegistryDword(path_, name, &scratch) || ReadRegistryString(path_, name).front() != '<';
        restores_.push_back([this, &setting, value, name, stored] {
            setting.Set(value);
            if (!stored) DeleteRegistryValue(path_, name);
        });
    }

    std::string path_;
    std::vector<std::function<void()>> restores_;
};
