// The script host with the real JScript engine: starting, named items, scriptlets bound
// to events, script errors with their line, payout expressions, and stopping while a
// script call is running.
#include "ScriptTestRun.h"

using ScriptHostTest = ScriptTestRun;

TEST_F(ScriptHostTest, RunsTheCodeWithTheMachineAndItsItemsNamed) {
    ASSERT_TRUE(Start("var name = machine.Title; var cents = Denomination * 100;\n"
                      "Credit.Value = 7; Bet.Value = Credit.Value + 1;"));
    EXPECT_TRUE(host.IsRunning());
    EXPECT_TRUE(errors.texts.empty()) << errors.texts[0];
    EXPECT_EQ(7, credit.value);
    EXPECT_EQ(8, bet.value);
    EXPECT_EQ(25, Eval("cents"));
    EXPECT_EQ(13, Eval("name.length"));
}
