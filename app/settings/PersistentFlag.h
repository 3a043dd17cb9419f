// An on/off value kept in the registry as a REG_DWORD of 0 or 1, with listeners.
#pragma once
#include <cstdint>
#include <string>

#include "SettingListenerTable.h"

class PersistentFlag {
public:
    PersistentFlag(const char* section, const char* name, bool fallback);
    PersistentFlag(const PersistentFlag&) = delete;
    PersistentFlag& operator=(const PersistentFlag&) = delete;
    virtual ~PersistentFlag() = default;

    // As PersistentSetting::Set; listeners receive the int32_t 0 or 1.
    virtual bool Set(bool on);

    bool Get() const { return value_ != 0; }
    operator bool() const { return value_ != 0; }

    template <class Owner>
    uint32_t AddListener(Owner* owner, void (Owner::*member)(const int32_t&)) {
        return listeners_.Add(new MemberSettingListener<Owner, int32_t>(owner, member));
    }
    uint32_t AddListener(SettingListener* listener) { return listeners_.Add(listener); }
    void RemoveListener(uint32_t cookie) { listeners_.Remove(cookie); }
    uint32_t GetListenerCount() const { return listeners_.GetCount(); }

private:
    SettingListenerTable listeners_;
    int32_t value_;
    std::string section_;
    std::string name_;
};
