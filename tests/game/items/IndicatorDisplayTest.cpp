// Indicator displays drawn by the engine into a TV window and read back pixel by pixel:
// digits, blanks and the "$" cell for 0, 7, 1234, values wider than the cells and
// negative values; lamps; separators; value listeners and the update event; blanking.
#include <string>
#include <vector>

#include "IndicatorDisplay.h"
#include "ItemStage.h"
#include "SpriteQueries.h"

namespace {

const int kX = 20, kY = 20, kCells = 6;

class Indicators : public ItemStage {
protected:
    // Centre of cell i (cell 0 rightmost) of a display of `cells` at (kX, kY).
    static POINT CellCentre(int i, int cells = kCells) { return POINT{kX + (cells - 1 - i) * 10 + 5, kY + 8}; }
    Shown Digit(int d) const { return Shown{family_, d + 1, 0}; }
    Shown Blank() const { return Shown{family_, 0, 0}; }
    Shown Dollar() const { return Shown{kDigitFamily, 11, 0}; }

    // What every cell shows, cell 0 first, once the window shows `want` in cell 0.
    std::vector<Shown> Cells(const std::vector<Shown>& want, int cells = kCells) {
        std::vector<Shown> got;
        for (int i = 0; i < cells; ++i) {
            const POINT p = CellCentre(i, cells);
            got.push_back(i == 0 ? ShowsEventually(p.x, p.y, want[0]) : At(p.x, p.y));
        }
        // The rest of the picture may lag the first cell by one frame.
        if (got != want) {
            PumpUntil([&] {
                got.clear();
                for (int i = 0; i < cells; ++i) got.push_back(At(CellCentre(i, cells).x, CellCentre(i, cells).y));
                return got == want;
            });
        }
        return got;
    }
    // Cells with a "$" picture for a dollar display, without one otherwise.
    void Init(IndicatorDisplay& d, bool dollar, int cells = kCells) {
        family_ = dollar ? kDigitFamily : kPlainDigitFamily;
        d.Init(stage_, cells, 0, dollar ? DigitAsset() : PlainDigitAsset(), nullptr, POINT{kX, kY}, 5, dollar);
    }
    int family_ = kPlainDigitFamily;
};

struct SinkProbe final : ItemEventSink {
    std::vector<int32_t> events;
    int released = 0;
    void FireItemEvent(int32_t dispid) override { events.push_back(dispid); }
    void Release() override { ++released; }
};

struct ValueProbe {
    std::vector<int32_t> heard;
    void Heard(const int32_t* value) { heard.push_back(*value); }
};

TEST_F(Indicators, DigitsShowRightAlignedWithoutLeadingZerosAndWideValuesShowTheMaximum) {
    IndicatorDisplay d;
    Init(d, false);
    EXPECT_EQ(10, d.GetPitch());
    EXPECT_EQ(10, d.GetRadix());
    EXPECT_EQ(999999, d.GetMaximum());

    d.ShowValue();
    const Shown b = Blank();
    EXPECT_EQ((std::vector<Shown>{Digit(0), b, b, b, b, b}), Cells({Digit(0), b, b, b, b, b}));
    d.SetValue(7);
    EXPECT_EQ((std::vector<Shown>{Digit(7), b, b, b, b, b}), Cells({Digit(7), b, b, b, b, b}));
    d.SetValue(1234);
    const std::vector<Shown> n1234 = {Digit(4), Digit(3), Digit(2), Digit(1), b, b};
    EXPECT_EQ(n1234, Cells(n1234));
    d.SetValue(12345678);
    const std::vector<Shown> nines(kCells, Digit(9));
    EXPECT_EQ(nines, Cells(nines));
    EXPECT_EQ(12345678, d.GetValue()) << "the value is kept, the maximum drawn";
}

TEST_F(Indicators, TheDollarSignStandsLeftOfTheHighestDigit) {
    IndicatorDisplay d;
    Init(d, true);
    EXPECT_EQ(10, d.GetRadix()) << "blank and $ are no digits";
    d.ShowValue();
    const Shown b = Blank();
    EXPECT_EQ((std::vector<Shown>{Digit(0), Dollar(), b, b, b, b}), Cells({Digit(0), Dollar(), b, b, b, b}));
    d.SetValue(1234);
    const std::vector<Shown> n1234 = {Digit(4), Digit(3), Digit(2), Digit(1), Dollar(), b};
    EXPECT_EQ(n1234, Cells(n1234));
    d.SetValue(987654);
    const std::vector<Shown> full = {Digit(4), Digit(5), Digit(6), Digit(7), Digit(8), Digit(9)};
    EXPECT_EQ(full, Cells(full)) << "no room is left for the sign";
}

TEST_F(Indicators, NegativeValuesShowTheMaximumAndNeverASequenceTheCellsLack) {
    IndicatorDisplay d;
    Init(d, true);
    d.ShowValue();
    d.SetValue(-5);
    const std::vector<Shown> nines(kCells, Digit(9));
    EXPECT_EQ(nines, Cells(nines));
    d.SetValue(INT32_MIN);
    d.SetValue(7);
    EXPECT_EQ(Digit(7), ShowsEventually(CellCentre(0).x, CellCentre(0).y, Digit(7)));

    // A "$" display on cells that have only a blank and one picture is a lamp, and a
    // display on cells with no sequences at all shows nothing: neither indexes outside.
    IndicatorDisplay lamp, none;
    lamp.Init(stage_, 2, 0, LampAsset(), nullptr, POINT{200, 200}, 5, true);
    none.Init(stage_, 2, 0, Asset(9999), nullptr, POINT{200, 240}, 5, true);
    EXPECT_EQ(0, lamp.GetRadix()) << "one picture besides the blank makes a lamp";
    for (int32_t v : {-1, INT32_MIN, 0, 3}) {
        lamp.SetValue(v);
        none.SetValue(v);
    }
    EXPECT_EQ(1u, GetSpriteSequence(*lamp.GetCell(0)));
    EXPECT_EQ(1u, GetSpriteSequence(*lamp.GetCell(1)));
}

TEST_F(Indicators, LampsLightForANonZeroValue) {
    IndicatorDisplay lamps;
    lamps.Init(stage_, 3, 0, LampAsset(), nullptr, POINT{kX, kY}, 5, false);
    lamps.SetValue(1);
    const Shown lit = {kLampFamily, 1, 0}, dark = {kLampFamily, 0, 0};
    EXPECT_EQ(lit, ShowsEventually(kX + 5, kY + 5, lit));
    EXPECT_EQ(lit, At(kX + 25, kY + 5));
    lamps.SetValue(0);
    EXPECT_EQ(dark, ShowsEventually(kX + 5, kY + 5, dark));
}

TEST_F(Indicators, ValueChangesReachTheListenersAndTheUpdateEventOnce) {
    IndicatorDisplay d;
    Init(d, false);
    auto* sink = new SinkProbe;
    d.SetEventSink(sink);
    ValueProbe probe;
    const uint32_t cookie = d.Listeners().Add(&probe, &ValueProbe::Heard);
    d.SetValue(5);
    d.SetValue(5);
    d.AddValue(10);
    d.SubtractValue(3);
    EXPECT_EQ((std::vector<int32_t>{5, 15, 12}), probe.heard);
    EXPECT_EQ((std::vector<int32_t>{1, 1, 1}), sink->events);
    d.Listeners().Remove(cookie);
    d.SetValue(0);
    EXPECT_EQ(3u, probe.heard.size());
    SinkProbe kept;
    {
        IndicatorDisplay gone;
        gone.SetEventSink(&kept);
    }
    EXPECT_EQ(1, kept.released) << "a display releases its sink when it goes";
    d.SetEventSink(nullptr);
    EXPECT_EQ(1, sink->released);
    delete sink;
}

TEST_F(Indicators, ABlankedDisplayKeepsItsValueAndShowValueDrawsItAgain) {
    IndicatorDisplay d;
    Init(d, false);
    d.SetValue(42);
    d.Blank();
    EXPECT_TRUE(d.IsBlank());
    d.SetValue(43);
    const std::vector<Shown> blank(kCells, Blank());
    EXPECT_EQ(blank, Cells(blank));
    d.ShowValue();
    EXPECT_FALSE(d.IsBlank());
    EXPECT_EQ(Digit(3), ShowsEventually(CellCentre(0).x, CellCentre(0).y, Digit(3)));
    EXPECT_EQ(Digit(4), At(CellCentre(1).x, CellCentre(1).y));

    IndicatorDisplay empty;  // no cells: its maximum is 0 and it cannot be shown
    empty.Init(stage_, 0, 0, DigitAsset(), nullptr, POINT{0, 0}, 5, false);
    empty.Blank();
    empty.ShowValue();
    EXPECT_TRUE(empty.IsBlank());
}

TEST_F(Indicators, SeparatorsShowAboveTheirThresholdsAndMoveWithTheDisplay) {
    IndicatorDisplay d;
    Init(d, false, 9);
    d.CreateSeparators(stage_);
    ASSERT_EQ(2, d.GetSeparatorCount());
    ASSERT_NE(nullptr, d.GetDecimalPoint());
    d.Show();
    auto hidden = [](const SpriteHandle* s) { return (Examined(s->Get()).flags & QuorSpriteHidden) != 0; };
    EXPECT_TRUE(hidden(d.GetSeparator(0)));
    EXPECT_FALSE(hidden(d.GetDecimalPoint()));
    d.SetValue(99900);
    EXPECT_TRUE(hidden(d.GetSeparator(0)));
    d.SetValue(99901);
    EXPECT_FALSE(hidden(d.GetSeparator(0)));
    EXPECT_TRUE(hidden(d.GetSeparator(1)));
    // The separator is a white comma in the gap between the cells: a point on the digits'
    // baseline with its tail below it.
    const int sx = kX + (9 - 5) * 10 - 1, sy = kY + 10;
    EXPECT_TRUE(IsWhiteEventually(sx + 2, sy + 2));
    EXPECT_TRUE(IsWhiteEventually(sx + 1, sy + 7));

    d.MoveBy(POINT{3, 4}, 0);
    EXPECT_EQ(sx + 3, Examined(d.GetSeparator(0)->Get()).x);
    EXPECT_EQ(kX + 3 + 8 * 10, Examined(d.GetCell(0)->Get()).x);
    d.PlaceAt(POINT{kX, kY}, 5);
    EXPECT_EQ(sx, Examined(d.GetSeparator(0)->Get()).x);
    EXPECT_EQ(kX + 8 * 10, Examined(d.GetCell(0)->Get()).x);
    d.Hide();
    EXPECT_TRUE(hidden(d.GetSeparator(0)));
    EXPECT_TRUE(hidden(d.GetCell(3)));
}

}  // namespace

