#include "PersistentFlag.h"

#include "PersistentSetting.h"

PersistentFlag::PersistentFlag(const char* section, const char* name, bool fallback)
    : value_(ReadSettingDword(section, name, fallback ? 1u : 0u) != 0 ? 1 : 0), section_(section),
      name_(name) {}

bool PersistentFlag::Set(bool on) {
    const int32_t value = on ? 1 : 0;
    if (value == value_) return false;
    if (!WriteSettingDword(section_, name_, uint32_t(value))) return false;
    value_ = value;
    listeners_.Notify(&value_);
    return true;
}
