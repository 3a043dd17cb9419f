#include "ScriptTestRun.h"

#include <algorithm>

void ScriptTestRun::SetUp() {
    // The test keeps the apartment, so that a host that stops inside a call does not end it.
    CoInitialize(nullptr);
    items.indicators = {{"Credit", &credit, {}}, {"Bet", &bet, {}}};
    items.sprites = {{"Spin", &spin, {}}};
    items.regions = {{"Lever", &lever, {}}};
}

void ScriptTestRun::TearDown() {
    host.Stop();
    CoUninitialize();
}

bool ScriptTestRun::Start(const std::string& code) {
    bool started = host.Start(machine, sounds, items, code, TypeLibraryPath());
    host.AttachReels({&reel0, &reel1, &reel2});
    return started;
}

int32_t ScriptTestRun::Eval(const std::string& expression) {
    int32_t value = -12345;
    EXPECT_TRUE(host.EvaluatePayout(expression, value)) << expression;
    return value;
}

void ScriptTestRun::ExpectLogged(const std::string& call) {
    EXPECT_NE(std::find(log.begin(), log.end(), call), log.end()) << "not called: " << call;
}

CallLog ScriptTestRun::TakeLog() {
    CallLog taken;
    taken.swap(log);
    return taken;
}
