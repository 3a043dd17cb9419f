// The item objects, the reel collection and the reel objects called from real JScript,
// and the items' events reaching handlers and scriptlets.
#include "ScriptTestRun.h"

using ItemScriptTest = ScriptTestRun;

TEST_F(ItemScriptTest, IndicatorMembersReachTheDisplay) {
    ASSERT_TRUE(Start("Credit.Value = 12; Credit.Visible = false; Credit.Rate = 24;\n"
                      "Credit.X = 50; Credit.Y = 60; Credit.Depth = 7; Credit.Rotation = 90.5; Credit.Scale = 1.5;\n"
                      "Credit.ShowCellFrame(1, 4); Credit.ShowSprites(); Credit.HideSprites(); Credit.Loop(3);\n"
                      "Credit.LoopCell(0, 2); Credit.ShowFrame(5); Credit.PlayRange(1, 2, 3, 4);\n"
                      "Credit.PlayRangeBack(5, 6, 7, 8); Credit.StopCell(1); Credit.Stop();"));
    EXPECT_TRUE(errors.texts.empty()) << errors.texts[0];
    EXPECT_EQ(12, credit.value);
    EXPECT_FALSE(credit.shown);
    EXPECT_EQ(24, credit.rate);
    EXPECT_DOUBLE_EQ(90.5, credit.rotation);
    EXPECT_DOUBLE_EQ(1.5, credit.scale);
    EXPECT_EQ((CallLog{"Credit SetValue 12", "Credit SetPosition 50 2 3", "Credit SetPosition 50 60 3",
                       "Credit SetPosition 50 60 7", "Credit ShowCellFrame 1 4", "Credit ShowAll", "Credit HideAll",
                       "Credit LoopCell 0 3", "Credit LoopCell 1 3", "Credit LoopCell 0 2",
                       "Credit ShowCellFrame 0 5", "Credit ShowCellFrame 1 5", "Credit PlayRange 1 1 2 3 4",
                       "Credit PlayRange 2 5 6 7 8", "Credit LoopCell 1 0", "Credit LoopCell 0 0",
                       "Credit LoopCell 1 0"}),
              log);
    EXPECT_EQ(12, Eval("Credit.Value"));
    EXPECT_EQ(0, Eval("Credit.Visible ? 1 : 0"));
    EXPECT_EQ(24 + 50 + 60 + 7, Eval("Credit.Rate + Credit.X + Credit.Y + Credit.Depth"));
    EXPECT_EQ(1355, Eval("Credit.Rotation * 10 + Credit.Scale * 100 + 300"));
}

TEST_F(ItemScriptTest, IndicatorMembersWithoutBehaviourAndBadCellsAreErrors) {
    ASSERT_TRUE(Start(""));
    int32_t ignored = 0;
    for (const char* call : {"Credit.Caption", "Credit.Digits", "Credit.ShowCellFrame(2, 0)", "Credit.StopCell(-1)"}) {
        errors.texts.clear();
        EXPECT_FALSE(host.EvaluatePayout(call, ignored)) << call;
        EXPECT_EQ(1u, errors.texts.size()) << call;
    }
    EXPECT_NE(std::string::npos, errors.texts[0].find("Scode:80070057"));
    EXPECT_TRUE(log.empty());
}

TEST_F(ItemScriptTest, SpriteAndRegionMembersReachTheirItems) {
    ASSERT_TRUE(Start("Spin.HotKey = 65; Spin.HotKeyFlags = 4; Spin.Disable();\n"
                      "Lever.X = 11; Lever.Y = 22; Lever.HotKeyFlags = 16; Lever.HotKey = 80; Lever.Disable();"));
    EXPECT_TRUE(errors.texts.empty()) << errors.texts[0];
    EXPECT_EQ(65, spin.hotKey);
    EXPECT_EQ(4, spin.hotKeyFlags);
    EXPECT_EQ(0, spin.state);
    EXPECT_EQ(11, lever.x);
    EXPECT_EQ(22, lever.y);
    EXPECT_EQ(80, lever.hotKey);
    EXPECT_EQ(16, lever.hotKeyFlags);
    EXPECT_EQ(0, lever.state);
    EXPECT_EQ(65 + 4 + 11 + 22 + 80 + 16, Eval("Spin.HotKey + Spin.HotKeyFlags + Lever.X + Lever.Y + Lever.HotKey + "
                                               "Lever.HotKeyFlags"));
    Eval("Spin.Enable(), Lever.Enable(), 0");
    EXPECT_EQ(1, spin.state);
    EXPECT_EQ(1, lever.state);
    Eval("Spin.Click(), 0");
    ExpectLogged("InvokeAction");
    int32_t ignored = 0;
    EXPECT_FALSE(host.EvaluatePayout("Spin.Tag", ignored));
}

