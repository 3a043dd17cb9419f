// A number kept in the registry (REG_DWORD) under the product key and a section, read
// once when built and written on every real change, with listeners told each change.
#pragma once
#include <cstdint>
#include <string>

#include "SettingListenerTable.h"

class PersistentSetting {
public:
    PersistentSetting(const char* section, const char* name, int32_t fallback);
    PersistentSetting(const PersistentSetting&) = delete;
    PersistentSetting& operator=(const PersistentSetting&) = delete;
    virtual ~PersistentSetting() = default;

    // Writes and caches a new value and tells the listeners. An equal value does nothing;
    // a value the registry refuses is not cached and told to nobody. True when the value
    // in force changed.
    virtual bool Set(int32_t value);

    int32_t Get() const { return value_; }
    operator int32_t() const { return value_; }

    // Returns the cookie that removes the listener again.
    template <class Owner>
    uint32_t AddListener(Owner* owner, void (Owner::*member)(const int32_t&)) {
        return listeners_.Add(new MemberSettingListener<Owner, int32_t>(owner, member));
    }
    uint32_t AddListener(SettingListener* listener) { return listeners_.Add(listener); }
    void RemoveListener(uint32_t cookie) { listeners_.Remove(cookie); }
    uint32_t GetListenerCount() const { return listeners_.GetCount(); }
    size_t GetListenerTableSize() const { return listeners_.GetSize(); }

    const char* GetSection() const { return section_.c_str(); }
    const char* GetName() const { return name_.c_str(); }

protected:
    SettingListenerTable listeners_;
    int32_t value_;
    std::string section_;
    std::string name_;
};

// Writes a 32-bit value under the product key and section; true when it was stored.
bool WriteSettingDword(const std::string& section, const std::string& name, uint32_t value);
// Reads it; the default when the key or the value is missing.
uint32_t ReadSettingDword(const std::string& section, const std::string& name, uint32_t fallback);
