// Putting edit texts in place of spans, and replacing a file only with a whole new one.
#include <gtest/gtest.h>

#include <cstdio>
#include <filesystem>
#include <string>
#include <vector>

#include "FileReplace.h"
#include "ScriptFile.h"
#include "ScriptRewrite.h"

namespace {

ScriptEdit Replace(int32_t start, int32_t end, const std::string& text) {
    return ScriptEdit{start, end, false, text};
}
ScriptEdit Insert(int32_t at, const std::string& text) { return ScriptEdit{at, at, true, text}; }

//                           1234567890123456789
const std::string kScript = "Reel { Apple Pear }";

TEST(RewriteScript, ReplacesAndInsertsByPlace) {
    EXPECT_EQ(RewriteScript(kScript, {}), kScript);
    // Given out of place order, applied in place order.
    EXPECT_EQ(RewriteScript(kScript, {Replace(14, 17, "Plum"), Replace(8, 12, "Moon")}),
              "Reel { Moon Plum }");
    EXPECT_EQ(RewriteScript(kScript, {Insert(14, "3"), Insert(19, "Owl")}),
              "Reel { Apple 3 Pear Owl }");
    EXPECT_EQ(RewriteScript(kScript, {Replace(8, 12, "")}), "Reel {  Pear }");
    // Spans reaching past the end stop at the end.
    EXPECT_EQ(RewriteScript(kScript, {Replace(19, 40, "]"), Insert(40, "x")}),
              "Reel { Apple Pear ] x ");
}

// A deleted statement that stood alone on its line takes the line with it; one that shares
// its line leaves the rest of it.
TEST(RewriteScript, TextTakenAwayFromALineOfItsOwnTakesTheLine) {
    //                        1234567890123456789012345678901234567890123
    const std::string art = "{\n    Sound A { \"a.wav\" }  \r\n    Sound B { \"b.wav\" }\n}";
    EXPECT_EQ(RewriteScript(art, {Replace(7, 25, "")}), "{\n    Sound B { \"b.wav\" }\n}");
    EXPECT_EQ(RewriteScript(art, {Replace(7, 25, ""), Replace(34, 52, "")}), "{\n}");
    EXPECT_EQ(RewriteScript("{ Sound A { \"a.wav\" }\n}", {Replace(3, 21, "")}), "{ \n}");
    EXPECT_EQ(RewriteScript("{\n    Sound A { \"a.wav\" } // the spin\n}", {Replace(7, 25, "")}),
              "{\n     // the spin\n}");
    EXPECT_EQ(RewriteScript("{\n  Sound A { \"a.wav\" }", {Replace(5, 23, "")}), "{\n");
    // A value replaced by text keeps its line.
    EXPECT_EQ(RewriteScript(art, {Replace(7, 25, "Sound C { \"c.wav\" }")}),
              "{\n    Sound C { \"c.wav\" }  \r\n    Sound B { \"b.wav\" }\n}");
}

TEST(RewriteScript, EveryEditAppearsOnceInOrder) {
    // Two insertions at one place keep the order given.
    EXPECT_EQ(RewriteScript(kScript, {Insert(19, "A"), Insert(19, "B")}),
              "Reel { Apple Pear A B }");
    // An insertion in front of a replaced token goes in front of its new text, whichever
    // was queued first (a weight inserted after a stop whose neighbour was renamed).
    EXPECT_EQ(RewriteScript(kScript, {Replace(14, 17, "Plum"), Insert(14, "2")}),
              "Reel { Apple 2 Plum }");
    // Edits inside a wider replacement are left out, also one that ends on its last
    // character, and whether they come before or after it.
    EXPECT_EQ(RewriteScript(kScript, {Replace(14, 17, "Plum"), Replace(6, 19, "{ }"),
                                      Replace(19, 19, ")"), Insert(19, "x")}),
              "Reel { }");
    EXPECT_EQ(RewriteScript(kScript, {Replace(8, 12, "Moon"), Replace(8, 17, "Owl Owl")}),
              "Reel { Owl Owl }")
        << "at one start the wider replacement wins";
    // Spans that meet on one character: the later is written after the earlier.
    EXPECT_EQ(RewriteScript(kScript, {Replace(8, 12, "Moon"), Replace(12, 17, "Owl")}),
              "Reel { MoonOwl }");
    // An insertion of no text adds nothing, not even its blank.
    EXPECT_EQ(RewriteScript(kScript, {Insert(19, "")}), kScript);
    // A weight inserted after a stop written against the brace stays apart from it.
    EXPECT_EQ(RewriteScript("Reel { Apple Pear}", {Insert(18, "235")}), "Reel { Apple Pear 235 }");
}

TEST(ReplaceFileContents, WritesTheWholeFileOrNothing) {
    ScriptFile target("old contents");
    EXPECT_EQ(ReplaceFileContents(target.Path(), "new\r\ncontents\n"), "");
    EXPECT_EQ(ReadFileBytes(target.Path()), "new\r\ncontents\n");

    // A folder cannot be replaced: the error is told and no new file is left behind.
    const std::string folder = target.Path() + ".d";
    std::filesystem::create_directory(folder);
    const std::string error = ReplaceFileContents(folder, "text");
    EXPECT_NE(error.find("Cannot replace"), std::string::npos) << error;
    EXPECT_TRUE(std::filesystem::is_directory(folder));
    EXPECT_FALSE(std::filesystem::exists(folder + ".new~"));
    std::filesystem::remove(folder);

    const std::string missing = "no_such_folder_here/x.vsl";
    EXPECT_NE(ReplaceFileContents(missing, "text").find("Cannot create"), std::string::npos);
}

TEST(ReplaceFileContents, WriteErrorsAreReported) {
    // A device that is always full fails the flush; the file is closed all the same.
    std::FILE* full = std::fopen("/dev/full", "wb");
    if (!full) GTEST_SKIP() << "no /dev/full here";
    const std::string error = WriteAndClose(full, std::string(100000, 'x'));
    EXPECT_NE(error.find("write failed"), std::string::npos) << error;
}

}  // namespace
