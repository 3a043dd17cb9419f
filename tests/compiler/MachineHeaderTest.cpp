// Compiles of real machine scripts: the hand-written example machine and the forms of
// every header statement, with the positions the source patcher relies on.
#include <gtest/gtest.h>

#include <cstdio>
#include <string>
#include <vector>

#include "CompileHelpers.h"

namespace {

const std::string kExample = "HarborLights.vsl";

using Item = ScriptPayTable::PatternItem;

void ExpectItem(const Item& item, int32_t kind, const std::vector<std::string>& symbols) {
    EXPECT_EQ(item.kind, kind);
    EXPECT_EQ(item.symbols, symbols);
}

std::vector<int32_t> Amounts(const ScriptPayTable::PayoutLine& line) {
    std::vector<int32_t> out;
    for (const auto& p : line.payouts) out.push_back(p.type == 0 ? p.amount : -1);
    return out;
}

TEST(ExampleMachine, CompilesWithEveryHeaderValue) {
    MachineDescription md;
    RecordingSink sink;
    RecordingProgress progress;
    md.Compile(ExampleScriptDir() + kExample, &sink, &progress);
    EXPECT_TRUE(sink.messages.empty()) << sink.messages[0];
    ASSERT_TRUE(md.IsCompiled());
    EXPECT_EQ(progress.stages, (std::vector<int32_t>{0, 1, 2, 3}));
    EXPECT_EQ(md.GetScriptPath(), ExampleScriptDir() + kExample);

    EXPECT_EQ(md.GetTitle(), "Harbor Lights");
    EXPECT_EQ(md.GetReelCount(), 3);
    EXPECT_EQ(md.GetStopCount(), 8);
    EXPECT_EQ(md.GetReelStrip(0)[0], (StripEntry{"Anchor", 2}));
    EXPECT_EQ(md.GetReelStrip(0)[1], (StripEntry{"Buoy", 1}));
    EXPECT_EQ(md.GetReelStrip(1)[2], (StripEntry{"Gull", 3}));
    EXPECT_EQ(md.GetReelStrip(2)[3], (StripEntry{"Lantern", 1}));
    EXPECT_EQ(md.GetReelStrip(2)[7], (StripEntry{"Anchor", 1}));

    ASSERT_EQ(md.GetSymbolCount(), 5);
    const char* names[] = {"Anchor", "Buoy", "Gull", "Lantern", "Wave"};
    for (int i = 0; i < 5; ++i) {
        EXPECT_EQ(md.GetSymbol(i), names[i]);
        EXPECT_EQ(md.GetReelSymbols().at(names[i]).index, i) << "order of first appearance";
    }
    EXPECT_EQ(md.GetReelSymbols().at("Gull").files,
              (std::vector<std::string>{"gull1.bmp", "gull2.bmp"}));
    EXPECT_EQ(md.GetReelSymbols().at("Lantern").assetNumber, 4);
    EXPECT_EQ(md.GetReelSymbolSpans().size(), 5u);

    std::vector<Money> denominations = md.GetDenominations();
    EXPECT_EQ(denominations, (std::vector<Money>{Money(25), Money(100), Money(500)}));
    EXPECT_EQ(md.GetPayLineCount(), 1);
    EXPECT_EQ(md.GetMaxBet(), 3);
    EXPECT_EQ(md.GetPayouts().payoutMode, PayoutMode::HighestValue);
    EXPECT_EQ(md.GetPayouts().joker, "Lantern");
    ProgressiveSettings progressive = md.GetProgressive();
    EXPECT_DOUBLE_EQ(progressive.initial, 1000.0);
    EXPECT_DOUBLE_EQ(progressive.increment, 0.05);
    EXPECT_DOUBLE_EQ(progressive.third, 0.0);
    EXPECT_EQ(progressive.indicator, "Jackpot");

    EXPECT_EQ(md.GetScriptCode(),
              "function JackpotPayout() {\n    return 250;\n}\n\n"
              "function BonusPayout(coins) {\n\treturn coins * 7;\n}\n")
        << "the comment before the first code line is left out";
}

TEST(ExampleMachine, PayoutLinesOfEveryPatternKind) {
    MachineDescription md;
    RecordingSink sink;
    md.Compile(ExampleScriptDir() + kExample, &sink, nullptr);
    const ScriptPayTable& table = md.GetPayouts();
    ASSERT_EQ(table.lines.size(), 7u);
    ASSERT_EQ(table.sources.size(), 7u);
    for (const auto& line : table.lines) ASSERT_EQ(line.payouts.size(), 3u);

    const auto& jackpot = table.lines[0];
    EXPECT_EQ(jackpot.kind, 0);
    ASSERT_EQ(jackpot.items.size(), 3u);
    for (const Item& item : jackpot.items) ExpectItem(item, 0, {"Lantern"});
    for (const auto& p : jackpot.payouts) {
        EXPECT_EQ(p.type, 1);
        EXPECT_EQ(p.scriptlet, "JackpotPayout()");
    }
    EXPECT_EQ(Amounts(table.lines[1]), (std::vector<int32_t>{50, 100, 200}));

    const auto& bothWays = table.lines[2];
    EXPECT_EQ(bothWays.kind, 1);
    ASSERT_EQ(bothWays.items.size(), 3u);
    ExpectItem(bothWays.items[0], 0, {"Gull"});
    ExpectItem(bothWays.items[1], 0, {"Gull"});
    ExpectItem(bothWays.items[2], 2, {});
    EXPECT_EQ(Amounts(bothWays), (std::vector<int32_t>{5, 10, 15}));

    for (const Item& item : table.lines[3].items) ExpectItem(item, 0, {"Buoy", "Wave"});
    EXPECT_EQ(Amounts(table.lines[3]), (std::vector<int32_t>{4, 8, 12}));

    const auto& anyBut = table.lines[4];
    ExpectItem(anyBut.items[0], 2, {"Gull", "Lantern"});
    ExpectItem(anyBut.items[1], 0, {"Anchor"});
    EXPECT_EQ(Amounts(anyBut), (std::vector<int32_t>{6, 12, -1}));
    EXPECT_EQ(anyBut.payouts[2].scriptlet, "BonusPayout(3)");

    const auto& anyTwo = table.lines[5];
    ExpectItem(anyTwo.items[0], 1, {"Anchor"});
    ExpectItem(anyTwo.items[1], 1, {"Anchor"});
    ExpectItem(anyTwo.items[2], 2, {});
    EXPECT_EQ(Amounts(anyTwo), (std::vector<int32_t>{2, 4, 6}));

    const auto& anyOne = table.lines[6];
    ExpectItem(anyOne.items[0], 1, {"Buoy"});
    ExpectItem(anyOne.items[1], 2, {});
    ExpectItem(anyOne.items[2], 2, {});
    EXPECT_EQ(Amounts(anyOne), (std::vector<int32_t>{1, 2, 3}));
}

// The positions are checked on the file as written and on the same text with CRLF line
// ends, where every position moves by the carriage returns before it.
void CheckExampleSpans(const std::string& text) {
    ScriptFile file(text);
    MachineDescription md;
    RecordingSink sink;
    md.Compile(file.Path(), &sink, nullptr);
    ASSERT_TRUE(md.IsCompiled());

    const int32_t anchor = PositionOf(text, "Anchor 2 Buoy");
    ExpectSpan(md.GetStripNameSpans(0)[0], anchor, anchor + 5);
    ExpectSpan(md.GetStripWeightSpans(0)[0], anchor + 7, anchor + 7);
    const int32_t gull = PositionOf(text, "Gull Lantern Buoy");
    // A weight added later goes in front of Gull.
    ExpectSpan(md.GetStripWeightSpans(0)[1], gull, gull, true);
    ExpectSpan(md.GetStripNameSpans(0)[1], gull - 5, gull - 2);

    const ScriptPayTable& table = md.GetPayouts();
    // all Lantern * "JackpotPayout()"
    const int32_t l0 = PositionOf(text, "all Lantern");
    const int32_t star0 = PositionOf(text, "* \"Jackpot");
    const int32_t quoteEnd0 = PositionOf(text, "()\"") + 2;
    const PayoutLineSource& s0 = table.sources[0];
    ExpectSpan(s0.wholeLine, l0, quoteEnd0);
    ExpectSpan(s0.pattern, l0, l0 + 10);
    ExpectSpan(s0.payoutList, star0, quoteEnd0);
    ExpectSpan(s0.items[0], l0, l0 + 10);
    ExpectSpan(s0.items[1], l0 + 10, l0 + 10);
    ExpectSpan(s0.items[2], l0 + 10, l0 + 10);
    ExpectSpan(s0.direction, l0, l0, true);
    ExpectSpan(s0.payouts[0], star0 + 2, quoteEnd0);
    ExpectSpan(s0.payouts[1], quoteEnd0, quoteEnd0);
    EXPECT_EQ(s0.wholeLineFlag, 0);
    EXPECT_EQ(s0.wholePatternFlag, 1);
    EXPECT_EQ(s0.wholePayoutFlag, 1);

    // all Anchor 50, 100, 200
    const int32_t fifty = PositionOf(text, "50, 100");
    const PayoutLineSource& s1 = table.sources[1];
    ExpectSpan(s1.payoutList, fifty, fifty + 11);
    ExpectSpan(s1.payouts[0], fifty, fifty + 1);
    ExpectSpan(s1.payouts[1], fifty + 4, fifty + 6);
    ExpectSpan(s1.payouts[2], fifty + 9, fifty + 11);
    EXPECT_EQ(s1.wholePayoutFlag, 0);

    // BothWays Gull Gull any * 5
    const int32_t l2 = PositionOf(text, "BothWays");
    const PayoutLineSource& s2 = table.sources[2];
    ExpectSpan(s2.direction, l2, l2 + 7);
    ExpectSpan(s2.items[0], l2 + 9, l2 + 12);
    ExpectSpan(s2.items[1], l2 + 14, l2 + 17);
    ExpectSpan(s2.items[2], l2 + 19, l2 + 21);
    ExpectSpan(s2.pattern, l2, l2 + 21);
    EXPECT_EQ(s2.wholePatternFlag, 0);

    // [Buoy,Wave] [Buoy,Wave] [Buoy,Wave] * 4
    const int32_t l3 = PositionOf(text, "[Buoy,Wave]");
    ExpectSpan(table.sources[3].items[0], l3, l3 + 10);
    ExpectSpan(table.sources[3].items[2], l3 + 24, l3 + 34);
    ExpectSpan(table.sources[3].direction, l3, l3, true);

    // [^Gull,Lantern] Anchor Anchor 6, 12, "BonusPayout(3)"
    const int32_t l4 = PositionOf(text, "[^Gull");
    ExpectSpan(table.sources[4].items[0], l4, l4 + 14);
    const int32_t bonus = PositionOf(text, "\"BonusPayout");
    ExpectSpan(table.sources[4].payouts[2], bonus, bonus + 15);

    // any 2 Anchor * 2
    const int32_t l5 = PositionOf(text, "any 2 Anchor");
    const PayoutLineSource& s5 = table.sources[5];
    ExpectSpan(s5.anyKeyword, l5, l5 + 2);
    ExpectSpan(s5.count, l5 + 4, l5 + 4);
    for (const SourceSpan& item : s5.items) ExpectSpan(item, l5 + 6, l5 + 11);
    EXPECT_EQ(s5.wholePatternFlag, 1);

    // any Buoy 1, 2, 3: a count added later goes in front of Buoy
    const int32_t l6 = PositionOf(text, "any Buoy");
    ExpectSpan(table.sources[6].count, l6 + 4, l6 + 4, true);

    EXPECT_EQ(md.GetArtStart(), PositionOf(text, "Art"));
    EXPECT_EQ(text[md.GetArtInsertionPoint() - 1], '}');
    EXPECT_LT(md.GetArtInsertionPoint(), PositionOf(text, "// The script code"));
    EXPECT_GT(md.GetArtInsertionPoint(), PositionOf(text, "Symbol Wave"));
}

TEST(ExampleMachine, SpansWithLfAndCrlfLineEnds) {
    const std::string text = ReadFileBytes(ExampleScriptDir() + kExample);
    ASSERT_FALSE(text.empty());
    {
        SCOPED_TRACE("LF");
        CheckExampleSpans(text);
    }
    {
        SCOPED_TRACE("CRLF");
        CheckExampleSpans(WithCrlf(text));
    }
}

TEST(ExampleMachine, ACompileStartsFromACleanDescription) {
    MachineDescription md;
    RecordingSink sink;
    md.Compile(ExampleScriptDir() + kExample, &sink, nullptr);
    ASSERT_TRUE(md.IsCompiled());
    md.Symbols().DefineConstant("Leftover", 1);

    RecordingSink second;
    CompileText(md,
                "Title \"Small\" Reels 1 1 { Reel { Star } }\n"
                "PayLines 1 MaxBet 1 Payouts BestMatch Joker Lantern { Star 9 }\n",
                second);
    EXPECT_FALSE(md.IsCompiled()) << "Lantern is no reel symbol here";
    EXPECT_EQ(md.GetTitle(), "Small");
    EXPECT_EQ(md.GetPayouts().lines.size(), 1u);
    EXPECT_EQ(md.GetPayouts().sources.size(), 1u);
    EXPECT_EQ(md.GetPayouts().joker, "") << "no joker kept from the earlier compile";
    EXPECT_EQ(md.GetPayouts().payoutMode, PayoutMode::BestMatch);
    EXPECT_TRUE(md.GetDenominations().empty());
    EXPECT_EQ(md.GetProgressive().indicator, "");
    EXPECT_DOUBLE_EQ(md.GetProgressive().initial, 0.0);
    EXPECT_EQ(md.GetSymbolCount(), 1);
    EXPECT_FALSE(md.IsDefined("Leftover"));
    EXPECT_EQ(md.GetArtInsertionPoint(), 0);
    EXPECT_EQ(md.GetScriptCode(), "");
}

const std::string kHeader =
    "Title \"Forms\"\n"
    "Reels 3 2\n"
    "{\n"
    "  Reel { Cherry Lemon }\n"
    "  Reel { Lemon 4 Cherry }\n"
    "  Reel { Plum Cherry 2 }\n"
    "}\n";

struct Compiled {
    MachineDescription md;
    RecordingSink sink;
    explicit Compiled(const std::string& text) { CompileText(md, text, sink); }
};

const std::string kArt = PlayableArt({"Cherry", "Lemon", "Plum"});

TEST(HeaderForms, AScriptWithOnlyTheRequiredSections) {
    Compiled c(kHeader + "PayLines 3 MaxBet 2 Payouts AllMatches { all Plum * 7 }");
    // Everything is read, but a machine without its Art block cannot be played.
    EXPECT_FALSE(c.md.IsCompiled());
    EXPECT_EQ(c.sink.messages,
              (std::vector<std::string>{
                  "Backdrop file required\n", "BetMax button required\n",
                  "BetOne button required\n", "CashOut button required\n",
                  "Spin button required\n", "Bet indicator required\n",
                  "Credit indicator required\n", "WinnerPaid indicator required\n",
                  "Cherry reel symbol files required\n", "Lemon reel symbol files required\n",
                  "Plum reel symbol files required\n", "Reel positions must be given.\n",
                  "12 Warnings\n"}));
    EXPECT_TRUE(c.md.GetDenominations().empty());
    EXPECT_EQ(c.md.GetPayouts().joker, "");
    EXPECT_EQ(c.md.GetPayouts().payoutMode, PayoutMode::AllMatches);
    EXPECT_EQ(c.md.GetPayLineCount(), 3);
    EXPECT_EQ(c.md.GetArtStart(), 0);
    EXPECT_EQ(c.md.GetSymbol(0), "Cherry");
    EXPECT_EQ(c.md.GetReelSymbols().at("Plum").index, 2);
    EXPECT_EQ(c.md.GetReelStrip(1)[0], (StripEntry{"Lemon", 4}));
}

TEST(HeaderForms, DenominationsRoundToTheNearestCent) {
    Compiled c(kHeader + "Denominations { .25, 0.29, 1.15, 5, 2.5, 0.07, 100 }\n"
                         "PayLines 1 MaxBet 1 Payouts BestMatch { all Plum 1 }" + kArt);
    ASSERT_TRUE(c.md.IsCompiled());
    std::vector<int32_t> cents;
    for (Money m : c.md.GetDenominations()) cents.push_back(m.Cents());
    EXPECT_EQ(cents, (std::vector<int32_t>{25, 29, 115, 500, 250, 7, 10000}));
}

TEST(HeaderForms, PayoutModesJokerAndProgressive) {
    const std::string lines = " { all Plum 1 }" + kArt;
    Compiled highest(kHeader + "PayLines 1 MaxBet 1 Payouts HighestValue Joker Plum" + lines);
    EXPECT_EQ(highest.md.GetPayouts().payoutMode, PayoutMode::HighestValue);
    EXPECT_EQ(highest.md.GetPayouts().joker, "Plum");
    EXPECT_TRUE(highest.md.IsCompiled());

    Compiled three(kHeader + "PayLines 1 MaxBet 1 Payouts BestMatch Progressive 5, .25, 2, Meter" +
                   " { all Plum 1 }" +
                   PlayableArt({"Cherry", "Lemon", "Plum"},
                               "  Indicator Meter { \"digit.bmp\" = 0, 0 }\n"));
    ASSERT_TRUE(three.md.IsCompiled());
    ProgressiveSettings p = three.md.GetProgressive();
    EXPECT_DOUBLE_EQ(p.initial, 5.0);
    EXPECT_DOUBLE_EQ(p.increment, 0.25);
    EXPECT_DOUBLE_EQ(p.third, 2.0);
    EXPECT_EQ(p.indicator, "Meter");

    Compiled other(kHeader + "PayLines 1 MaxBet 1 Payouts BestMatch Bonus" + lines);
    EXPECT_TRUE(other.md.IsCompiled()) << "another identifier there is passed over";
    EXPECT_EQ(other.md.GetProgressive().indicator, "");
}

TEST(HeaderForms, PerReelItemsAndPayoutLists) {
    Compiled c(kHeader + "PayLines 1 MaxBet 3 Payouts BestMatch\n{\n"
                         "  [Cherry, any] Lemon any  1, \"Bonus()\", 3\n"
                         "  Plum * 2\n"
                         "  any 3 Cherry * \"All()\"\n"
                         "}\n" + kArt);
    ASSERT_TRUE(c.md.IsCompiled()) << c.sink.messages[0];
    const ScriptPayTable& t = c.md.GetPayouts();
    ASSERT_EQ(t.lines.size(), 3u);
    ExpectItem(t.lines[0].items[0], 2, {});  // any after a comma: any symbol
    ExpectItem(t.lines[0].items[1], 0, {"Lemon"});
    ExpectItem(t.lines[0].items[2], 2, {});
    EXPECT_EQ(t.lines[0].payouts[1].type, 1);
    EXPECT_EQ(t.lines[0].payouts[1].scriptlet, "Bonus()");
    EXPECT_EQ(Amounts(t.lines[0]), (std::vector<int32_t>{1, -1, 3}));

    ASSERT_EQ(t.lines[1].items.size(), 1u) << "a line may hold fewer items than reels";
    ASSERT_EQ(t.sources[1].items.size(), 3u);
    EXPECT_EQ(Amounts(t.lines[1]), (std::vector<int32_t>{2, 4, 6}));

    for (int i = 0; i < 3; ++i) ExpectItem(t.lines[2].items[i], 1, {"Cherry"});
    for (const auto& p : t.lines[2].payouts) EXPECT_EQ(p.scriptlet, "All()");
}

TEST(HeaderForms, WhereTheScriptCodeBegins) {
    const std::string head = kHeader + "PayLines 1 MaxBet 1 Payouts BestMatch { all Plum 1 }\n";
    struct Case {
        const char* name;
        std::string tail;
        std::string code;
    } cases[] = {
        {"own line", "Art { }\nfoo();\n", "foo();\n"},
        {"same line as the brace", "Art {\n} var x = 1;\n", " var x = 1;\n"},
        {"file ends in the brace", "Art {\n}", ""},
        {"only blanks after the brace", "Art { }  \n\n", ""},
        {"no Art block", "\n// a comment\n\tbar();\n", "        bar();\n"},
        {"tabs up to the first token", "Art { }\n \tif\t(x)\n\ty();\n", "        if\t(x)\n\ty();\n"},
        {"comment on the brace line", "Art { } /* c */ baz();", " /* c */ baz();"},
        {"comment ending on the code line", "Art { }\n/* a\n b */ qux();\n", "\n/* a\n b */ qux();\n"},
        {"CRLF", "Art { }\r\nfoo();\r\nbar();\r\n", "foo();\nbar();\n"},
        {"Ctrl-Z", "Art { }\nfoo();\n\x1a" "junk", "foo();\n"},
    };
    // The Art blocks get what a playable machine needs in front of their closing brace.
    std::string art = kArt;
    art = art.substr(0, art.rfind('}'));
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        std::string tail = c.tail;
        const size_t brace = tail.find('}');
        const bool hasArt = tail.compare(0, 3, "Art") == 0;
        if (hasArt) tail = art + tail.substr(brace);
        Compiled compiled(head + tail);
        EXPECT_EQ(compiled.md.IsCompiled(), hasArt);
        EXPECT_EQ(compiled.md.GetScriptCode(), c.code);
    }
}

