// Registry set-up for tests: whole keys removed and values written directly.
#pragma once
#include <windows.h>

#include <string>

inline void DeleteRegistryTree(HKEY root, const std::string& path) {
    HKEY key;
    if (RegOpenKeyExA(root, path.c_str(), 0, KEY_ALL_ACCESS, &key) != ERROR_SUCCESS) return;
    char name[256];
    while (true) {
        DWORD length = sizeof name;
        if (RegEnumKeyExA(key, 0, name, &length, nullptr, nullptr, nullptr, nullptr) != ERROR_SUCCESS) break;
        DeleteRegistryTree(key, name);
    }
    RegCloseKey(key);
    RegDeleteKeyA(root, path.c_str());
}

inline void DeleteRegistryValue(const std::string& path, const char* name) {
    HKEY key;
    if (RegOpenKeyExA(HKEY_LOCAL_MACHINE, path.c_str(), 0, KEY_SET_VALUE, &key) != ERROR_SUCCESS) return;
    RegDeleteValueA(key, name);
    RegCloseKey(key);
}

inline void WriteRegistryString(const std::string& path, const char* name, const std::string& text) {
    HKEY key;
    if (RegCreateKeyExA(HKEY_LOCAL_MACHINE, path.c_str(), 0, nullptr, 0, KEY_WRITE, nullptr, &key, nullptr) !=
        ERROR_SUCCESS)
        return;
    RegSetValueExA(key, name, 0, REG_SZ, reinterpret_cast<const BYTE*>(text.c_str()), DWORD(text.size() + 1));
    RegCloseKey(key);
}

inline void WriteRegistryDword(const std::string& path, const char* name, DWORD value) {
    HKEY key;
    if (RegCreateKeyExA(HKEY_LOCAL_MACHINE, path.c_str(), 0, nullptr, 0, KEY_WRITE, nullptr, &key, nullptr) !=
        ERROR_SUCCESS)
        return;
    RegSetValueExA(key, name, 0, REG_DWORD, reinterpret_cast<const BYTE*>(&value), sizeof value);
    RegCloseKey(key);
}

inline bool ReadRegistryDword(const std::string& path, const char* name, DWORD* value) {
    HKEY key;
    if (RegOpenKeyExA(HKEY_LOCAL_MACHINE, path.c_str(), 0, KEY_READ, &key) != ERROR_SUCCESS) return false;
    DWORD size = sizeof *value;
    const bool ok = RegQueryValueExA(key, name, nullptr, nullptr, reinterpret_cast<BYTE*>(value), &size) == ERROR_SUCCESS;
    RegCloseKey(key);
    return ok;
}

inline std::string ReadRegistryString(const std::string& path, const char* name) {
    HKEY key;
    if (RegOpenKeyExA(HKEY_LOCAL_MACHINE, path.c_str(), 0, KEY_READ, &key) != ERROR_SUCCESS) return "<no key>";
    char text[256] = {};
    DWORD size = sizeof text - 1;
    const bool ok = RegQueryValueExA(key, name, nullptr, nullptr, reinterpret_cast<BYTE*>(text), &size) == ERROR_SUCCESS;
    RegCloseKey(key);
    return ok ? std::string(text) : "<no value>";
}

// The Front Desk section holding one active player, as the game stores a record.
inline void WriteOnePlayer(const std::string& frontDesk, const char* name, DWORD cents, DWORD date) {
    DeleteRegistryTree(HKEY_LOCAL_MACHINE, frontDesk);
    WriteRegistryString(frontDesk, "Player1Name", name);
    WriteRegistryDword(frontDesk, "Player1Cash", cents);
    WriteRegistryDword(frontDesk, "Player1Date", date);
    WriteRegistryDword(frontDesk, "Player1Active", 1);
}
