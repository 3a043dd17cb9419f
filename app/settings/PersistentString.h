// A text kept in the registry as REG_SZ, with listeners told the new text.
#pragma once
#include <cstdint>
#include <string>

#include "SettingListenerTable.h"

class PersistentString {
public:
    PersistentString(const char* section, const char* name, const char* fallback);
    PersistentString(const PersistentString&) = delete;
    PersistentString& operator=(const PersistentString&) = delete;
    virtual ~PersistentString() = default;

    // As PersistentSetting::Set with a text comparison; listeners receive the text.
    virtual bool Set(const std::string& text);

    const std::string& Get() const { return value_; }

    template <class Owner>
    uint32_t AddListener(Owner* owner, void (Owner::*member)(const char*)) {
        return listeners_.Add(new MemberTextListener<Owner>(owner, member));
    }
    uint32_t AddListener(SettingListener* listener) { return listeners_.Add(listener); }
    void RemoveListener(uint32_t cookie) { listeners_.Remove(cookie); }
    uint32_t GetListenerCount() const { return listeners_.GetCount(); }

private:
    SettingListenerTable listeners_;
    std::string value_;
    std::string section_;
    std::string name_;
};
