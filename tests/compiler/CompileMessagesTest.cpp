// Every message a compile of the machine header can give, with its exact text and line.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "CompileHelpers.h"

namespace {

// Lines indexed from 0; the messages count the lines from 1, as an editor shows them.
const std::vector<std::string> kBase = {
    "Title \"T\"",           // 0
    "Reels 2 2",             // 1
    "{",                     // 2
    "  Reel { A B }",        // 3
    "  Reel { B A 3 }",      // 4
    "}",                     // 5
    "PayLines 1",            // 6
    "MaxBet 2",              // 7
    "Payouts BestMatch",     // 8
    "{",                     // 9
    "  all A * 10",          // 10
    "}",                     // 11
    "",                      // 12: the Art block, on one line
};

// The base script: the header above and an Art block with what a machine needs.
std::vector<std::string> BaseLines() {
    std::vector<std::string> lines = kBase;
    std::string art = PlayableArt({"A", "B"});
    for (char& c : art)
        if (c == '\n') c = ' ';
    lines[12] = art;
    return lines;
}

std::string Join(const std::vector<std::string>& lines) {
    std::string out;
    for (const std::string& l : lines) out += l + "\n";
    return out;
}

// The base script with one line replaced (or lines added at the end past the last line).
std::string With(size_t line, const std::string& text) {
    std::vector<std::string> lines = BaseLines();
    if (line < lines.size()) lines[line] = text;
    else lines.push_back(text);
    return Join(lines);
}

struct Case {
    size_t line;
    std::string text;
    std::string message;
    int errorLine;       // indexed from 0 as the lines above
    std::string quoted;  // the source line the message quotes; the replaced line when empty
};

std::string ErrorOf(const std::string& script, bool* compiled = nullptr) {
    MachineDescription md;
    RecordingSink sink;
    CompileText(md, script, sink);
    if (compiled) *compiled = md.IsCompiled();
    if (sink.messages.size() != 1) return "(" + std::to_string(sink.messages.size()) + " messages)";
    return sink.messages[0];
}

TEST(CompileMessages, TheBaseScriptCompiles) {
    MachineDescription md;
    RecordingSink sink;
    CompileText(md, Join(BaseLines()), sink);
    EXPECT_TRUE(md.IsCompiled());
    EXPECT_TRUE(sink.messages.empty());
}

TEST(CompileMessages, SyntaxErrorsQuoteTheLineWithItsNumberFromOne) {
    const std::string pb = "Payouts BestMatch ";
    const Case cases[] = {
        {0, "Titel \"T\"", "Title req'd", 0, ""},
        {0, "Title T", "Title req'd", 0, ""},
        {1, "Reel 2 2", "Expecting Reels", 1, ""},
        {1, "Reels two 2", "Expecting number of reels", 1, ""},
        {1, "Reels 2 x", "Expecting number of stops", 1, ""},
        {2, "(", "Expecting { to start reel strips", 2, ""},
        {3, "  Reels { A B }", "Expecting Reel", 3, ""},
        {3, "  Reel ( A B }", "Expecting { to start a reel strip", 3, ""},
        {3, "  Reel { A 5 }", "Expecting symbol name", 3, ""},
        {3, "  Reel { A B C }", "Expecting } to finish reel strip", 3, ""},
        {5, ")", "Expecting } to finish all reel strips", 5, ""},
        {6, "Denominations ( 1 ) PayLines 1", "{ req'd to start denominations", 6, ""},
        {6, "Denominations { 1, x } PayLines 1", "Denominations must be numbers", 6, ""},
        {6, "Denominations { 1 2 } PayLines 1", "} req'd to end denominations", 6, ""},
        {6, "Paylines 1", "Must have payline section", 6, ""},
        {6, "PayLines many", "Number of paylines req'd", 6, ""},
        {7, "MaxBets 2", "Must have max-bet.", 7, ""},
        {7, "MaxBet", "Must provide max-bet", 8, "Payouts BestMatch"},
        {8, "Payout BestMatch", "Payouts req'd", 8, ""},
        {8, "Payouts Best", "HighestValue,AllMatches or BestMatch req'd", 8, ""},
        {8, pb + "Joker 7", "Ident req'd after Joker", 8, ""},
        {8, pb + "Progressive x", "Require number for initial progressive value", 8, ""},
        {8, pb + "Progressive 10 5, Meter", "Comma req'd between numbers in progressive", 8, ""},
        {8, pb + "Progressive 10, Meter", "Require number for progressive increment", 8, ""},
        {8, pb + "Progressive 10, .5 Meter", "Comma req'd between numbers in progressive", 8, ""},
        {8, pb + "Progressive 10, .5, 3 Meter", "Comma req'd between numbers in progressive", 8, ""},
        {8, pb + "Progressive 10, .5, {", "Require indicator to show progressive", 8, ""},
        {9, "[", "Payouts require left brace", 9, ""},
        {10, "  any 2 * 10", "Symbol req'd", 10, ""},
        {10, "  all * 10", "Symbol req'd", 10, ""},
        {10, "  [A B] A * 10", "Comma req'd", 10, ""},
        {10, "  [A, 5] A * 10", "Symbol req'd.", 10, ""},
        {10, "  [any A] A * 10", "] req'd after [any.", 10, ""},
        {10, "  [^any] A * 10", "^any is not allowed.", 10, ""},
        {10, "  A B 10", "Comma req'd between payouts", 11, "}"},
        {10, "  A B 10, x", "Number req'd for payout", 10, ""},
        {10, "  A B * x", "Number req'd for payout", 10, ""},
        {12, "Art (", "Expecting { after Art", 12, ""},
        {12, "Art { Wobble }", "Syntax: Wobble is not an Art block keyword.", 12, ""},
        {12, "Art { ]", "Expecting } after all the art.", 12, ""},
        {12, "Art { Backdrop \"b.bmp\" @ }", "Expecting } after all the art.", 12, ""},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.text);
        const std::string quoted = c.quoted.empty() ? c.text : c.quoted;
        bool compiled = true;
        EXPECT_EQ(ErrorOf(With(c.line, c.text), &compiled),
                  c.message + " on line " + std::to_string(c.errorLine + 1) + ": " + quoted);
        EXPECT_FALSE(compiled);
    }
}

