// Writing an edited script: untouched bytes stay as they were, every edit is written once,
// and the written script compiles to the edited machine.
#include <gtest/gtest.h>

#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <string>

#include "WriteTestHelpers.h"

namespace {

TEST(WriteScript, WithoutEditsTheScriptIsCopiedByteForByte) {
    for (bool crlf : {false, true}) {
        ExampleSession session("", crlf);
        ASSERT_TRUE(session.md.IsCompiled()) << ::testing::PrintToString(session.sink.messages);
        EXPECT_EQ(session.Written(), session.Text()) << (crlf ? "CRLF" : "LF");
    }
    // Bytes the compile stops at (an end-of-file mark) are copied too.
    ScriptFile odd(ArtHeader() + "\t\r\n\x1a trailing \x01 bytes");
    MachineDescription md;
    md.Compile(odd.Path(), nullptr, nullptr);
    ScriptFile out("");
    ASSERT_TRUE(md.WriteScript(out.Path()));
    EXPECT_EQ(ReadFileBytes(out.Path()), ArtHeader() + "\t\r\n\x1a trailing \x01 bytes");
}

TEST(WriteScript, CrlfScriptsKeepTheirLineEndsAroundEdits) {
    ExampleSession session("", true);
    ButtonPart help = session.md.GetButtons().at("Help").button;
    help.priority = 5;
    session.md.SetButton("Help", help);
    std::string expected = session.Text();
    const std::string clause = "HotKey = \"h\"";
    expected.insert(expected.find(clause), "Priority=5 ");
    EXPECT_EQ(session.Written(), expected);
}

TEST(WriteScript, FailuresAreReportedAndLeaveTheTargetAlone) {
    MachineDescription nothing;
    EXPECT_FALSE(nothing.WriteScript("never_written.vsl"));
    EXPECT_FALSE(std::filesystem::exists("never_written.vsl"));

    ExampleSession session;
    session.md.SetBackdrop("dusk.bmp");
    const std::string folder = session.Path() + ".d";
    std::filesystem::create_directory(folder);
    EXPECT_FALSE(session.md.WriteScript(folder));
    EXPECT_NE(session.md.GetWriteError(), "");
    EXPECT_TRUE(std::filesystem::is_directory(folder));
    std::filesystem::remove(folder);
    // The old script is never changed; writing over it is the caller's choice.
    EXPECT_EQ(ReadFileBytes(session.Path()), session.Text());
    EXPECT_TRUE(session.md.WriteScript(session.Path()));
    EXPECT_NE(ReadFileBytes(session.Path()).find("Backdrop \"dusk.bmp\""), std::string::npos);
}

TEST(WriteScript, EditsAfterASaveReachTheNextSave) {
    ExampleSession session;
    MachineDescription& md = session.md;
    md.SetBackdrop("dusk.bmp");
    ReelStrip strip = md.GetReelStrip(1);
    strip[0].weight = 4;
    md.SetReelStrip(1, strip);
    const std::string first = session.Written();
    md.DiscardPatches(true);
    EXPECT_FALSE(md.HasPatches());
    EXPECT_EQ(session.Written(), first) << "a save keeps what was saved";

    // The same value again, and a value not edited before.
    strip[0].weight = 5;
    md.SetReelStrip(1, strip);
    EXPECT_TRUE(md.HasPatches());
    EXPECT_EQ(md.GetPatchCount(), 1u);
    md.SetCoinDropPosition(Point{1, 2});
    const std::string second = session.Written();
    EXPECT_NE(second.find("Backdrop \"dusk.bmp\""), std::string::npos);
    EXPECT_NE(second.find("Reel { Pear 5 Apple"), std::string::npos);
    EXPECT_NE(second.find("Glow = 1,2 CoinSlot"), std::string::npos);
    EXPECT_EQ(session.Recompiled()->GetReelStrip(1)[0].weight, 5);
}

TEST(WriteScript, NewElementsFollowTheirLaterEdits) {
    ExampleSession session;
    MachineDescription& md = session.md;
    SoundPart sound;
    sound.file = "orchard_chime.wav";
    ASSERT_TRUE(md.DefineSound("Bell", sound));
    RegionPart region;
    region.region.vertices = {{0, 0}, {4, 0}, {4, 4}};
    ASSERT_TRUE(md.DefineRegion("Knob", region));
    sound.assetNumber = 2;
    md.SetSound("Bell", sound);
    md.RenameElement("Bell", "Gong");
    region.hotKey = 'k';
    md.SetRegion("Knob", region);
    md.DeleteElement("Knob");

    std::string expected = session.Text();
    const size_t end = expected.find("\n}\n\n// The script code");
    expected.insert(end + 1, "  Sound Gong  { \"orchard_chime.wav\", 2  }\n ");
    EXPECT_EQ(session.Written(), expected)
        << "the start of the file is untouched and the deleted Region leaves nothing";
    auto again = session.Recompiled();
    EXPECT_EQ(again->GetSounds().at("Gong").sound.assetNumber, 2);
    EXPECT_FALSE(again->IsDefined("Knob"));
}

// A rename reaches the Coin statement's place of the element renamed, whatever text other
// places hold: a region and a sound that shared a pending name stay apart, and an owner's
// edits dropped after a refused save take no other owner's Coin edit with them.
TEST(WriteScript, CoinReferencesFollowTheirElementNotTheirText) {
    const std::string coin = "Coin { { { \"orchard_coin.bmp\" } Transparent } Glow = 660, 250 ";
    ExampleSession session;
    MachineDescription& md = session.md;
    ASSERT_TRUE(md.IsCompiled());
    md.SetPatchOwner(1);
    md.RenameElement("BillSlot", "X");
    md.SetPatchOwner(2);
    md.RenameElement("Drop", "X");
    md.RenameElement("Drop", "Y");
    EXPECT_EQ("X", md.GetCoin().billRegion);
    EXPECT_EQ("Y", md.GetCoin().sound);
    EXPECT_NE(std::string::npos, session.Written().find(coin + "CoinSlot DenomPlate X Sound = Y Denomination"));
    EXPECT_EQ(1, md.CoinReferenceOf("DenomPlate"));
    EXPECT_EQ(2, md.CoinReferenceOf("BillSlot"));
    EXPECT_EQ(4, md.CoinReferenceOf("Drop"));
    EXPECT_EQ(-1, md.CoinReferenceOf("X"));
    EXPECT_EQ(-1, md.CoinReferenceOf("Chime"));

    md.DropPatches(2);
    const std::string written = session.Written();
    EXPECT_NE(std::string::npos, written.find(coin + "CoinSlot DenomPlate X Sound = Drop Denomination")) << written;
    EXPECT_NE(std::string::npos, written.find("Region X {")) << written;
    session.Recompiled();
}

TEST(WriteScript, ValuesThatEmptyAClause) {
    ExampleSession session;
    MachineDescription& md = session.md;
    RegionPart bill = md.GetRegions().at("BillSlot").region;
    bill.hotKeyFlags = 0;
    md.SetRegion("BillSlot", bill);
    ButtonPart help = md.GetButtons().at("Help").button;
    help.hotKey = 0;
    help.hotKeyFlags = HotKeyShift | HotKeyCtrl;
    md.SetButton("Help", help);
    SoundPart drop = md.GetSounds().at("Drop").sound;
    drop.compressed = true;
    md.SetSound("Drop", drop);

    const std::string written = session.Written();
    EXPECT_NE(written.find("(0,20) }  }"), std::string::npos);
    EXPECT_NE(written.find("Glow = 560, 440  HotKeyFlags = SHIFT|CTRL OnClick"),
              std::string::npos);
    EXPECT_NE(written.find("{ \"orchard_drop.wav\" Compressed }"), std::string::npos);
    auto again = session.Recompiled();
    EXPECT_EQ(again->GetRegions().at("BillSlot").region.hotKeyFlags, 0);
    EXPECT_EQ(again->GetButtons().at("Help").button.hotKey, 0);
    EXPECT_EQ(again->GetButtons().at("Help").button.hotKeyFlags, HotKeyShift | HotKeyCtrl);
    EXPECT_TRUE(again->GetSounds().at("Drop").sound.compressed);
}

// Every priority the Properties boxes take is written so that the script reads it back,
// the least 32-bit number too, for a button of the script and a new one.
TEST(WriteScript, EveryPriorityIsReadBack) {
    ExampleSession session;
    MachineDescription& md = session.md;
    ButtonPart help = md.GetButtons().at("Help").button;
    help.priority = INT32_MIN;
    md.SetButton("Help", help);
    ButtonPart added = help;
    added.priority = INT32_MIN;
    ASSERT_TRUE(md.DefineButton("Lowest", added));
    IndicatorPart bet = md.GetIndicators().at("Bet").indicator;
    bet.priority = INT32_MAX;
    md.SetIndicator("Bet", bet);
    auto again = session.Recompiled();
    EXPECT_EQ(INT32_MIN, again->GetButtons().at("Help").button.priority);
    EXPECT_EQ(INT32_MIN, again->GetButtons().at("Lowest").button.priority);
    EXPECT_EQ(INT32_MAX, again->GetIndicators().at("Bet").indicator.priority);
}

TEST(WriteScript, WholePatternsTakeTheirDirection) {
    ExampleSession session;
    ScriptPayTable table = session.md.GetPayouts();
    table.lines[1].kind = 1;  // all Plum, now both ways
    table.lines[3].items[2] = ScriptPayTable::PatternItem{2, {"Owl"}};
    session.md.SetPayouts(table);
    EXPECT_EQ(session.md.GetPayouts().lines[1].kind, 1);
    EXPECT_NE(session.Written().find("    BothWays Plum Plum Plum                        40, 80"), std::string::npos);
    EXPECT_NE(session.Written().find("[Pear,Plum] [Pear,Plum] [^Owl]"), std::string::npos);
    auto again = session.Recompiled();
    EXPECT_EQ(again->GetPayouts().lines[1].kind, 1);

    // A counted pattern cannot be read both ways, nor stand in a line written item by item.
    ScriptPayTable counted = table;
    counted.lines[4].kind = 1;
    EXPECT_THROW(session.md.SetPayouts(counted), std::invalid_argument);
    counted = table;
    counted.lines[3].items[0].kind = 1;
    EXPECT_THROW(session.md.SetPayouts(counted), std::invalid_argument);
}

// Two Symbol statements for one symbol give it the files of both; a patch rewrites only
// one of them, so the edit is refused rather than written half.
TEST(WriteScript, SymbolsOfSeveralStatementsAreNotEdited) {
    ScriptFile script(ArtStatementScript("  Symbol Plum \"a.bmp\"\n  Symbol Plum \"b.bmp\"\n  Symbol Lemon \"l.bmp\""));
    MachineDescription md;
    md.Compile(script.Path(), nullptr, nullptr);
    ASSERT_EQ(md.GetSymbol(2), "Plum");
    ReelSymbol plum = md.GetSymbolFile("Plum");
    EXPECT_EQ(plum.files, (std::vector<std::string>{"a.bmp", "b.bmp"}));
    plum.files = {"c.bmp"};
    EXPECT_THROW(md.SetSymbol(2, plum), std::invalid_argument);
    EXPECT_EQ(md.GetSymbolFile("Plum").files.size(), 2u);
    EXPECT_FALSE(md.HasPatches());
    ReelSymbol lemon = md.GetSymbolFile("Lemon");
    lemon.files = {"m.bmp"};
    md.SetSymbol(1, lemon);
    EXPECT_TRUE(md.HasPatches());
}

}  // namespace
