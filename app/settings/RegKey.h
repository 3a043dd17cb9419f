// A registry key by root and path; opened and created on demand, closed with the object.
#pragma once
#include <windows.h>

#include <string>

class RegKey {
public:
    RegKey(HKEY root, const std::string& path) : path_(path), root_(root) {}
    RegKey(const RegKey&) = delete;
    RegKey& operator=(const RegKey&) = delete;
    ~RegKey() { Close(); }

    // RegOpenKeyExA with all access; returns the error code (the handle stays null).
    LONG Open();
    // RegCreateKeyExA for writing; returns the error code.
    LONG Create();
    bool IsOpen() const { return key_ != nullptr; }
    void Close();

    // Any failure gives the default.
    DWORD QueryDword(const char* name, DWORD fallback) const;
    // Any failure gives the default (empty for none). A stored text is read up to its
    // first zero and never past the 256 bytes read.
    std::string QueryString(const char* name, const char* fallback) const;
    LONG SetDword(const char* name, DWORD value);
    LONG SetString(const char* name, const std::string& text);
    // True while a value exists at the index; the data size is in/out.
    bool EnumValues(DWORD index, std::string* name, DWORD* type, BYTE* data, DWORD* dataSize) const;

    HKEY GetHandle() const { return key_; }
    const std::string& GetPath() const { return path_; }

private:
    HKEY key_ = nullptr;
    std::string path_;
    HKEY root_;
};
