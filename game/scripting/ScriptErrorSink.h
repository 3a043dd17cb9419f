// Where script errors go: the "Script Error" box and the debugger output in the game, a
// list in tests.
#pragma once
#include <string>

class ScriptErrorSink {
public:
    virtual void ShowScriptError(const std::string& text) = 0;

protected:
    ~ScriptErrorSink() = default;
};

// Shows the text in a message box captioned "Script Error", owned by the owner of the
// foreground window, which is disabled meanwhile; then writes it to the debugger output.
class ScriptErrorBox : public ScriptErrorSink {
public:
    void ShowScriptError(const std::string& text) override;
};
