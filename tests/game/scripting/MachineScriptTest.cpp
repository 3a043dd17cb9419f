// The "machine" object called from real JScript: every member with its arguments, the
// named numbers, timeouts and every event fired into script handlers.


#include "ScriptTestRun.h"

using MachineScriptTest = ScriptTestRun;

TEST_F(MachineScriptTest, PropertiesReadAndWriteTheMachine) {
    ASSERT_TRUE(Start(""));
    EXPECT_EQ(1, Eval("machine.Title == 'Foxfire Grove' ? 1 : 0"));
    EXPECT_EQ(3, Eval("machine.Reels.Count"));
    EXPECT_EQ(25, Eval("Math.round(machine.Denomination * 100)"));

    EXPECT_EQ(0, Eval("machine.RandomStopOrder ? 1 : 0"));
    Eval("machine.RandomStopOrder = true, 0");
    EXPECT_FALSE(machine.inOrder);
    Eval("RandomStopOrder = false, 0");
    EXPECT_TRUE(machine.inOrder);

    EXPECT_EQ(1, Eval("machine.Betting ? 1 : 0"));
    machine.bet = 3;
    EXPECT_EQ(0, Eval("machine.Betting ? 1 : 0"));
    machine.bet = 1;
    machine.spinEnded = false;
    EXPECT_EQ(0, Eval("machine.Betting ? 1 : 0"));
    machine.spinEnded = true;
    Eval("machine.Betting = false, 0");
    EXPECT_FALSE(machine.betting);
    EXPECT_EQ(0, Eval("machine.Betting ? 1 : 0"));

    EXPECT_EQ(0, Eval("machine.Progressive"));
    machine.progressive = 1234;
    EXPECT_EQ(1234, Eval("Math.round(machine.Progressive * 100)"));
    EXPECT_EQ(500, machine.progressive);  // set back to its base
    EXPECT_TRUE(errors.texts.empty());
}

TEST_F(MachineScriptTest, MethodsReachTheMachineWithTheirArguments) {
    ASSERT_TRUE(Start("machine.Spin(); ChooseStops(); machine.SpinToStops(); machine.PlaySound(wavWin);\n"
                      "machine.StopSounds(); machine.UpdateButtons();"));
    EXPECT_EQ((CallLog{"StartSpin", "ChooseStops", "SpinToChosenStops", "PlayAssetSound 77", "StopAll", "UpdateButtons"}),
              TakeLog());

    EXPECT_EQ(1, Eval("machine.Bet(2) ? 1 : 0"));
    machine.takeBets = false;
    EXPECT_EQ(0, Eval("machine.Bet(3) ? 1 : 0"));
    EXPECT_EQ((CallLog{"BetCoins 2", "BetCoins 3"}), TakeLog());

    machine.random.next = 7;
    EXPECT_EQ(1, Eval("machine.Random(6)"));
    EXPECT_EQ(2, Eval("machine.WeightedRandom([0, 5, 5])"));
    EXPECT_EQ(1, Eval("machine.WeightedRandom([3, 5])"));
    EXPECT_EQ((std::vector<uint32_t>{6, 10, 8}), machine.random.asked);
    EXPECT_TRUE(errors.texts.empty());
}

TEST_F(MachineScriptTest, SymbolPayoutsGoToThePayTableEvaluation) {
    ASSERT_TRUE(Start(""));
    EXPECT_EQ(1, Eval("machine.PayTableIndex(2, [Bar, Bar, Bar])"));
    EXPECT_EQ(40, Eval("machine.PayAmount(2, [1, 1, 1])"));
    EXPECT_EQ(-1, Eval("machine.PayTableIndex(1, [0, 1, 2])"));
    EXPECT_EQ(0, Eval("machine.PayAmount(1, [0, 1, 2])"));
    EXPECT_EQ((CallLog{"EvaluateSymbols 2 1 1 1", "EvaluateSymbols 2 1 1 1", "EvaluateSymbols 1 0 1 2",
                       "EvaluateSymbols 1 0 1 2"}),
              TakeLog());
    EXPECT_TRUE(errors.texts.empty());
}

TEST_F(MachineScriptTest, BadArgumentsAreScriptErrorsThatReachNothing) {
    ASSERT_TRUE(Start(""));
    int32_t ignored = 0;
    for (const char* call : {"machine.PayAmount(1, [1, 1])",        // one symbol per reel
                             "machine.PayAmount(0, [1, 1, 1])",     // no coin column 0
                             "machine.PayAmount(4, [1, 1, 1])",     // above the maximum bet
                             "machine.PayAmount(1, [1, 1, 3])",     // no symbol 3
                             "machine.PayAmount(1, 5)",             // not an array
                             "machine.WeightedRandom([0, 0])",      // nothing to draw from
                             "machine.WeightedRandom([4, -1])",     // negative weight
                             "machine.Random(0)"}) {
        errors.texts.clear();
        EXPECT_FALSE(host.EvaluatePayout(call, ignored)) << call;
        ASSERT_EQ(1u, errors.texts.size()) << call;
        EXPECT_NE(std::string::npos, errors.texts[0].find("Scode:80070057")) << errors.texts[0];
        EXPECT_NE(std::string::npos, errors.texts[0].find("Src: SlotMachine")) << errors.texts[0];
    }
    EXPECT_TRUE(log.empty());
    EXPECT_TRUE(machine.random.asked.empty());
}

