#include "HeldScriptErrors.h"

void HeldScriptErrors::ShowScriptError(const std::string& text) {
    if (holding_)
        held_.push_back(text);
    else
        target_.ShowScriptError(text);
}

void HeldScriptErrors::Release() {
    holding_ = false;
    std::vector<std::string> held;
    held.swap(held_);
    for (const std::string& text : held) target_.ShowScriptError(text);
}
