// Edit sessions on the example machine, each written script compared with the file it
// must give byte for byte (scripts/golden/). VSL_UPDATE_GOLDEN=1 rewrites those files.
#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <string>

#include "WriteTestHelpers.h"

namespace {

void ExpectGolden(ExampleSession& session, const std::string& name) {
    const std::string written = session.Written();
    const std::string path = ExampleScriptDir() + "golden/" + name;
    if (std::getenv("VSL_UPDATE_GOLDEN")) {
        if (std::FILE* f = std::fopen(path.c_str(), "wb")) {
            std::fwrite(written.data(), 1, written.size(), f);
            std::fclose(f);
        }
    }
    EXPECT_EQ(written, ReadFileBytes(path)) << name;
    session.Recompiled();
}

TEST(GoldenSessions, ReelsSymbolsAndPayouts) {
    ExampleSession session;
    MachineDescription& md = session.md;
    ReelStrip strip = md.GetReelStrip(0);
    strip[0] = StripEntry{"Owl", 1};   // Apple 2 -> Owl 1
    strip[1].weight = 3;               // Pear gets a weight
    strip[2].symbol = "Moon";          // next to it, Plum becomes Moon
    strip[9].weight = 2;               // the last stop, in front of "}"
    md.SetReelStrip(0, strip);
    ReelSymbol moon = md.GetSymbolFile("Moon");
    moon.files = {"orchard_moon_lib.ast"};
    moon.assetNumber = 4;
    md.SetSymbol(1, moon);
    md.SetReelRect(2, ScriptRect{338, 96, 426, 300});

    ScriptPayTable table = md.GetPayouts();
    table.lines[0].payouts = {{0, "", 500}, {0, "", 1000}, {0, "", 2000}};
    table.lines[1].payouts[2] = {1, "PlumBonus()", 0};
    table.lines[2].kind = 0;
    table.lines[2].items[2] = ScriptPayTable::PatternItem{0, {"Pear", "Owl"}};
    table.lines[4].items = {{1, {"Moon"}}, {1, {"Moon"}}, {1, {"Moon"}}};
    md.SetPayouts(table);
    ExpectGolden(session, "ReelsSymbolsAndPayouts.vsl");
}

TEST(GoldenSessions, ElementsEditedRenamedAndDeleted) {
    ExampleSession session("orchard_bell.wav");
    MachineDescription& md = session.md;
    ButtonPart spin = md.GetButtons().at("Spin").button;
    spin.rectangle = ScriptRect{460, 450, 480, 462};
    spin.priority = 220;
    spin.hotKeyFlags = HotKeyAlt;
    md.SetButton("Spin", spin);
    IndicatorPart credit = md.GetIndicators().at("Credit").indicator;
    credit.dollarSign = 0;
    credit.rectangle = ScriptRect{250, 30, 390, 54};
    md.SetIndicator("Credit", credit);
    IndicatorPart denomination = md.GetIndicators().at("Denomination").indicator;
    denomination.picture.sequences = {{"orchard_digits.bmp"}};
    md.SetIndicator("Denomination", denomination);
    RegionPart slot = md.GetRegions().at("CoinSlot").region;
    slot.region.originX = 644;
    slot.region.vertices.push_back(Point{-4, 30});
    md.SetRegion("CoinSlot", slot);
    SoundPart chime = md.GetSounds().at("Chime").sound;
    chime.file = "orchard_bell.wav";
    md.SetSound("Chime", chime);
    md.RenameElement("Chime", "Bell");
    ButtonPart help = md.GetButtons().at("Help").button;
    help.priority = 1;
    md.SetButton("Help", help);
    md.DeleteElement("Help");
    ExpectGolden(session, "ElementsEditedRenamedAndDeleted.vsl");
}

TEST(GoldenSessions, SceneAndNewElements) {
    ExampleSession session;
    MachineDescription& md = session.md;
    md.SetBackdrop("orchard_dawn.bmp");
    md.SetArmRect(ScriptRect{700, 110, 720, 122});
    AnimationReference coin;
    coin.sequences = {{"orchard_coins.ast"}};
    coin.libraryAsset = 7;
    md.SetCoinAnimation(coin);
    AnimationReference glow = md.GetAnimations().at("Glow").animation.reference;
    glow.sequences.push_back({"orchard_glow1.bmp"});
    glow.transparent = false;
    md.SetAnimationFiles("Glow", glow);

    ButtonPart lamp;
    lamp.picture.animationName = "Glow";
    lamp.rectangle = ScriptRect{40, 440, 60, 452};
    lamp.hotKey = 'l';
    lamp.scriptlets = {"OnClick=Lamp()"};
    ASSERT_TRUE(md.DefineButton("Lamp", lamp));
    IndicatorPart lines;
    lines.picture.sequences = {{"orchard_digits.bmp"}};
    lines.rectangle = ScriptRect{40, 30, 100, 54};
    lines.digits = 3;
    ASSERT_TRUE(md.DefineIndicator("Lines", lines));
    SoundPart whoosh;
    whoosh.file = "orchard_drop.wav";
    whoosh.compressed = true;
    ASSERT_TRUE(md.DefineSound("Whoosh", whoosh));
    RegionPart door;
    door.region.originX = 10;
    door.region.originY = 20;
    door.region.vertices = {{0, 0}, {5, 0}, {5, 5}, {0, 5}, {2, 7}};
    door.hotKeyFlags = HotKeyShift;
    ASSERT_TRUE(md.DefineRegion("Door", door));
    ExpectGolden(session, "SceneAndNewElements.vsl");
}

}  // namespace
