#include "SymbolTable.h"

#include <gtest/gtest.h>

#include "NamedItem.h"

namespace {

TEST(SymbolTable, ARedefinitionIsRefusedAndKeepsTheFirst) {
    SymbolTable table;
    table.PushScope();
    EXPECT_TRUE(table.DefineConstant("A", 5));
    EXPECT_FALSE(table.DefineRectangle("A", {1, 2, 3, 4}));
    EXPECT_FALSE(table.DefineConstant("A", 6));
    int32_t v = 0;
    EXPECT_TRUE(table.GetConstant("A", v));
    EXPECT_EQ(v, 5);
    ScriptRect r;
    EXPECT_FALSE(table.GetRectangle("A", r));
}

TEST(SymbolTable, TypedGettersAnswerOnlyForTheirKind) {
    SymbolTable table;
    table.PushScope();
    table.DefineRectangle("Window", {10, 20, 40, 60});
    int32_t v = 99;
    EXPECT_FALSE(table.GetConstant("Window", v));
    EXPECT_EQ(v, 99);
    EXPECT_TRUE(table.Find("Window"));
    EXPECT_FALSE(table.Find("Door"));
    ScriptRect r;
    EXPECT_TRUE(table.GetRectangle("Window", r));
    EXPECT_EQ(r, (ScriptRect{10, 20, 40, 60}));
    AnimationRecord anim;
    anim.name = "Blink";
    table.DefineAnimation("Blink", anim);
    AnimationRecord got;
    EXPECT_TRUE(table.GetAnimation("Blink", got));
    EXPECT_EQ(got.name, "Blink");
    EXPECT_FALSE(table.GetAnimation("Window", got));
}

TEST(SymbolTable, NamesAreCaseSensitive) {
    SymbolTable table;
    table.PushScope();
    EXPECT_TRUE(table.DefineConstant("spin", 1));
    EXPECT_TRUE(table.DefineConstant("Spin", 2));
    int32_t a = 0, b = 0;
    table.GetConstant("spin", a);
    table.GetConstant("Spin", b);
    EXPECT_EQ(a, 1);
    EXPECT_EQ(b, 2);
}

TEST(SymbolTable, ScopesShadowOutward) {
    SymbolTable table;
    table.PushScope();
    table.DefineConstant("X", 1);
    table.DefineConstant("Outer", 7);
    table.PushScope();
    EXPECT_TRUE(table.DefineConstant("X", 2)) << "a new scope may reuse a name";
    int32_t v = 0;
    table.GetConstant("X", v);
    EXPECT_EQ(v, 2);
    table.GetConstant("Outer", v);
    EXPECT_EQ(v, 7);
    EXPECT_EQ(table.ListKind(SymbolKind::Constant).size(), 2u) << "one entry per name";
    table.Clear();
    EXPECT_EQ(table.ScopeCount(), 0u);
    EXPECT_FALSE(table.Find("X"));
}

TEST(SymbolTable, ListKindGivesNameOrderedCopies) {
    SymbolTable table;
    table.PushScope();
    ButtonPart b;
    b.name = "B";
    table.DefineButton("B", b);
    b.name = "A";
    table.DefineButton("A", b);
    table.DefineIndicator("Credit", IndicatorPart());
    table.DefineSound("Bell", SoundPart());
    table.DefineRegion("Slot", RegionPart());
    auto buttons = table.ListKind(SymbolKind::Button);
    ASSERT_EQ(buttons.size(), 2u);
    EXPECT_EQ(buttons.begin()->first, "A");
    EXPECT_EQ(buttons.begin()->second.button.name, "A");
    buttons.begin()->second.button.name = "changed";
    EXPECT_EQ(table.GetButtonPart("A")->name, "A") << "the list holds copies";
    EXPECT_EQ(table.ListKind(SymbolKind::Indicator).size(), 1u);
    EXPECT_EQ(table.ListKind(SymbolKind::Sound).size(), 1u);
    EXPECT_EQ(table.ListKind(SymbolKind::Region).size(), 1u);
    EXPECT_TRUE(table.ListKind(SymbolKind::Animation).empty());
}

TEST(SymbolTable, RecordsAndPartsChangeInPlace) {
    SymbolTable table;
    table.PushScope();
    table.DefineSound("Bell", SoundPart());
    table.DefineConstant("K", 3);
    table.GetSoundPart("Bell")->name = "Chime";
    SymbolRecord r;
    ASSERT_TRUE(table.Lookup("Bell", r));
    EXPECT_EQ(r.kind, SymbolKind::Sound);
    EXPECT_EQ(r.sound.name, "Chime");
    EXPECT_EQ(table.GetKindPart("Bell"), table.GetSoundPart("Bell"));
    EXPECT_EQ(table.GetKindPart("K"), table.GetRegionPart("K"))
        << "a kind without a part gets the region part's place";
    table.GetRecord("K")->value = 4;
    int32_t v = 0;
    table.GetConstant("K", v);
    EXPECT_EQ(v, 4);
    EXPECT_EQ(table.GetRecord("none"), nullptr);
    EXPECT_EQ(table.GetKindPart("none"), nullptr);
    EXPECT_EQ(table.GetButtonPart("none"), nullptr);
}

TEST(SymbolTable, InsertWithoutAScopeStillStores) {
    SymbolTable table;
    EXPECT_TRUE(table.DefineConstant("A", 1));
    EXPECT_TRUE(table.Find("A"));
}

TEST(NamedItem, BaseAnswersFalseAndKeepsItsName) {
    NamedItem item;
    item.name = "layout";
    EXPECT_FALSE(item.LoadBackdrop(nullptr));
    EXPECT_FALSE(item.Apply());
    EXPECT_EQ(item.name, "layout");
}

}  // namespace
