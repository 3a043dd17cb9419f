// The token readers the statement parsers share, on script text.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "CompileHelpers.h"

namespace {

class Reader {
public:
    explicit Reader(const std::string& text) : file_(text) {
        EXPECT_TRUE(md.Lexer().Open(file_.Path()));
        md.Advance();
    }
    MachineDescription md;

private:
    ScriptFile file_;
};

TEST(TokenReaders, StringListsAndTheirSpan) {
    Reader r("\"a.bmp\" \"b.bmp\"\n  \"c.bmp\" , 4");
    std::vector<std::string> files;
    SourceSpan span;
    ASSERT_TRUE(r.md.AcceptSymbolFiles(files, span));
    EXPECT_EQ(files, (std::vector<std::string>{"a.bmp", "b.bmp", "c.bmp"}));
    EXPECT_EQ(span.start, 1);
    EXPECT_EQ(span.end, 25);
    EXPECT_FALSE(r.md.AcceptStringList(files, span)) << "the comma is no string";
    EXPECT_TRUE(r.md.AcceptToken(TokenKind::Comma));
    int32_t four = 0;
    EXPECT_TRUE(r.md.AcceptInteger(four));
    EXPECT_EQ(four, 4);
}

TEST(TokenReaders, KeywordsAreNeverNames) {
    Reader r("Spin Lever");
    std::string name;
    EXPECT_FALSE(r.md.ReadSymbolName(name));
    SourceSpan span;
    EXPECT_TRUE(r.md.AcceptKeywordAt(ScriptKeyword::Spin, span));
    EXPECT_EQ(span.start, 1);
    EXPECT_EQ(span.end, 4);
    EXPECT_FALSE(r.md.AcceptKeyword(ScriptKeyword::Spin));
    EXPECT_TRUE(r.md.ReadSymbolNameAt(name, span));
    EXPECT_EQ(name, "Lever");
    EXPECT_EQ(span.start, 6);
    EXPECT_EQ(r.md.Current().kind, TokenKind::EndOfFile);
}

}  // namespace