TEST_F(MachineScriptTest, ExceptionsOfTheMachineBecomeScriptErrorsWithTheirText) {
    machine.chooseFailure = "The reel strip is jammed";
    ASSERT_TRUE(Start("var caught = '';\n"
                      "try { machine.ChooseStops(); } catch (e) { caught = e.description; }\n"
                      "machine.PayAmount(1, ['x', 'y', 'z']);\n"));
    EXPECT_EQ(1, Eval("caught == 'The reel strip is jammed' ? 1 : 0"));
    // A symbol that converts to no number throws the COM error inside the member.
    ASSERT_EQ(1u, errors.texts.size());
    EXPECT_NE(std::string::npos, errors.texts[0].find("Src: SlotMachine\nLine:3")) << errors.texts[0];
    EXPECT_NE(std::string::npos, errors.texts[0].find("Scode:80020005")) << errors.texts[0];
    EXPECT_TRUE(host.IsRunning());
}

TEST_F(MachineScriptTest, ArraysFromAutomationClientsAreSafeArraysOfOneDimension) {
    ASSERT_TRUE(Start(""));
    SAFEARRAYBOUND line = {3, 0};
    SAFEARRAY* symbols = SafeArrayCreate(VT_VARIANT, 1, &line);
    for (LONG i = 0; i < 3; ++i) {
        VARIANT symbol;
        V_VT(&symbol) = VT_BSTR;  // converted to a number
        V_BSTR(&symbol) = SysAllocString(L"2");
        SafeArrayPutElement(symbols, &i, &symbol);
        VariantClear(&symbol);
    }
    VARIANT argument;
    V_VT(&argument) = VT_ARRAY | VT_VARIANT;
    V_ARRAY(&argument) = symbols;
    LONG amount = 0;
    EXPECT_EQ(S_OK, host.Machine()->PayAmount(1, argument, &amount));
    EXPECT_EQ(30, amount);

    SAFEARRAYBOUND square[2] = {{2, 0}, {2, 0}};
    V_ARRAY(&argument) = SafeArrayCreate(VT_VARIANT, 2, square);
    LONG index = 0;
    EXPECT_EQ(E_INVALIDARG, host.Machine()->WeightedRandom(argument, &index));
    SafeArrayDestroy(V_ARRAY(&argument));
    SafeArrayDestroy(symbols);
}

TEST_F(MachineScriptTest, NamedNumbersAreCaseSensitiveAndTheFirstOfTwoWins) {
    ASSERT_TRUE(Start(""));
    EXPECT_EQ(0, Eval("Cherry"));
    EXPECT_EQ(2, Eval("machine.Seven"));
    EXPECT_EQ(40, Eval("animFlash"));
    EXPECT_EQ(77, Eval("machine.wavWin"));
    EXPECT_EQ(1, Eval("Bar"));  // the symbol comes before the sound of the same name
    EXPECT_EQ(1, Eval("typeof machine.cherry == 'undefined' ? 1 : 0"));
    EXPECT_EQ(1, Eval("typeof machine.WAVWIN == 'undefined' ? 1 : 0"));
    int32_t ignored = 0;
    EXPECT_FALSE(host.EvaluatePayout("cherry", ignored));  // no such global name

    IDispatch* object = host.Machine();
    LPOLESTR names[2] = {const_cast<LPOLESTR>(L"Seven"), const_cast<LPOLESTR>(L"x")};
    DISPID ids[2] = {};
    ASSERT_EQ(S_OK, object->GetIDsOfNames(IID_NULL, names, 1, 0, ids));
    EXPECT_EQ(0x8002, ids[0]);
    EXPECT_EQ(DISP_E_NONAMEDARGS, object->GetIDsOfNames(IID_NULL, names, 2, 0, ids));
    VARIANT argument, result;
    V_VT(&argument) = VT_I4;
    V_I4(&argument) = 1;
    VariantInit(&result);
    DISPPARAMS one = {&argument, nullptr, 1, 0}, none = {nullptr, nullptr, 0, 0};
    EXPECT_EQ(DISP_E_BADPARAMCOUNT, object->Invoke(0x8002, IID_NULL, 0, DISPATCH_METHOD, &one, &result, nullptr, nullptr));
    EXPECT_EQ(DISP_E_MEMBERNOTFOUND, object->Invoke(0x8002, IID_NULL, 0, DISPATCH_PROPERTYPUT, &one, nullptr, nullptr, nullptr));
    ASSERT_EQ(S_OK, object->Invoke(0x8002, IID_NULL, 0, DISPATCH_PROPERTYGET, &none, &result, nullptr, nullptr));
    EXPECT_EQ(VT_I4, V_VT(&result));
    EXPECT_EQ(2, V_I4(&result));
}

