#include "ScriptLexer.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "KeywordTable.h"
#include "PunctuatorTable.h"
#include "ScriptFile.h"
#include "SynError.h"

namespace {

// A lexer over a script file made from the given bytes, with the language's keywords.
class Lexed {
public:
    explicit Lexed(const std::string& bytes) : file_(bytes) {
        for (int i = 0; i < KeywordCount; ++i)
            lexer.DefineSymbol(KeywordTable[i].name, static_cast<int32_t>(KeywordTable[i].value));
        EXPECT_TRUE(lexer.Open(file_.Path()));
    }
    const Token& Next() {
        lexer.NextToken();
        return lexer.Current();
    }
    // Every token up to and including the end of the file.
    std::vector<Token> All() {
        std::vector<Token> out;
        do out.push_back(Next());
        while (out.back().kind != TokenKind::EndOfFile && out.size() < 1000);
        return out;
    }
    std::string ErrorOfNext() {
        try {
            Next();
        } catch (const SynError& e) {
            return e.Message();
        }
        return "(no error)";
    }

    ScriptLexer lexer;

private:
    ScriptFile file_;
};

TEST(ScriptLexer, KeywordsAreCaseSensitiveAndCarryTheirValue) {
    Lexed l("Reels 3 5 reels REELS CoinDrop var Var");
    auto t = l.All();
    ASSERT_EQ(t.size(), 9u);
    EXPECT_EQ(t[0].kind, TokenKind::Keyword);
    EXPECT_EQ(t[0].intValue, 1);
    EXPECT_EQ(t[0].text, "");
    EXPECT_EQ(t[1].kind, TokenKind::Integer);
    EXPECT_EQ(t[1].intValue, 3);
    EXPECT_EQ(t[2].intValue, 5);
    EXPECT_EQ(t[3].kind, TokenKind::Identifier);
    EXPECT_EQ(t[3].text, "reels");
    EXPECT_EQ(t[4].kind, TokenKind::Identifier);
    EXPECT_EQ(t[5].kind, TokenKind::Keyword);
    EXPECT_EQ(t[5].intValue, 19);
    EXPECT_EQ(t[6].kind, TokenKind::Keyword);
    EXPECT_EQ(t[6].intValue, 33);
    EXPECT_EQ(t[7].kind, TokenKind::Identifier) << "var is lower case only";
    EXPECT_EQ(t[8].kind, TokenKind::EndOfFile);
}

TEST(ScriptLexer, KeywordMapLookUpAndRedefinition) {
    ScriptLexer lexer;
    lexer.DefineSymbol("Reels", 1);
    lexer.DefineSymbol("Reels", 7);
    Token t = lexer.LookupIdentifier("Reels");
    EXPECT_EQ(t.kind, TokenKind::Keyword);
    EXPECT_EQ(t.intValue, 1) << "an existing name keeps its value";
    EXPECT_TRUE(t.text.empty());
    EXPECT_EQ(lexer.LookupIdentifier("Cherry").kind, TokenKind::BadCharacter);
    EXPECT_EQ(KeywordCount, 33);
    EXPECT_EQ(PunctuatorCount, 47);
}

TEST(ScriptLexer, OffsetsAreOneBasedFirstAndLastCharacter) {
    Lexed l("Title \"Lucky\" (12)");
    auto t = l.All();
    EXPECT_EQ(t[0].start, 1);
    EXPECT_EQ(t[0].end, 5);
    EXPECT_EQ(t[1].kind, TokenKind::String);
    EXPECT_EQ(t[1].text, "Lucky");
    EXPECT_EQ(t[1].start, 7) << "the opening quote";
    EXPECT_EQ(t[1].end, 13) << "the closing quote";
    EXPECT_EQ(t[2].start, 15);
    EXPECT_EQ(t[2].end, 15);
    EXPECT_EQ(t[3].start, 16);
    EXPECT_EQ(t[3].end, 17);
    EXPECT_EQ(t[4].start, 18);
    EXPECT_EQ(t[4].end, 18);
}

TEST(ScriptLexer, LineEndsOfEveryKindCountTheirBytesAndLines) {
    struct Case {
        const char* name;
        std::string bytes;
        int32_t bStart, cStart;
    } cases[] = {
        {"LF", "Aa\nB\nCc", 4, 6},
        {"CRLF", "Aa\r\nB\r\nCc", 5, 8},
        {"CR", "Aa\rB\rCc", 4, 6},
        {"mixed", "Aa\r\nB\rCc", 5, 7},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        Lexed l(c.bytes);
        const Token& a = l.Next();
        EXPECT_EQ(a.start, 1);
        EXPECT_EQ(a.end, 2) << "a line end after the token is not part of it";
        EXPECT_EQ(l.lexer.LineCount(), 0) << "the line end read ahead was pushed back";
        EXPECT_EQ(l.lexer.LineText(), "Aa");
        const Token& b = l.Next();
        EXPECT_EQ(b.start, c.bStart);
        EXPECT_EQ(l.lexer.LineCount(), 1);
        EXPECT_EQ(l.lexer.LineText(), "B");
        const Token& cc = l.Next();
        EXPECT_EQ(cc.start, c.cStart);
        EXPECT_EQ(cc.end, c.cStart + 1);
        EXPECT_EQ(l.lexer.LineCount(), 2);
        EXPECT_EQ(l.Next().kind, TokenKind::EndOfFile);
    }
}

TEST(ScriptLexer, TabsExpandToMultiplesOfEightInTheLineText) {
    Lexed l("abc\tX\n\tY\nabcdefgh\tZ");
    l.Next();
    l.Next();
    EXPECT_EQ(l.lexer.LineText(), "abc     X");
    EXPECT_EQ(l.lexer.Column(), 9) << "a tab at column 3 moves it to 8";
    const Token& y = l.Next();
    EXPECT_EQ(y.start, 8) << "a tab is one byte";
    EXPECT_EQ(l.lexer.Column(), 9);
    l.Next();
    l.Next();
    EXPECT_EQ(l.lexer.Column(), 17) << "a tab at column 8 moves it to 16";
    EXPECT_EQ(l.lexer.LineText(), "abcdefgh        Z");
}

TEST(ScriptLexer, CtrlZEndsTheFile) {
    Lexed l("Reels 3\x1a" "Cherry\n");
    auto t = l.All();
    ASSERT_EQ(t.size(), 3u);
    EXPECT_EQ(t[2].kind, TokenKind::EndOfFile);
    Lexed rest("A\nfoo();\x1a" "garbage");
    rest.Next();
    EXPECT_EQ(rest.lexer.ReadRemainingText(), "A\nfoo();");
}

TEST(ScriptLexer, NulIsABadCharacterAndStaysInStrings) {
    Lexed l(std::string("A\0B\nC \"x\0y\"", 11));
    EXPECT_EQ(l.Next().kind, TokenKind::Identifier);
    const Token& bad = l.Next();
    EXPECT_EQ(bad.kind, TokenKind::BadCharacter);
    EXPECT_EQ(bad.start, 2);
    EXPECT_EQ(bad.end, 2);
    EXPECT_EQ(l.lexer.ErrorLine(), 1);
    EXPECT_EQ(l.lexer.LineText(), std::string("A\0B", 3)) << "the rest of the line is read";
    const Token& c = l.Next();
    EXPECT_EQ(c.text, "C");
    EXPECT_EQ(c.start, 5);
    EXPECT_EQ(l.lexer.LineCount(), 1) << "the skipped line end still counts";
    const Token& s = l.Next();
    EXPECT_EQ(s.kind, TokenKind::String);
    EXPECT_EQ(s.text, std::string("x\0y", 3));
}

TEST(ScriptLexer, NumbersIntegersRealsAndThePoint) {
    Lexed l(".5 5. 1.50 007 1e5 .25 0.29");
    const Token& half = l.Next();
    EXPECT_EQ(half.kind, TokenKind::Real);
    EXPECT_DOUBLE_EQ(half.realValue, 0.5);
    EXPECT_EQ(half.intValue, 0);
    EXPECT_EQ(half.text, ".5");
    const Token& five = l.Next();
    EXPECT_EQ(five.kind, TokenKind::BadCharacter);
    EXPECT_EQ(five.text, "5.");
    EXPECT_EQ(five.start, 4);
    EXPECT_EQ(five.end, 5);
    const Token& oneHalf = l.Next();
    EXPECT_EQ(oneHalf.kind, TokenKind::Real);
    EXPECT_DOUBLE_EQ(oneHalf.realValue, 1.5);
    EXPECT_EQ(oneHalf.intValue, 1);
    EXPECT_EQ(oneHalf.text, "1.50");
    const Token& seven = l.Next();
    EXPECT_EQ(seven.kind, TokenKind::Integer);
    EXPECT_EQ(seven.intValue, 7);
    EXPECT_DOUBLE_EQ(seven.realValue, 7.0);
    EXPECT_EQ(seven.text, "007");
    EXPECT_EQ(l.Next().intValue, 1) << "no exponent";
    const Token& e5 = l.Next();
    EXPECT_EQ(e5.kind, TokenKind::Identifier);
    EXPECT_EQ(e5.text, "e5");
    EXPECT_DOUBLE_EQ(l.Next().realValue, 0.25);
    EXPECT_DOUBLE_EQ(l.Next().realValue, 0.29);
}

TEST(ScriptLexer, IntegersThatDoNotFitThirtyTwoBitsAreAnError) {
    Lexed ok("2147483647 00000000000000000000000012");
    EXPECT_EQ(ok.Next().intValue, 2147483647);
    EXPECT_EQ(ok.Next().intValue, 12) << "leading zeros never overflow";
    Lexed big("x 2147483648");
    big.Next();
    EXPECT_EQ(big.ErrorOfNext(), "The number 2147483648 is too large");
    Lexed real("99999999999.5");
    EXPECT_EQ(real.ErrorOfNext(), "The number 99999999999.5 is too large");
    Lexed longFraction("0." + std::string(400, '3') + " X");
    const Token& t = longFraction.Next();
    EXPECT_EQ(t.kind, TokenKind::Real);
    EXPECT_NEAR(t.realValue, 1.0 / 3.0, 1e-15) << "a long fraction stays finite";
    EXPECT_EQ(longFraction.Next().text, "X");
}

TEST(ScriptLexer, WordsStartWithALetter) {
    Lexed l("_x y\nCherry_2 z");
    const Token& bad = l.Next();
    EXPECT_EQ(bad.kind, TokenKind::BadCharacter);
    EXPECT_TRUE(bad.text.empty());
    EXPECT_EQ(bad.start, 1);
    const Token& w = l.Next();
    EXPECT_EQ(w.kind, TokenKind::Identifier) << "the bad character's line was skipped";
    EXPECT_EQ(w.text, "Cherry_2");
    EXPECT_EQ(w.start, 6);
    EXPECT_EQ(w.end, 13);
}

TEST(ScriptLexer, EveryPunctuatorByLongestMatch) {
    for (int i = 0; i < PunctuatorCount; ++i) {
        const PunctuatorRow& row = PunctuatorTable[i];
        std::string text = row.text;
        if (text == "/*" || text == "//" || text == ".") continue;
        SCOPED_TRACE(text);
        Lexed l("a" + text + "b");
        l.Next();
        const Token& p = l.Next();
        EXPECT_EQ(p.kind, row.kind);
        EXPECT_EQ(p.text, text);
        EXPECT_EQ(p.start, 2);
        EXPECT_EQ(p.end, static_cast<int32_t>(1 + text.size()));
        EXPECT_EQ(l.Next().text, "b");
    }
}

TEST(ScriptLexer, LongestMatchStopsWhereTheNextCharacterAddsNothing) {
    Lexed l("a<<=b < c +++ === >>= >>> ^= ~~ [^A,B]");
    std::vector<int> kinds;
    for (const Token& t : l.All()) kinds.push_back(static_cast<int>(t.kind));
    std::vector<int> expected = {1, 29, 1, 22, 1, 45, 16, 20, 18, 28, 26, 24, 42, 44, 44,
                                 11, 39, 1, 15, 1, 8, 5};
    EXPECT_EQ(kinds, expected);
}

TEST(ScriptLexer, BlockCommentsNest) {
    Lexed l("A /* one /* two */ still */ B /* a */ c */ /**/D/*x*/E");
    auto t = l.All();
    ASSERT_EQ(t.size(), 7u);
    EXPECT_EQ(t[0].text, "A");
    EXPECT_EQ(t[1].text, "B");
    EXPECT_EQ(t[2].text, "c");
    EXPECT_EQ(t[3].kind, TokenKind::CommentEnd);
    EXPECT_EQ(t[4].text, "D");
    EXPECT_EQ(t[5].text, "E");
    EXPECT_EQ(t[5].start, 54);
}

TEST(ScriptLexer, CommentsCountTheirLinesAndIgnoreStrings) {
    Lexed l("A /* \" \n // */\n B // \"\n\tC // last");
    l.Next();
    const Token& b = l.Next();
    EXPECT_EQ(b.text, "B");
    EXPECT_EQ(l.lexer.LineCount(), 2);
    EXPECT_EQ(l.lexer.LineText(), " B");
    const Token& c = l.Next();
    EXPECT_EQ(c.text, "C");
    EXPECT_EQ(l.lexer.LineCount(), 3);
    EXPECT_EQ(l.Next().kind, TokenKind::EndOfFile) << "a comment on the last line";
    EXPECT_EQ(l.lexer.LineText(), "        C // last");
}

TEST(ScriptLexer, UnterminatedCommentIsALineNumberedError) {
    Lexed l("Title \"x\"\n/* open /* inner */\n\n");
    l.Next();
    l.Next();
    EXPECT_EQ(l.ErrorOfNext(),
              "The comment that starts on line 2 is not closed before the end of the file");
}

TEST(ScriptLexer, StringsSpanLinesAndMustBeClosed) {
    Lexed l("\"one\r\ntwo\" X");
    const Token& s = l.Next();
    EXPECT_EQ(s.text, "one\ntwo") << "a carriage return before a line feed is not seen";
    EXPECT_EQ(s.start, 1);
    EXPECT_EQ(s.end, 10);
    EXPECT_EQ(l.lexer.LineCount(), 1);
    EXPECT_EQ(l.Next().start, 12);

    Lexed open("Title \"x\"\nPayLines \"never closed\n\n");
    open.Next();
    open.Next();
    open.Next();
    EXPECT_EQ(open.ErrorOfNext(),
              "The string that starts on line 2 is not closed before the end of the file");
}

TEST(ScriptLexer, TokensLongerThanAnyBlockAreWhole) {
    std::string code(5000, 'x');
    std::string name(3000, 'N');
    Lexed l("\"" + code + "\" " + name + " 7");
    const Token& s = l.Next();
    EXPECT_EQ(s.text, code);
    EXPECT_EQ(s.end, 5002);
    const Token& n = l.Next();
    EXPECT_EQ(n.kind, TokenKind::Identifier);
    EXPECT_EQ(n.text, name);
    const Token& seven = l.Next();
    EXPECT_EQ(seven.kind, TokenKind::Integer);
    EXPECT_EQ(seven.start, 8005);
}

TEST(ScriptLexer, ErrorLineIsMarkedOnceAndSkippingKeepsTheLine) {
    Lexed l("X Y\nZ W\n");
    l.Next();
    l.lexer.MarkErrorLine();
    EXPECT_EQ(l.lexer.ErrorLine(), 1) << "counted from 1";
    EXPECT_EQ(l.lexer.LineText(), "X Y");
    l.lexer.MarkErrorLine();
    EXPECT_EQ(l.lexer.LineText(), "X Y") << "marking again does not read the next line";
    EXPECT_EQ(l.lexer.LineCount(), 0);
    const Token& z = l.Next();
    EXPECT_EQ(z.text, "Z");
    EXPECT_EQ(z.start, 5);
    EXPECT_EQ(l.lexer.LineCount(), 1);
    EXPECT_EQ(l.lexer.LineText(), "Z");
    l.lexer.MarkErrorLine();
    EXPECT_EQ(l.lexer.ErrorLine(), 2);
    EXPECT_EQ(l.lexer.LineText(), "Z W");
}

TEST(ScriptLexer, RemainingTextIsTheLineSoFarAndTheRestOfTheFile) {
    Lexed l(std::string("A }\tfoo();\r\n\tbar(\0);\r\n", 22));
    l.Next();
    l.Next();
    l.Next();
    EXPECT_EQ(l.lexer.ReadRemainingText(), "A }     foo();\n\tbar();\n")
        << "line ends as LF, NUL bytes left out";
}

TEST(ScriptLexer, FileThatCannotBeOpened) {
    ScriptLexer lexer;
    EXPECT_FALSE(lexer.Open("no such folder/none.vsl"));
    EXPECT_FALSE(lexer.IsOpen());
}

}  // namespace
