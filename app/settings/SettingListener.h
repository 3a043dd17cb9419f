// Listeners of a setting: told the new value after every real change. A listener binds an
// owner and one of its member operations; the setting owns it once added.
#pragma once
#include <cstdint>

// One operation on a value, with a deleting destructor.
class Callable {
public:
    virtual ~Callable() = default;
    virtual void Call(const void* value) = 0;
};

class SettingListener : public Callable {
public:
    // The pointer addresses the new value: an int32_t for numbers and flags, the text
    // (const char*, zero-terminated) for strings.
    virtual void OnChanged(const void* value) = 0;
    void Call(const void* value) override { OnChanged(value); }
};

// Calls owner->member(value) with the value typed.
template <class Owner, class Value>
class MemberSettingListener : public SettingListener {
public:
    using Member = void (Owner::*)(const Value& value);
    MemberSettingListener(Owner* owner, Member member) : owner_(owner), member_(member) {}
    void OnChanged(const void* value) override {
        (owner_->*member_)(*static_cast<const Value*>(value));
    }

private:
    Owner* owner_;
    Member member_;
};

// Text settings hand over the zero-terminated text itself.
template <class Owner>
class MemberTextListener : public SettingListener {
public:
    using Member = void (Owner::*)(const char* text);
    MemberTextListener(Owner* owner, Member member) : owner_(owner), member_(member) {}
    void OnChanged(const void* value) override { (owner_->*member_)(static_cast<const char*>(value)); }

private:
    Owner* owner_;
    Member member_;
};