TEST_F(MachineScriptTest, TimeoutsRunAtTheFirstTickAfterTheirDeadline) {
    ASSERT_TRUE(Start("var ticks = 0;\n"
                      "function Again() { ticks++; if (ticks < 3) machine.SetTimeout(0, 'Again()'); }\n"
                      "machine.SetTimeout(0, 'Again()'); SetTimeout(60000, 'ticks = 100');"));
    EXPECT_EQ(0, Eval("ticks"));  // not at once
    for (int tick = 1; tick <= 4; ++tick) {
        Sleep(3);
        host.RunDueTimeouts();
        // A timeout set by a timeout waits for the next tick.
        EXPECT_EQ(tick < 3 ? tick : 3, Eval("ticks")) << tick;
    }
}

TEST_F(MachineScriptTest, EventsReachTheHandlersWithTheirArguments) {
    ASSERT_TRUE(Start("function machine::OnReelStop(kReel) { Credit.Value = 10 + kReel; return kReel != 2; }\n"
                      "function machine::OnAllReelsStop() { Credit.Value = 20; }\n"
                      "function machine::OnReelsStart() { Credit.Value = 30; }\n"
                      "function machine::OnReelClick(kReel) { Credit.Value = 40 + kReel; return true; }\n"
                      "function machine::OnMetersChange() { Credit.Value = 50; }\n"
                      "function machine::OnPayment(payment, line, tableIndex) {\n"
                      "  Credit.Value = payment * 100 + line * 10 + tableIndex; return false; }\n"
                      "function machine::OnTotalPayment(pay) { Credit.Value = 1000 + pay; return 1; }\n"));
    EXPECT_TRUE(host.FireOnReelStop(1));
    EXPECT_FALSE(host.FireOnReelStop(2));
    EXPECT_EQ(EventAnswer::Nothing, host.FireOnAllReelsStop());  // a handler that returns nothing
    host.FireOnReelsStart();
    EXPECT_TRUE(host.FireOnReelClick(1));
    host.FireOnMetersChange();
    EXPECT_FALSE(host.FireOnPayment(5, 3, 1));
    EXPECT_TRUE(host.FireOnTotalPayment(25));
    EXPECT_EQ((CallLog{"Credit SetValue 11", "Credit SetValue 12", "Credit SetValue 20", "Credit SetValue 30",
                       "Credit SetValue 41", "Credit SetValue 50", "Credit SetValue 531", "Credit SetValue 1025"}),
              log);
    EXPECT_TRUE(errors.texts.empty());
}

TEST_F(MachineScriptTest, WithoutHandlersOrScriptTheEventsAnswerTrue) {
    EXPECT_EQ(EventAnswer::True, host.FireOnAllReelsStop());  // no script at all
    EXPECT_TRUE(host.FireOnPayment(1, 1, 1));
    ASSERT_TRUE(Start("function machine::OnReelStop(kReel) { return false; }"));
    EXPECT_EQ(EventAnswer::True, host.FireOnAllReelsStop());
    EXPECT_TRUE(host.FireOnTotalPayment(3));
    EXPECT_FALSE(host.FireOnReelStop(0));
}

TEST_F(MachineScriptTest, AnAnswerThatCannotBeABooleanIsReportedAndCountsAsNone) {
    ASSERT_TRUE(Start("var answer;\n"
                      "function machine::OnAllReelsStop() { return answer; }\n"
                      "function machine::OnPayment(payment, line, tableIndex) { return answer; }\n"));
    EXPECT_EQ(EventAnswer::Nothing, host.FireOnAllReelsStop());
    Eval("answer = true, 0");
    EXPECT_EQ(EventAnswer::True, host.FireOnAllReelsStop());
    Eval("answer = false, 0");
    EXPECT_EQ(EventAnswer::False, host.FireOnAllReelsStop());
    EXPECT_FALSE(host.FireOnPayment(1, 1, 0));
    Eval("answer = 0, 0");  // a number becomes a Boolean
    EXPECT_EQ(EventAnswer::False, host.FireOnAllReelsStop());
    Eval("answer = null, 0");
    EXPECT_EQ(EventAnswer::Nothing, host.FireOnAllReelsStop());
    EXPECT_TRUE(errors.texts.empty());

    Eval("answer = 'maybe', 0");
    EXPECT_EQ(EventAnswer::Nothing, host.FireOnAllReelsStop());
    ASSERT_EQ(1u, errors.texts.size());
    EXPECT_NE(std::string::npos, errors.texts[0].find("machine::OnAllReelsStop")) << errors.texts[0];
    EXPECT_TRUE(host.FireOnPayment(1, 1, 0));
    ASSERT_EQ(2u, errors.texts.size());
    EXPECT_NE(std::string::npos, errors.texts[1].find("machine::OnPayment")) << errors.texts[1];
}
