#include "SettingProgressiveStore.h"

#include "GeneralSettings.h"
#include "PersistentSetting.h"

int32_t SettingProgressiveStore::Read(const std::string& name) {
    return int32_t(ReadSettingDword(kGeneralSection, name, uint32_t(-1)));
}

bool SettingProgressiveStore::Write(const std::string& name, int32_t value) {
    return WriteSettingDword(kGeneralSection, name, uint32_t(value));
}
