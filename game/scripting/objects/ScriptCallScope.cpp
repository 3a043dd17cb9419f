#include "ScriptCallScope.h"

#include <vector>

#include "ComRef.h"

namespace {

// Scripts run on the user-interface thread only.
int depth = 0;
std::vector<ComRef<IActiveScript>>& StoppedEngines() {
    static std::vector<ComRef<IActiveScript>> engines;
    return engines;
}

}  // namespace

ScriptCallScope::ScriptCallScope() {
    ++depth;
}

ScriptCallScope::~ScriptCallScope() {
    if (--depth > 0) return;
    std::vector<ComRef<IActiveScript>> engines;
    engines.swap(StoppedEngines());
    for (ComRef<IActiveScript>& engine : engines) engine->Close();
}

bool ScriptCallScope::Active() {
    return depth > 0;
}

void CloseEngineWhenIdle(IActiveScript* engine) {
    if (!engine) return;
    if (depth > 0)
        StoppedEngines().push_back(ComRef<IActiveScript>::Shared(engine));
    else
        engine->Close();
}
