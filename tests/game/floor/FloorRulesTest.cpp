// The casino floor's platform-free rules: the hot-spot table and its projection, the
// scroll speed, the credit sheet's arithmetic and the Front Desk's roster checks.
#include <gtest/gtest.h>

#include <set>

#include "CreditRules.h"
#include "LobbyHotspots.h"
#include "LobbyProjection.h"
#include "LobbyRooms.h"
#include "LobbyScrolling.h"
#include "RosterCheck.h"

TEST(LobbyHotspots, TheTableHoldsEveryMachineOfEveryRoomInsideItsRoom) {
    const LobbyHotspot* table = LobbyHotspotTable();
    std::set<int32_t> ids;
    int32_t n = 0;
    for (const LobbyHotspot* h = table; h->polygon; ++h, ++n) {
        ids.insert(h->id);
        const int32_t room = h->id % 16;
        for (int32_t i = 0; h->polygon[2 * i] != -1; ++i) {
            EXPECT_GE(h->polygon[2 * i], room * 800) << h->title;
            EXPECT_LT(h->polygon[2 * i], room * 800 + 800) << h->title;
        }
    }
    EXPECT_EQ(n, 105);
    EXPECT_EQ(ids.size(), 105u);
    EXPECT_EQ(table[n].polygon, nullptr);
    EXPECT_EQ(FindHotspotAt(table, 407, 170), 272) << "Diamond 7 in room 0";
    EXPECT_EQ(FindHotspotAt(table, 487, 299), 272);
    EXPECT_EQ(FindHotspotAt(table, 489, 250), -1) << "right of Diamond 7 is floor";
    EXPECT_EQ(FindHotspotAt(table, 2646, 300), 387) << "Gridiron in room 3";
    EXPECT_STREQ(FindHotspot(table, 387)->title, "Gridiron");
    EXPECT_EQ(FindHotspot(table, 387)->frame, 7);
    EXPECT_EQ(FindHotspotAt(table, 1700, 100), -1) << "the exit door is no machine";
    EXPECT_TRUE(kLobbyExitRect.Contains(1700, 100));
}

TEST(LobbyHotspots, RoomsPlayAtTheirDenominations) {
    EXPECT_EQ(RoomOfDenomination(25), 0);
    EXPECT_EQ(RoomOfDenomination(10000), 2);
    EXPECT_EQ(RoomOfDenomination(100), 4);
    EXPECT_EQ(RoomOfDenomination(1), -1);
}

TEST(LobbyProjection, PointsGoToTheViewAndBackAcrossTheWrap) {
    LobbyProjection p;
    p.scrollX = 3800;
    const LobbyPoint v = p.ToView(LobbyPoint{100, 150});
    EXPECT_EQ(v.x, 300) << "column 100 is 300 pixels after the wrap";
    EXPECT_EQ(v.y, 150) << "the horizon is not stretched";
    const LobbyPoint far = p.ToView(LobbyPoint{3800, 400});
    EXPECT_EQ(far.x, 0);
    EXPECT_GT(far.y, 400) << "the view's edge stretches away from the horizon";
    const LobbyPoint back = p.ToPanorama(far);
    EXPECT_EQ(back.x, 3800);
    EXPECT_NEAR(back.y, 400, 1);
    EXPECT_EQ(WrapColumn(-1, 4000), 3999);
}

TEST(LobbyScrolling, ZonesAccelerateBrakeAndStop) {
    EXPECT_EQ(ScrollZoneAt(336, 336, 464, false), kZoneLeft);
    EXPECT_EQ(ScrollZoneAt(400, 336, 464, false), kZoneNone);
    EXPECT_EQ(ScrollZoneAt(463, 336, 464, true), kZoneRightPressed);
    EXPECT_EQ(ScrollZoneFrame(kZoneRight), 4u);
    LobbyScrollState s;
    s.Update(kZoneRight, 40);
    EXPECT_EQ(s.speed, 32) << "one pixel per frame up to 32";
    s.Update(kZoneRightPressed, 1);
    EXPECT_EQ(s.speed, 16);
    s.Update(kZoneRightPressed, 5);
    EXPECT_EQ(s.speed, 0);
    EXPECT_TRUE(s.fullQuality) << "a smooth drawing follows the stop";
    s.fullQuality = false;
    s.Update(kZoneLeft, 3);
    s.Update(kZoneNone, 1);
    EXPECT_EQ(s.speed, 0) << "leaving the control stops at once";
    EXPECT_TRUE(s.fullQuality);
}

