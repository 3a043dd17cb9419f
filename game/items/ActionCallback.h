// A face element's action that calls a target's member operation with the element.
#pragma once
#include "ElementAction.h"

template <class Target>
class ActionCallback : public ElementAction {
public:
    using Member = void (Target::*)(FaceElement& element);
    ActionCallback(Target* target, Member member) : target_(target), member_(member) {}
    void Invoke(FaceElement& element) override { (target_->*member_)(element); }

private:
    Target* target_;
    Member member_;
};