TEST(CompileMessages, CountsAndAmountsAreBounded) {
    const Case cases[] = {
        {1, "Reels 0 2", "The number of reels must be from 1 to 32", 1, ""},
        {1, "Reels 33 2", "The number of reels must be from 1 to 32", 1, ""},
        {1, "Reels 2 0", "The number of stops must be from 1 to 1000", 1, ""},
        {1, "Reels 2 1001", "The number of stops must be from 1 to 1000", 1, ""},
        {1, "Reels 99999999999 2", "The number 99999999999 is too large", 1, ""},
        {6, "PayLines 0", "The number of paylines must be from 1 to 1000", 6, ""},
        {7, "MaxBet 0", "Max-bet must be from 1 to 1000", 7, ""},
        {7, "MaxBet 4000000", "Max-bet must be from 1 to 1000", 7, ""},
        {10, "  any 3 A * 10", "The count after any must be from 1 to 2", 10, ""},
        {10, "  any 2000000000 A * 10", "The count after any must be from 1 to 2", 10, ""},
        {10, "  any 0 A * 10", "The count after any must be from 1 to 2", 10, ""},
        {10, "  A B * 1073741824", "The payout 1073741824 times the max-bet is too large", 10, ""},
        {6, "Denominations { 21474836.48 } PayLines 1", "The denomination 21474836.48 is too large",
         6, ""},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.text);
        EXPECT_EQ(ErrorOf(With(c.line, c.text)),
                  c.message + " on line " + std::to_string(c.errorLine + 1) + ": " + c.text);
    }
    EXPECT_EQ(ErrorOf(With(10, "  A B * 1073741823")), "(0 messages)");
    // The largest amount is read; as no machine file offers it, it is warned about.
    EXPECT_EQ(ErrorOf(With(6, "Denominations { 21474836.47 } PayLines 1")), "(2 messages)");
}

TEST(CompileMessages, UnclosedCommentsAndStringsNameWhereTheyStart) {
    EXPECT_EQ(ErrorOf(With(12, "/* open\nmore")),
              "The comment that starts on line 13 is not closed before the end of the file"
              " on line 15: ") << "the end of the file is on the line after the last line end";
    EXPECT_EQ(ErrorOf(With(12, "Art { Backdrop \"b.bmp")),
              "The string that starts on line 13 is not closed before the end of the file"
              " on line 14: ");
}

TEST(CompileMessages, ABadCharacterIsQuotedOnce) {
    EXPECT_EQ(ErrorOf(With(1, "Reels 2 2 @ junk")),
              "Expecting { to start reel strips on line 2: Reels 2 2 @ junk");
    EXPECT_EQ(ErrorOf(With(3, "  Reel { A _B }")),
              "Expecting symbol name on line 4:   Reel { A _B }");
}

TEST(CompileMessages, ErrorLinesCountEveryKindOfLineEnd) {
    std::string crlf, cr;
    for (const std::string& l : BaseLines()) {
        crlf += l + "\r\n";
        cr += l + "\r";
    }
    const std::string bad = "  Reel { A 5 }";
    for (std::string* s : {&crlf, &cr}) {
        size_t at = s->find("  Reel { A B }");
        s->replace(at, 14, bad);
        EXPECT_EQ(ErrorOf(*s), "Expecting symbol name on line 4: " + bad);
    }
    EXPECT_EQ(ErrorOf(With(3, "\tReel { A 5 }")), "Expecting symbol name on line 4:         Reel { A 5 }")
        << "tabs in the quoted line are expanded";
}

TEST(CompileMessages, AFileThatCannotBeOpenedFailsWithOneMessage) {
    MachineDescription md;
    RecordingSink sink;
    md.Compile("no such folder/missing.vsl", &sink, nullptr);
    EXPECT_FALSE(md.IsCompiled());
    ASSERT_EQ(sink.messages.size(), 1u);
    EXPECT_EQ(sink.messages[0], "Cannot open the script file no such folder/missing.vsl");
    md.Compile("no such folder/missing.vsl", nullptr, nullptr);
    EXPECT_FALSE(md.IsCompiled());
}

