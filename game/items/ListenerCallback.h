// The listener objects of a ListenerList: a target and one of its member operations,
// called with a pointer to the new value.
#pragma once

class ListenerCallbackBase {
public:
    virtual ~ListenerCallbackBase() = default;
    virtual void Invoke(const void* value) = 0;
};

// Calls target->member(value) with the value typed.
template <class Target, class Value>
class ListenerCallback : public ListenerCallbackBase {
public:
    using Member = void (Target::*)(const Value* value);
    ListenerCallback(Target* target, Member member) : target_(target), member_(member) {}
    void Invoke(const void* value) override { (target_->*member_)(static_cast<const Value*>(value)); }

private:
    Target* target_;
    Member member_;
};
