#include "PersistentSetting.h"

#include "ProductKey.h"
#include "RegKey.h"

bool WriteSettingDword(const std::string& section, const std::string& name, uint32_t value) {
    RegKey key(HKEY_LOCAL_MACHINE, MakeSectionPath(section.c_str()));
    if (key.Open() != ERROR_SUCCESS && key.Create() != ERROR_SUCCESS) return false;
    return key.SetDword(name.c_str(), value) == ERROR_SUCCESS;
}

uint32_t ReadSettingDword(const std::string& section, const std::string& name, uint32_t fallback) {
    RegKey key(HKEY_LOCAL_MACHINE, MakeSectionPath(section.c_str()));
    if (key.Open() != ERROR_SUCCESS) return fallback;
    return key.QueryDword(name.c_str(), fallback);
}

PersistentSetting::PersistentSetting(const char* section, const char* name, int32_t fallback)
    : value_(int32_t(ReadSettingDword(section, name, uint32_t(fallback)))), section_(section),
      name_(name) {}

bool PersistentSetting::Set(int32_t value) {
    if (value == value_) return false;
    if (!WriteSettingDword(section_, name_, uint32_t(value))) return false;
    value_ = value;
    listeners_.Notify(&value_);
    return true;
}
