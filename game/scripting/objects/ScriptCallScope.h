// Marks our calls into the script engine (parsing, connecting, firing events into
// handlers). An engine must not be closed while one of its calls is on the stack: a
// script that makes its machine stop has its engine closed when the outermost call
// returns.
#pragma once
#include <activscp.h>

class ScriptCallScope {
public:
    ScriptCallScope();
    ScriptCallScope(const ScriptCallScope&) = delete;
    ScriptCallScope& operator=(const ScriptCallScope&) = delete;
    // The outermost scope closes the engines that were stopped inside it.
    ~ScriptCallScope();

    static bool Active();
};

// Closes and releases the engine now, or when the running script call returns.
void CloseEngineWhenIdle(IActiveScript* engine);
