// The program's settings of section "General", each built on first use (on the
// user-interface thread) and destroyed at exit.
#pragma once
#include "DenominationSetting.h"
#include "PersistentFlag.h"
#include "PersistentSetting.h"
#include "PersistentString.h"

extern const char kGeneralSection[];  // "General"

PersistentString& GetAmbientPathSetting();
PersistentString& GetMoviePathSetting();
PersistentString& GetClipArtPathSetting();
PersistentFlag& GetIntroSequenceSetting();
PersistentFlag& GetSoundEffectsSetting();
PersistentFlag& GetAmbientSoundsSetting();
DenominationSetting& GetDenominationSetting();
PersistentFlag& GetMoreThanOnceSetting();
PersistentFlag& GetPromptCDSetting();
