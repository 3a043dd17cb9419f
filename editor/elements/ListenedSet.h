// An element's hold on the animation set whose edits it must hear of: the listener is
// registered with the set held, moves with it when another set is taken, and is removed
// when the hold ends.
#pragma once
#include "AnimationSet.h"

class ListenedSet {
public:
    explicit ListenedSet(SetListener* listener) : listener_(listener) {}
    ~ListenedSet() { Take(nullptr); }
    ListenedSet(const ListenedSet&) = delete;
    ListenedSet& operator=(const ListenedSet&) = delete;

    void Take(AnimationSet* set) {
        if (set == set_) return;
        if (set_) set_->RemoveListener(listener_);
        set_ = set;
        if (set_) set_->AddListener(listener_);
    }
    AnimationSet* Get() const { return set_; }
    bool HasFrames() const { return set_ && set_->GetLargestFrameSize().cx > 0; }

private:
    SetListener* listener_;
    AnimationSet* set_ = nullptr;
};
