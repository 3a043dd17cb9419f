// A machine's script running in the real JScript engine against fakes of the play side:
// a machine of three reels, the indicators "Credit" and "Bet", the button "Spin" and the
// region "Lever".
#pragma once
#include <gtest/gtest.h>

#include "ScriptFakes.h"
#include "ScriptHost.h"

class ScriptTestRun : public ::testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;

    // Starts the script; the reels are attached as the machine screen does afterwards.
    bool Start(const std::string& code);
    // The value of a JScript expression in the running script, as a whole number.
    int32_t Eval(const std::string& expression);
    void ExpectLogged(const std::string& call);
    // The log is emptied.
    CallLog TakeLog();

    CallLog log;
    FakeMachine machine{log};
    FakeSounds sounds{log};
    FakeIndicator credit{log, "Credit"};
    FakeIndicator bet{log, "Bet"};
    FakeSpriteItem spin{log};
    FakeRegionItem lever{log};
    FakeReel reel0{log, 0}, reel1{log, 1}, reel2{log, 2};
    ScriptItems items;
    CollectedErrors errors;
    ScriptHost host{errors};
};
