#include "GeneralSettings.h"

const char kGeneralSection[] = "General";

PersistentString& GetAmbientPathSetting() {
    static PersistentString setting(kGeneralSection, "Ambient Path", "");
    return setting;
}

PersistentString& GetMoviePathSetting() {
    static PersistentString setting(kGeneralSection, "Movie Path", "");
    return setting;
}

PersistentString& GetClipArtPathSetting() {
    static PersistentString setting(kGeneralSection, "Clip Art Path", "");
    return setting;
}

PersistentFlag& GetIntroSequenceSetting() {
    static PersistentFlag setting(kGeneralSection, "Intro Sequence", false);
    return setting;
}

PersistentFlag& GetSoundEffectsSetting() {
    static PersistentFlag setting(kGeneralSection, "Sound Effects", true);
    return setting;
}

PersistentFlag& GetAmbientSoundsSetting() {
    static PersistentFlag setting(kGeneralSection, "Ambient Sounds", true);
    return setting;
}

DenominationSetting& GetDenominationSetting() {
    static DenominationSetting setting(kGeneralSection, "Denomination", 100);
    return setting;
}

PersistentFlag& GetMoreThanOnceSetting() {
    static PersistentFlag setting(kGeneralSection, "MoreThanOnce", false);
    return setting;
}

PersistentFlag& GetPromptCDSetting() {
    static PersistentFlag setting(kGeneralSection, "PromptCD", true);
    return setting;
}