namespace {

const char* TextOf(const SpriteHandle* text) {
    return reinterpret_cast<const QuorTextProperties*>(uintptr_t(Examined(text->Get()).extra))->text;
}

TEST_F(Indicators, WithoutCellPicturesTheValueIsText) {
    IndicatorDisplay d;
    d.Init(stage_, 3, 20, 0, "Liberation Sans", POINT{kX, kY}, 5, false);
    ASSERT_NE(nullptr, d.GetTextSprite());
    EXPECT_FALSE(d.HasSpriteCells());
    EXPECT_EQ(999, d.GetMaximum());
    EXPECT_STREQ("   ", TextOf(d.GetTextSprite()));
    EXPECT_GT(Examined(d.GetTextSprite()->Get()).x, kX) << "placed after the width of \"999\"";
    d.ShowValue();
    EXPECT_STREQ("0", TextOf(d.GetTextSprite()));
    d.SetValue(42);
    EXPECT_STREQ("42", TextOf(d.GetTextSprite()));
    d.SetValue(12345);
    EXPECT_STREQ("999", TextOf(d.GetTextSprite()));
    d.SetValue(-1);
    EXPECT_STREQ("999", TextOf(d.GetTextSprite()));
    d.Blank();
    EXPECT_STREQ("   ", TextOf(d.GetTextSprite()));
}

TEST_F(Indicators, RotationAndScaleTransformEveryCell) {
    IndicatorDisplay d;
    Init(d, false, 2);
    d.SetScale(2.0);
    d.SetRotation(90.0);
    EXPECT_EQ(90.0, d.GetRotation());
    EXPECT_EQ(2.0, d.GetScale());
    for (int cell = 0; cell < 2; ++cell) {
        const SpriteCreateRecord r = Examined(d.GetCell(cell)->Get());
        EXPECT_NEAR(0.0, r.transformA[0], 1e-9);
        EXPECT_NEAR(2.0, r.transformA[1], 1e-9);
        EXPECT_NEAR(-2.0, r.transformA[2], 1e-9);
        EXPECT_NEAR(0.0, r.transformA[3], 1e-9);
    }
}

}  // namespace
