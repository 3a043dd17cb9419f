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

TEST_F(ScriptHostTest, ScriptErrorsAreReportedWithTheirLineAndSource) {
    ASSERT_TRUE(Start("var a = 1;\n"
                      "var b = 2;\n"
                      "var c = (;\n"));
    ASSERT_EQ(1u, errors.texts.size());
    const std::string& text = errors.texts[0];
    EXPECT_EQ(0u, text.find("Syntax error\nSrc: Microsoft JScript compilation error\nLine:3 Error:0 Scode:800a03ea"))
        << text;
    EXPECT_NE(std::string::npos, text.find("\nvar c = (;")) << text;
    EXPECT_TRUE(host.IsRunning());  // the script stays connected

    errors.texts.clear();
    int32_t ignored = 0;
    EXPECT_FALSE(host.EvaluatePayout("machine.NoSuchMember()", ignored));
    ASSERT_EQ(1u, errors.texts.size());
}

// The code stands in the machine's script file after the description; its errors name the
// file's line, whether the engine finds them as it reads the code or as a handler runs.
TEST_F(ScriptHostTest, ScriptErrorsNameTheLineOfTheScriptFile) {
    host.SetCodeLine(40);
    ASSERT_TRUE(Start("\n"
                      "var b = 2;\n"
                      "var c = (;\n"));
    ASSERT_EQ(1u, errors.texts.size());
    EXPECT_NE(std::string::npos, errors.texts[0].find("\nLine:42 Error:")) << errors.texts[0];

    errors.texts.clear();
    host.SetCodeLine(71);
    ASSERT_TRUE(Start("\n"
                      "// The reels whirr while they turn.\n"
                      "function machine::OnReelsStart() {\n"
                      "    machine.PlaySound(Whirr);\n"
                      "}\n"));
    EXPECT_TRUE(errors.texts.empty()) << errors.texts[0];
    host.FireOnReelsStart();
    ASSERT_EQ(1u, errors.texts.size());
    EXPECT_NE(std::string::npos, errors.texts[0].find("Whirr")) << errors.texts[0];
    EXPECT_NE(std::string::npos, errors.texts[0].find("\nLine:74 Error:")) << errors.texts[0];
}

TEST_F(ScriptHostTest, ScriptletPayoutsAreEvaluatedInTheScript) {
    ASSERT_TRUE(Start("function Bonus(coins) { return coins * 3; }"));
    int32_t amount = 0;
    EXPECT_TRUE(host.EvaluatePayout("Bonus(5) + Seven", amount));
    EXPECT_EQ(17, amount);
    EXPECT_TRUE(host.EvaluatePayout("machine.Denomination * 40", amount));
    EXPECT_EQ(10, amount);
    EXPECT_FALSE(host.EvaluatePayout("'many'", amount));
}

TEST_F(ScriptHostTest, WithoutTheTypeLibraryTheMachinePlaysWithoutScriptAndSaysSo) {
    EXPECT_FALSE(host.Start(machine, sounds, items, "Credit.Value = 3;", L"NoSuchLibrary.tlb"));
    EXPECT_FALSE(host.IsRunning());
    ASSERT_EQ(1u, errors.texts.size());
    EXPECT_NE(std::string::npos, errors.texts[0].find("NoSuchLibrary.tlb")) << errors.texts[0];
    EXPECT_EQ(0, credit.value);
    EXPECT_EQ(nullptr, credit.events);
    EXPECT_EQ(EventAnswer::True, host.FireOnAllReelsStop());
    host.Stop();  // nothing to stop
}

namespace {

struct StopFromSpin {
    ScriptHost* host;
    static void Run(void* context) { static_cast<StopFromSpin*>(context)->host->Stop(); }
};

}  // namespace

TEST_F(ScriptHostTest, StoppingInsideAScriptCallLeavesWhatTheCallUsesAlive) {
    StopFromSpin stop{&host};
    machine.onSpin = &StopFromSpin::Run;
    machine.onSpinContext = &stop;
    ASSERT_TRUE(Start("function machine::OnReelStop(kReel) { machine.Spin(); Credit.Value = 5; return true; }"));
    host.FireOnReelStop(0);
    EXPECT_FALSE(host.IsRunning());
    EXPECT_EQ(nullptr, credit.events);  // the items were detached
    EXPECT_EQ(0, credit.value);         // and the handler's later call reached nothing
    ExpectLogged("StartSpin");
}

TEST_F(ScriptHostTest, StoppingDetachesTheItemsAndStartingAgainWorks) {
    ASSERT_TRUE(Start("Credit.Value = 1;"));
    EXPECT_NE(nullptr, spin.events);
    host.Stop();
    EXPECT_EQ(nullptr, spin.events);
    EXPECT_EQ(nullptr, lever.events);
    ASSERT_TRUE(Start("Credit.Value = 2;"));
    EXPECT_EQ(2, credit.value);
}

TEST(ScriptletSplit, TheFirstEqualsSignSplitsEventFromCode) {
    std::string event, code;
    SplitScriptlet("OnClick=a = b == c", event, code);
    EXPECT_EQ("OnClick", event);
    EXPECT_EQ("a = b == c", code);
    SplitScriptlet("OnClick", event, code);
    EXPECT_EQ("OnClick", event);
    EXPECT_EQ("OnClick", code);
}
