#include "RegKey.h"

#include <cstring>

LONG RegKey::Open() {
    Close();
    const LONG error = RegOpenKeyExA(root_, path_.c_str(), 0, KEY_ALL_ACCESS, &key_);
    if (error != ERROR_SUCCESS) key_ = nullptr;
    return error;
}

LONG RegKey::Create() {
    Close();
    char emptyClass[1] = "";
    DWORD disposition = 0;
    const LONG error = RegCreateKeyExA(root_, path_.c_str(), 0, emptyClass, REG_OPTION_NON_VOLATILE,
                                       KEY_WRITE, nullptr, &key_, &disposition);
    if (error != ERROR_SUCCESS) key_ = nullptr;
    return error;
}

void RegKey::Close() {
    if (key_) RegCloseKey(key_);
    key_ = nullptr;
}

DWORD RegKey::QueryDword(const char* name, DWORD fallback) const {
    if (!key_) return fallback;
    DWORD value = 0;
    DWORD size = sizeof value;
    if (RegQueryValueExA(key_, name, nullptr, nullptr, reinterpret_cast<BYTE*>(&value), &size) !=
        ERROR_SUCCESS)
        return fallback;
    return value;
}

std::string RegKey::QueryString(const char* name, const char* fallback) const {
    const std::string otherwise = fallback ? fallback : "";
    if (!key_) return otherwise;
    char buffer[256];
    DWORD size = sizeof buffer;
    if (RegQueryValueExA(key_, name, nullptr, nullptr, reinterpret_cast<BYTE*>(buffer), &size) !=
        ERROR_SUCCESS)
        return otherwise;
    // A stored text need not end in a zero: never read past what came back.
    if (size > sizeof buffer) size = sizeof buffer;
    return std::string(buffer, strnlen(buffer, size));
}

LONG RegKey::SetDword(const char* name, DWORD value) {
    if (!key_) return ERROR_INVALID_HANDLE;
    return RegSetValueExA(key_, name, 0, REG_DWORD, reinterpret_cast<const BYTE*>(&value), sizeof value);
}

LONG RegKey::SetString(const char* name, const std::string& text) {
    if (!key_) return ERROR_INVALID_HANDLE;
    const std::string stored = text.c_str();  // up to the first zero
    return RegSetValueExA(key_, name, 0, REG_SZ, reinterpret_cast<const BYTE*>(stored.c_str()),
                          DWORD(stored.size() + 1));
}

bool RegKey::EnumValues(DWORD index, std::string* name, DWORD* type, BYTE* data, DWORD* dataSize) const {
    if (!key_) return false;
    char nameBuffer[128] = {};
    DWORD nameLength = sizeof nameBuffer;
    const LONG error = RegEnumValueA(key_, index, nameBuffer, &nameLength, nullptr, type, data, dataSize);
    if (error != ERROR_SUCCESS && error != ERROR_MORE_DATA) return false;
    if (name) name->assign(nameBuffer, strnlen(nameBuffer, sizeof nameBuffer));
    return true;
}
