// Script errors that arrive while the machine is being built (the engine's token held, the
// window not yet shown) are held and shown once the screen is entered; afterwards they go
// straight through.
#pragma once
#include <string>
#include <vector>

#include "ScriptErrorSink.h"

class HeldScriptErrors : public ScriptErrorSink {
public:
    explicit HeldScriptErrors(ScriptErrorSink& target) : target_(target) {}

    void ShowScriptError(const std::string& text) override;
    void Hold() { holding_ = true; }
    // Shows what was held, in order, and lets later errors through.
    void Release();

private:
    ScriptErrorSink& target_;
    bool holding_ = false;
    std::vector<std::string> held_;
};
