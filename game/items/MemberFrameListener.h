// A frame listener embedded in its owner: each engine frame calls one of the owner's
// member operations with the elapsed frame count, on the engine's frame thread.
#pragma once
#include <cstdint>

#include "FrameListeners.h"

template <class Owner>
class MemberFrameListener : public FrameListener {
public:
    using Member = void (Owner::*)(int32_t elapsedFrames);
    MemberFrameListener(Owner* owner, Member member) : owner_(owner), member_(member) {}
    void OnFrame(int32_t elapsedFrames) override { (owner_->*member_)(elapsedFrames); }

private:
    Owner* owner_;
    Member member_;
};
