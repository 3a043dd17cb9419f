// The window-free rules of the grid pages and the gallery: which texts a reel weight and
// a payout cell take, counted lines, the items' texts, Tab through the cells, and the
// gallery's rows, scrolling and picks.
#include <gtest/gtest.h>

#include "GalleryGrid.h"
#include "PayoutLineEdits.h"
#include "ReelStripModel.h"

namespace {

ReelStripModel TwoByThree() {
    return ReelStripModel({{{"Leaf", 1}, {"Owl", 2}, {"Fox", 3}}, {{"Acorn", 4}, {"Leaf", 5}, {"Owl", 6}}});
}

TEST(ReelStripModelTest, AWeightMustBeAWholeNumberFromOne) {
    ReelStripModel model = TwoByThree();
    const GridCell cell{1, 0};  // stop 2 of reel 1
    EXPECT_TRUE(model.SetWeightText(cell, "12"));
    EXPECT_EQ(model.At(cell).weight, 12);
    // An emptied box, a 0 and anything that is not a number keep the weight.
    for (const char* refused : {"", "0", "  ", "00", "1x", "-3", "9999999999"}) {
        EXPECT_FALSE(model.SetWeightText(cell, refused)) << refused;
        EXPECT_EQ(model.At(cell).weight, 12) << refused;
    }
    EXPECT_TRUE(model.SetWeightText(cell, " 7 "));
    EXPECT_EQ(model.At(cell).weight, 7);
}

// A symbol's last stop keeps it: the script still names the symbol elsewhere.
TEST(ReelStripModelTest, TheLastStopOfASymbolKeepsIt) {
    ReelStripModel model = TwoByThree();
    EXPECT_NE("", model.SymbolChangeRefusal(GridCell{2, 0}, "Owl"));  // the only Fox
    EXPECT_FALSE(model.SetSymbol(GridCell{2, 0}, "Owl"));
    EXPECT_EQ("Fox", model.At(GridCell{2, 0}).symbol);
    EXPECT_EQ("", model.SymbolChangeRefusal(GridCell{2, 0}, "Fox"));
    EXPECT_TRUE(model.SetSymbol(GridCell{1, 0}, "Fox"));  // one of two Owls
    EXPECT_TRUE(model.SetSymbol(GridCell{2, 0}, "Owl"));  // now Fox stands on another stop
}

TEST(ReelStripModelTest, StatusTextCountsReelAndStopFromOne) {
    ReelStripModel model = TwoByThree();
    model.SetSymbol(GridCell{2, 1}, "Cherry");
    EXPECT_EQ(model.StatusText(GridCell{2, 1}), "Reel 2 Stop 3 Cherry 6");
    EXPECT_EQ(model.StatusText(GridCell{3, 0}), "");
    EXPECT_FALSE(model.Contains(GridCell{0, 2}));
}

TEST(ReelStripModelTest, TabVisitsSymbolThenWeightAndWrapsAroundTheGrid) {
    ReelStripModel model = TwoByThree();
    const StripFocus topLeftSymbol{GridCell{0, 0}, false}, bottomRightWeight{GridCell{2, 1}, true};
    EXPECT_EQ(model.Tab(topLeftSymbol, false), (StripFocus{GridCell{0, 0}, true}));
    EXPECT_EQ(model.Tab(StripFocus{GridCell{0, 0}, true}, false), (StripFocus{GridCell{0, 1}, false}));
    EXPECT_EQ(model.Tab(StripFocus{GridCell{0, 1}, true}, false), (StripFocus{GridCell{1, 0}, false}));
    EXPECT_EQ(model.Tab(bottomRightWeight, false), topLeftSymbol);
    EXPECT_EQ(model.Tab(topLeftSymbol, true), bottomRightWeight);
    EXPECT_EQ(model.Tab(StripFocus{GridCell{1, 1}, true}, true), (StripFocus{GridCell{1, 1}, false}));
}

TEST(PayoutTextTest, ACellChangesKindOnlyWhenItsTextPlainlyIsTheOtherKind) {
    PayAmount amount;
    amount.amount = 40;
    EXPECT_TRUE(SetPayoutText(amount, "0"));  // a 0 is an amount of nothing, not a scriptlet
    EXPECT_EQ(amount.type, 0);
    EXPECT_EQ(amount.amount, 0);
    EXPECT_FALSE(SetPayoutText(amount, ""));  // emptied: keeps what it held
    EXPECT_FALSE(SetPayoutText(amount, "   "));
    EXPECT_FALSE(SetPayoutText(amount, "99999999999"));
    EXPECT_EQ(amount.type, 0);
    EXPECT_EQ(amount.amount, 0);
    // An amount that cannot be stored is refused with the reason, not cut to what fits.
    EXPECT_EQ(0u, PayoutTextRefusal("2147483648").find("The amount 2147483648 is too large")) << PayoutTextRefusal("2147483648");
    EXPECT_EQ("", PayoutTextRefusal("2147483647"));
    EXPECT_EQ("", PayoutTextRefusal("   "));

    PayAmount scriptlet;
    EXPECT_TRUE(SetPayoutText(scriptlet, "2 * machine.Bet"));  // starts with a number, still code
    EXPECT_EQ(scriptlet.type, 1);
    EXPECT_EQ(scriptlet.scriptlet, "2 * machine.Bet");
    EXPECT_FALSE(SetPayoutText(scriptlet, ""));
    EXPECT_EQ(scriptlet.scriptlet, "2 * machine.Bet");
    EXPECT_TRUE(SetPayoutText(scriptlet, " 250 "));
    EXPECT_EQ(scriptlet.type, 0);
    EXPECT_EQ(scriptlet.amount, 250);
    EXPECT_EQ(scriptlet.scriptlet, "");
    EXPECT_EQ(PayoutText(scriptlet), "250");
}

TEST(PayoutTextTest, APayoutThatCannotBePaidIsRefusedWithWhatWasTyped) {
    EXPECT_EQ(0u, PayoutRefusal("-7").find("The amount -7 is negative")) << PayoutRefusal("-7");
    EXPECT_EQ(0u, PayoutRefusal(" - 7 ").find("The amount  - 7  is negative"));
    EXPECT_EQ(0u, PayoutRefusal("99999999999").find("The amount 99999999999 is too large"));
    for (const char* good : {"0", " 250 ", "", "Bonus() * 2", "abc", "-Bonus()", "machine.Anything"})
        EXPECT_EQ("", PayoutRefusal(good)) << good;
}

// A name that nothing defines may be one the code makes as the machine plays: the author
// is asked, naming it, rather than refused.
TEST(PayoutTextTest, APayoutUsingANameNothingDefinesIsAskedAbout) {
    auto defined = [](const std::string& name) { return name == "Bonus" || name == "Bet" || name == "machine"; };
    EXPECT_EQ(0u, UnknownNameQuestion("abc", defined).find("The payout abc uses abc, which is defined neither"));
    EXPECT_NE(std::string::npos, UnknownNameQuestion("abc", defined).find("Keep the payout abc?"));
    EXPECT_NE(std::string::npos, UnknownNameQuestion("Bonus() + zz(1)", defined).find(" uses zz,"));
    for (const char* good : {"0", " 250 ", "", "Bonus() * 2", "Bet(0) + Math.max(1, 2)", "Bonus('abc')",
                             "-Bonus()", "machine.Anything", "99999999999"})
        EXPECT_EQ("", UnknownNameQuestion(good, defined)) << good;
}

PayLine CountedLine(int count, int reels) {
    PayLine line;
    for (int i = 0; i < reels; ++i) {
        PayItem item;
        item.kind = i < count ? 1 : 2;
        if (i < count) item.symbols = {"Lantern"};
        line.items.push_back(item);
    }
    return line;
}

TEST(CountedLineTest, ACountIsHeldToTheReelsAndAtLeastOne) {
    PayLine line = CountedLine(2, 3);
    EXPECT_TRUE(IsCountedLine(line));
    EXPECT_EQ(CountedLineText(line), "Any 2 Lantern");
    EXPECT_TRUE(SetCountedChoice(line, 7, "Owl", 3));
    EXPECT_EQ(CountedRun(line), 3);
    for (const PayItem& item : line.items) EXPECT_EQ(item.symbols, std::vector<std::string>{"Owl"});
    EXPECT_TRUE(SetCountedChoice(line, 1, "Fox", 3));
    EXPECT_EQ(CountedLineText(line), "Any 1 Fox");
    EXPECT_EQ(line.items[1].kind, 2);
    EXPECT_TRUE(line.items[1].symbols.empty());
    // An emptied count would make a line that pays on every spin.
    EXPECT_FALSE(SetCountedChoice(line, 0, "Owl", 3));
    EXPECT_EQ(CountedLineText(line), "Any 1 Fox");
}

TEST(PayItemTest, TextsAndChoicesOfAReelCell) {
    PayItem item;
    item.symbols = {"Acorn", "Mushroom"};
    EXPECT_EQ(ItemText(item), "Multiple");
    item.kind = 2;
    EXPECT_EQ(ItemText(item), "Multiple");
    ChooseItem(item, "Any");  // clears the symbols it held
    EXPECT_EQ(item.kind, 2);
    EXPECT_TRUE(item.symbols.empty());
    EXPECT_EQ(ItemText(item), "Any");
    ChooseItem(item, "Owl");
    EXPECT_EQ(item.kind, 0);
    EXPECT_EQ(ItemText(item), "Owl");
    EXPECT_EQ(ItemText(PayItem{}), "");
}

GalleryGrid Gallery(int32_t pictures, int32_t visibleRows, int32_t base = 5, int32_t step = 2) {
    GalleryRecord record;
    record.words[GalleryRecord::kPictureCount] = pictures;
    record.words[GalleryRecord::kBase] = base;
    record.words[GalleryRecord::kStep] = step;
    return GalleryGrid(record, visibleRows);
}

TEST(GalleryGridTest, PagesStopAtTheLastFullView) {
    const GalleryGrid grid = Gallery(40, 6);
    EXPECT_EQ(grid.GetLargestFirstRow(), 4);
    EXPECT_EQ(grid.Scroll(0, GalleryGrid::kPageDown, 0), 4);
    EXPECT_EQ(grid.Scroll(4, GalleryGrid::kPageDown, 0), 4);
    EXPECT_EQ(grid.Scroll(4, GalleryGrid::kLineDown, 0), 4);
    EXPECT_EQ(grid.Scroll(3, GalleryGrid::kPageUp, 0), 0);
    EXPECT_EQ(grid.Scroll(0, GalleryGrid::kLineUp, 0), 0);
    EXPECT_EQ(grid.Scroll(0, GalleryGrid::kThumbTrack, 9), 4);
    EXPECT_EQ(grid.Scroll(2, 99, 0), 2);
    EXPECT_EQ(Gallery(3, 6).GetLargestFirstRow(), 0);
}

TEST(GalleryGridTest, OnlyCellsThatHoldAPictureArePicked) {
    const GalleryGrid grid = Gallery(42, 6);  // the eleventh row holds two pictures
    EXPECT_EQ(grid.GetRows(), 11);
    // The second picture of the third visible row, scrolled to row 2.
    const GalleryCell cell = GalleryGrid::CellAt(75, 150, 70, 70, 2);
    EXPECT_EQ(cell.column, 1);
    EXPECT_EQ(cell.row, 4);
    EXPECT_EQ(grid.PictureNumber(cell), (1 + 4 * 4) * 2 + 5);
    EXPECT_TRUE(grid.HoldsPicture(GalleryCell{1, 10}));
    EXPECT_FALSE(grid.HoldsPicture(GalleryCell{2, 10}));
    EXPECT_FALSE(grid.HoldsPicture(GalleryCell{0, 11}));
    EXPECT_FALSE(grid.HoldsPicture(GalleryCell{4, 0}));
    EXPECT_FALSE(grid.HoldsPicture(GalleryGrid::CellAt(-1, 3, 70, 70, 0)));
}

}  // namespace