TEST(CreditRules, BorrowingStaysWithinTheLimitHoweverLargeTheNumber) {
    EXPECT_EQ(AvailableCredit(300000), 700000);
    EXPECT_EQ(ClampBorrowCents(900000, 700000), 700000);
    EXPECT_EQ(AvailableCredit(1200000), 0);
    // 42949673 dollars are 4294967300 cents: 4 cents once wrapped to 32 bits.
    EXPECT_EQ(BorrowAmount(4294967300, 700000), 700000);
    EXPECT_EQ(ClampBorrowCents(4294967300, 700000), 700000);
    EXPECT_EQ(ClampBorrowCents(900000, 699950), 699950) << "the available credit to the cent";
    int64_t cents = 1;
    EXPECT_EQ(ParseAmount("99999999999999", &cents), TypedAmount::kAmount);
    EXPECT_EQ(BorrowAmount(cents, 1000000), 1000000);
    EXPECT_EQ(ParseAmount("", &cents), TypedAmount::kEmpty);
}

TEST(CreditRules, TypedCentsAreTheCentsMeantAndOtherTextIsNoAmount) {
    const struct {
        const char* text;
        int64_t cents;
    } amounts[] = {{"500.75", 50075}, {"250.5", 25050}, {"250.50", 25050}, {"7", 700},
                   {"0.05", 5},       {".5", 50},       {"12.", 1200},    {"0010", 1000}};
    for (const auto& a : amounts) {
        int64_t cents = -1;
        EXPECT_EQ(ParseAmount(a.text, &cents), TypedAmount::kAmount) << a.text;
        EXPECT_EQ(cents, a.cents) << a.text;
    }
    for (const char* text : {"12x", ".", "1.2.3", "1.234", "-5", "+5", "$5", "1,000", " 5", "5 "}) {
        int64_t cents = -1;
        EXPECT_EQ(ParseAmount(text, &cents), TypedAmount::kNotAmount) << text;
        EXPECT_EQ(cents, -1) << text;
    }
    EXPECT_EQ(AmountText(50075), "500.75");
    EXPECT_EQ(AmountText(700000), "7000");
    EXPECT_EQ(AmountText(50), "0.50");
    EXPECT_EQ(AmountText(105), "1.05");
}

TEST(CreditRules, TheCentsOfADebtCanBeRepaid) {
    const int32_t repayable = RepayableAmount(500050, 1234567);
    EXPECT_EQ(repayable, 500050);
    EXPECT_EQ(ClampRepayCents(900000, repayable), 500050) << "cut to what is owed, to the cent";
    EXPECT_EQ(ClampRepayCents(25050, repayable), 25050);
    EXPECT_EQ(RepayAmount(500100, repayable), 500050);
    EXPECT_EQ(RepayAmount(25050, repayable), 25050) << "typed cents are repaid as typed";
    EXPECT_EQ(ClampRepayCents(100, 50), 50) << "a dollar typed for 50 cents owed shows the 50 cents";
    EXPECT_EQ(RepayAmount(100, 50), 50);
    EXPECT_EQ(RepayableAmount(500000, 1234), 1234) << "limited by the cash";
    EXPECT_EQ(ClampRepayCents(100, 0), 0);
}

namespace {
RosterRow Row(bool inUse, bool active, const char* name) { return RosterRow{inUse, active, name}; }
}  // namespace

TEST(RosterCheck, TheRosterNeedsOneActiveNamedPlayerAndNoTwins) {
    EXPECT_EQ(CheckRoster({Row(false, false, ""), Row(false, false, "")}).verdict, RosterVerdict::kNoPlayers);
    const RosterResult pass = CheckRoster({Row(true, false, "Ann Lee"), Row(true, true, "Bo Ek")});
    EXPECT_EQ(pass.verdict, RosterVerdict::kPass);
    EXPECT_EQ(pass.row, 1);
    const RosterResult one = CheckRoster({Row(false, false, ""), Row(true, false, "Bo Ek")});
    EXPECT_EQ(one.verdict, RosterVerdict::kReactivate);
    EXPECT_EQ(one.row, 1);
    EXPECT_EQ(CheckRoster({Row(true, false, "A B"), Row(true, false, "C D")}).verdict, RosterVerdict::kChooseActive);
    EXPECT_EQ(CheckRoster({Row(true, true, "  "), Row(true, false, "C D")}).verdict, RosterVerdict::kUnnamed);
    const RosterResult twins = CheckRoster({Row(true, true, "Ann Lee"), Row(true, false, "Ann Lee ")});
    EXPECT_EQ(twins.verdict, RosterVerdict::kDuplicate);
    EXPECT_EQ(twins.row, 0);
    EXPECT_EQ(CheckRoster({Row(true, true, "Ann Lee"), Row(true, false, "ann lee")}).verdict, RosterVerdict::kPass)
        << "letter case tells names apart";
}
