// The intro's settings set for a test and put back after it.
#pragma once
#include "GeneralSettings.h"

class IntroSettings {
public:
    IntroSettings()
        : skip_(GetIntroSequenceSetting().Get()),
          moreThanOnce_(GetMoreThanOnceSetting().Get()),
          moviePath_(GetMoviePathSetting().Get()),
          promptCD_(GetPromptCDSetting().Get()) {}
    ~IntroSettings() {
        GetIntroSequenceSetting().Set(skip_);
        GetMoreThanOnceSetting().Set(moreThanOnce_);
        GetMoviePathSetting().Set(moviePath_);
        GetPromptCDSetting().Set(promptCD_);
    }

private:
    bool skip_;
    bool moreThanOnce_;
    std::string moviePath_;
    bool promptCD_;
};