TEST_F(ItemScriptTest, ItemEventsReachHandlersAndScriptlets) {
    items.sprites[0].scriptlets = {"OnClick=Credit.Value = 99;", "OnFocus=Bet.Value = 2;"};
    items.indicators[1].scriptlets = {"OnUpdate=Credit.Value = Bet.Value * 2;"};  // indicators keep theirs
    ASSERT_TRUE(Start("function Lever::OnEnter() { Credit.Value = 4; }\n"
                      "function Lever::OnLeave() { Credit.Value = 5; }\n"
                      "function Spin::OnBlur() { Credit.Value = 3; }\n"));
    spin.InvokeAction();
    EXPECT_EQ(99, credit.value);
    spin.events->FireEvent(2);  // focus: Bet 2, whose update doubles it into Credit
    EXPECT_EQ(4, credit.value);
    spin.events->FireEvent(3);
    EXPECT_EQ(3, credit.value);
    static_cast<RegionItemAutomation*>(lever.events)->FireEvent5();
    EXPECT_EQ(5, credit.value);
    static_cast<RegionItemAutomation*>(lever.events)->FireEvent4();
    EXPECT_EQ(4, credit.value);
    EXPECT_TRUE(errors.texts.empty()) << errors.texts[0];
}

TEST_F(ItemScriptTest, ScriptletsSurviveARunTimeErrorOfTheTopLevelCode) {
    items.sprites[0].scriptlets = {"OnClick=Credit.Value = 7;"};
    ASSERT_TRUE(Start("undefinedFunction();"));
    EXPECT_EQ(1u, errors.texts.size());
    spin.InvokeAction();
    EXPECT_EQ(7, credit.value);
}

TEST_F(ItemScriptTest, ReelsAreReachedByIndexByDigitNameAndByEnumeration) {
    ASSERT_TRUE(Start("function Walk() {\n"
                      "  var total = 0, count = 0;\n"
                      "  for (var e = new Enumerator(machine.Reels); !e.atEnd(); e.moveNext()) {\n"
                      "    total += e.item().Stop; count++;\n"
                      "  }\n"
                      "  return count * 100 + total;\n"
                      "}\n"));
    EXPECT_EQ(300 + 5 + 6 + 7, Eval("Walk()"));
    EXPECT_EQ(300 + 5 + 6 + 7, Eval("Walk()"));  // a new enumerator each time
    EXPECT_EQ(10, Eval("machine.Reels(1).Symbol"));
    EXPECT_EQ(21, Eval("machine.Reels.Item(2).SymbolAt(1)"));
    EXPECT_EQ(12, Eval("machine.Reels.Reel(1).SymbolAt(2)"));
    EXPECT_EQ(10, Eval("machine.Reels[1].Symbol"));
    EXPECT_EQ(20, Eval("machine.Reels['2'].Symbol"));
    int32_t ignored = 0;
    for (const char* call : {"machine.Reels(3)", "machine.Reels(-1)", "machine.Reels[3].Symbol",
                             "machine.Reels.Second.Symbol"}) {
        EXPECT_FALSE(host.EvaluatePayout(call, ignored)) << call;
    }
}

TEST_F(ItemScriptTest, ReelMembersReachTheirReel) {
    ASSERT_TRUE(Start(""));
    Eval("machine.Reels(0).SetStop(4), machine.Reels(1).ChooseStop(), 0");
    Eval("machine.Reels(2).AnimateSymbol(1, 300, 2, 5), 0");
    Eval("machine.Reels(2).AnimateSymbolAtRate(0, 301, 1, 12, 3), 0");
    Eval("machine.Reels(1).ShowSymbolFrame(-1, 302, 0, 6), machine.Reels(0).StopSymbolAnimation(), 0");
    EXPECT_EQ((CallLog{"reel0 SetNextStop 4", "reel1 ChooseNextStop", "reel2 AnimateSymbol 1 300 2 5",
                       "reel2 AnimateSymbolAtRate 0 301 1 3 12",  // loops before rate
                       "reel1 ShowSymbolFrame -1 302 0 6", "reel0 StopSymbolAnimation"}),
              log);
    int32_t ignored = 0;
    EXPECT_FALSE(host.EvaluatePayout("machine.Reels(0).SetStop(20), 0", ignored));
}

TEST_F(ItemScriptTest, AReelUsedBeforeItIsAttachedIsAHarmlessError) {
    // The top-level code runs before the screen has made its reels.
    ASSERT_TRUE(Start("var early = 0;\n"
                      "try { early = machine.Reels(0).Symbol; } catch (e) { early = -1; }\n"
                      "machine.Reels(1).ChooseStop();\n"));
    ASSERT_EQ(1u, errors.texts.size());
    EXPECT_NE(std::string::npos, errors.texts[0].find("The reels are not ready")) << errors.texts[0];
    EXPECT_NE(std::string::npos, errors.texts[0].find("Line:3")) << errors.texts[0];
    EXPECT_EQ(-1, Eval("early"));
    EXPECT_TRUE(log.empty());
    EXPECT_EQ(0, Eval("machine.Reels(0).Symbol"));  // attached now
}