TEST(CompileMessages, WarningsAreCountedAndFailTheCompile) {
    MachineDescription md;
    RecordingSink sink;
    CompileText(md, With(8, "Payouts BestMatch Joker Z"), sink);
    EXPECT_FALSE(md.IsCompiled());
    ASSERT_EQ(sink.messages.size(), 2u);
    EXPECT_EQ(sink.messages[0], "Line 9:Z, which is not a reel symbol, can't be the wild card\n")
        << "the line of the name, counted from 1";
    EXPECT_EQ(sink.messages[1], "1 Warnings\n");
    EXPECT_EQ(md.GetPayouts().joker, "");
    EXPECT_EQ(md.GetWarningCount(), 1);

    RecordingSink two;
    CompileText(md, With(10, "  [A, Q] R * 10"), two);
    EXPECT_FALSE(md.IsCompiled());
    ASSERT_EQ(two.messages.size(), 3u);
    EXPECT_EQ(two.messages[0], "Line 11:Q isn't a reel symbol, so it can't be in award card\n");
    EXPECT_EQ(two.messages[1], "Line 11:R isn't a reel symbol, so it can't be in award card\n");
    EXPECT_EQ(two.messages[2], "2 Warnings\n");
    ASSERT_EQ(md.GetPayouts().lines.size(), 1u);
    EXPECT_EQ(md.GetPayouts().lines[0].items[1].symbols[0], "R") << "the name stays in the item";

    ScriptFile file(With(10, "  all Q * 10"));
    md.Compile(file.Path(), nullptr, nullptr);
    EXPECT_FALSE(md.IsCompiled()) << "without a sink warnings still fail the compile";
    EXPECT_EQ(md.GetWarningCount(), 1);
}

TEST(CompileMessages, WarningFormsAndTheirCountStartAfreshEachCompile) {
    MachineDescription md;
    RecordingSink sink;
    CompileText(md, With(10, "  all Q * 10"), sink);
    EXPECT_EQ(md.GetWarningCount(), 1);
    md.Warn("Backdrop file required");
    md.WarnAtLine("Bad reel index 5");
    ASSERT_EQ(sink.messages.size(), 4u);
    EXPECT_EQ(sink.messages[2], "Backdrop file required\n");
    EXPECT_EQ(sink.messages[3], "Line 13:Bad reel index 5\n") << "the line of the last token read";
    EXPECT_EQ(md.GetWarningCount(), 3);

    RecordingSink clean;
    CompileText(md, Join(BaseLines()), clean);
    EXPECT_TRUE(md.IsCompiled());
    EXPECT_EQ(md.GetWarningCount(), 0);
    EXPECT_TRUE(clean.messages.empty());
}

TEST(CompileMessages, CancellingAtEachStage) {
    // Stages 0 to 2 are the first three questions; stage 3 is the last, after those that
    // the Art statements ask.
    RecordingProgress count;
    {
        MachineDescription md;
        RecordingSink sink;
        CompileText(md, Join(BaseLines()), sink, &count);
    }
    for (int stage = 0; stage <= 3; ++stage) {
        SCOPED_TRACE(stage);
        MachineDescription md;
        RecordingSink sink;
        RecordingProgress progress(stage < 3 ? stage + 1 : count.calls);
        CompileText(md, Join(BaseLines()), sink, &progress);
        EXPECT_FALSE(md.IsCompiled());
        ASSERT_EQ(sink.messages.size(), 1u);
        EXPECT_EQ(sink.messages[0], "You cancelled the compile.");
        std::vector<int32_t> expected;
        for (int s = 0; s <= stage; ++s) expected.push_back(s);
        EXPECT_EQ(progress.stages, expected);
    }
    MachineDescription md;
    RecordingSink sink;
    RecordingProgress all;
    CompileText(md, Join(BaseLines()), sink, &all);
    EXPECT_TRUE(md.IsCompiled());
    EXPECT_EQ(all.stages, (std::vector<int32_t>{0, 1, 2, 3}));
}

TEST(CompileMessages, DenominationsAndArtStatementsAskWhetherToCancel) {
    MachineDescription md;
    RecordingSink sink;
    RecordingProgress atDenominations(2);
    CompileText(md, With(6, "Denominations { 1 } PayLines 1"), sink, &atDenominations);
    EXPECT_EQ(sink.messages, std::vector<std::string>{"You cancelled the compile."});
    EXPECT_EQ(atDenominations.stages, std::vector<int32_t>{0});

    RecordingSink artSink;
    RecordingProgress atArt(4);
    CompileText(md, With(12, "Art { Backdrop \"sea.bmp\" }"), artSink, &atArt);
    EXPECT_EQ(artSink.messages, std::vector<std::string>{"You cancelled the compile."});
    EXPECT_EQ(atArt.stages, (std::vector<int32_t>{0, 1, 2}));
}

}  // namespace