TEST(HeaderForms, CodeIsKeptAsWrittenWhateverItsFirstCharacter) {
    // The lexer reads a character that begins no token together with the rest of its
    // line, and a string to its closing quote; neither may show in the kept code.
    const std::string head = kHeader + "PayLines 1 MaxBet 1 Payouts BestMatch { all Plum 1 }\n" +
                             kArt.substr(0, kArt.rfind('}') + 1);
    std::vector<std::string> firstLines;
    for (const char* first : {"_", "$", "'", "#", "@", "\\"})
        firstLines.push_back(first + std::string("count = 0; if (x) y();"));
    firstLines.push_back("\"line\nbreak\"; z();");
    // What comes between the closing brace and the code's first line, and what of it the
    // kept code starts with: the code's line, its tabs read as blanks, or the rest of the
    // brace's line.
    const struct {
        std::string between, kept;
    } gaps[] = {{"\n", ""}, {"\n\n  ", "  "}, {"\n \t", "        "}, {" ", " "}};
    for (const std::string& line : firstLines) {
        for (const auto& gap : gaps) {
            for (const char* rest : {"\nrun();\n", ""}) {
                const std::string code = line + rest;
                SCOPED_TRACE(gap.between + code);
                Compiled c(head + gap.between + code);
                EXPECT_TRUE(c.md.IsCompiled());
                EXPECT_EQ(c.md.GetScriptCode(), gap.kept + code);
            }
        }
    }
}

TEST(HeaderForms, ArtStatementsArePassedToTheirParsers) {
    Compiled c(kHeader + "PayLines 1 MaxBet 1 Payouts BestMatch { all Plum 1 }\n"
                         "Art {\n  Backdrop \"b.bmp\"\n  Button Spin { \"s.bmp\" = 1, 2 }\n}\nrun();\n");
    EXPECT_FALSE(c.md.IsCompiled()) << "the other required elements are missing";
    EXPECT_EQ(c.md.GetBackdropFile(), "b.bmp");
    EXPECT_EQ(c.md.GetButtons().at("Spin").button.position.y, 2);
    EXPECT_EQ(c.md.GetScriptCode(), "run();\n");
}

}  // namespace
