#include "PersistentString.h"

#include "ProductKey.h"
#include "RegKey.h"

PersistentString::PersistentString(const char* section, const char* name, const char* fallback)
    : section_(section), name_(name) {
    RegKey key(HKEY_LOCAL_MACHINE, MakeSectionPath(section));
    key.Open();
    value_ = key.QueryString(name, fallback);
}

bool PersistentString::Set(const std::string& text) {
    const std::string value = text.c_str();  // the registry keeps a text up to its first zero
    if (value == value_) return false;
    RegKey key(HKEY_LOCAL_MACHINE, MakeSectionPath(section_.c_str()));
    if (key.Open() != ERROR_SUCCESS && key.Create() != ERROR_SUCCESS) return false;
    if (key.SetString(name_.c_str(), value) != ERROR_SUCCESS) return false;
    value_ = value;
    listeners_.Notify(value_.c_str());
    return true;
}
