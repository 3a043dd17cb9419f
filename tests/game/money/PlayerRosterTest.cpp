// The Front Desk's players in the registry and their money.
#include <gtest/gtest.h>

#include <windows.h>

#include "PlayerRoster.h"
#include "ProductKey.h"
#include "RegKey.h"

namespace {
const std::string kFrontDesk = MakeSectionPath("FrontDesk");

void DeleteFrontDesk() {
    HKEY key;
    if (RegOpenKeyExA(HKEY_LOCAL_MACHINE, kFrontDesk.c_str(), 0, KEY_ALL_ACCESS, &key) != ERROR_SUCCESS) return;
    RegCloseKey(key);
    RegDeleteKeyA(HKEY_LOCAL_MACHINE, kFrontDesk.c_str());
}

DWORD Today() {
    SYSTEMTIME now;
    GetLocalTime(&now);
    return DWORD(now.wDay) * 1000000u + DWORD(now.wMonth) * 10000u + DWORD(now.wYear);
}

class PlayerRosterTest : public ::testing::Test {
protected:
    void SetUp() override { DeleteFrontDesk(); }
    void TearDown() override { DeleteFrontDesk(); }
};
}  // namespace

TEST_F(PlayerRosterTest, FirstLoadWritesNinePlayersNoneActive) {
    {
        PlayerRoster roster;
        EXPECT_EQ(-1, roster.GetCurrentIndex());
        for (int slot = 0; slot < PlayerRoster::kPlayers; ++slot) {
            PlayerRecord& record = roster.GetRecord(slot);
            EXPECT_EQ("Player", record.GetFirstName());
            EXPECT_EQ(std::to_string(slot + 1), record.GetLastName());
            EXPECT_EQ(1000000, record.GetCash().Cents());
            EXPECT_EQ(0, record.GetCredit().Cents());
            EXPECT_EQ(Today(), record.GetDate());
            EXPECT_FALSE(record.IsActive());
        }
        // No current player: nothing to show and nothing changes.
        EXPECT_EQ(0, roster.GetCash().Cents());
        EXPECT_EQ("", roster.GetFullName());
        roster.AddCash(Money(5));
    }
    RegKey key(HKEY_LOCAL_MACHINE, kFrontDesk);
    ASSERT_EQ(ERROR_SUCCESS, key.Open());
    EXPECT_EQ("Player 9", key.QueryString("Player9Name", ""));
    EXPECT_EQ(1000000u, key.QueryDword("Player9Cash", 0));
    EXPECT_EQ(0u, key.QueryDword("Player1Active", 7));
}

TEST_F(PlayerRosterTest, MissingValuesLoadEmptyAndTheHighestActiveSlotIsCurrent) {
    {
        RegKey key(HKEY_LOCAL_MACHINE, kFrontDesk);
        ASSERT_EQ(ERROR_SUCCESS, key.Create());
        key.SetString("Player2Name", "Ada");
        key.SetDword("Player2Active", 1);
        key.SetDword("Player2Cash", 250);
        key.SetString("Player5Name", "Grace Brewster Hopper");
        key.SetDword("Player5Active", 1);
        key.SetDword("Player5Cash", 123456789);
    }
    PlayerRoster roster;
    EXPECT_EQ(4, roster.GetCurrentIndex());
    EXPECT_EQ("Grace Brewster", roster.GetRecord(4).GetFirstName());
    EXPECT_EQ("Hopper", roster.GetRecord(4).GetLastName());
    EXPECT_EQ("Grace Brewster Hopper", roster.GetFullName());
    EXPECT_EQ(123456789, roster.GetCash().Cents());
    const PlayerRecord& empty = roster.GetRecord(0);
    EXPECT_EQ("", empty.GetFirstName());
    EXPECT_EQ(0, empty.GetCash().Cents());
    EXPECT_EQ(0u, empty.GetDate());
    EXPECT_FALSE(empty.IsActive());

    // A name without a blank is a first name; saved again it gains one blank.
    EXPECT_EQ("Ada", roster.GetRecord(1).GetFirstName());
    EXPECT_EQ("", roster.GetRecord(1).GetLastName());
    roster.Save(1);
    RegKey key(HKEY_LOCAL_MACHINE, kFrontDesk);
    ASSERT_EQ(ERROR_SUCCESS, key.Open());
    EXPECT_EQ("Ada ", key.QueryString("Player2Name", ""));
}

TEST_F(PlayerRosterTest, CashOfTheCurrentPlayerIsKeptAcrossSaveAndLoad) {
    {
        PlayerRoster roster;
        roster.SetCurrentIndex(2);
        roster.GetRecord(2).SetActive(true);
        roster.SetCash(Money(1000));
        roster.AddCash(Money(-250));
        EXPECT_EQ(750, roster.GetCash().Cents());
    }
    PlayerRoster again;
    EXPECT_EQ(2, again.GetCurrentIndex());
    EXPECT_EQ(750, again.GetCash().Cents());
    EXPECT_EQ("Player 3", again.GetFullName());
}

TEST(PlayerRecord, BorrowAndRepayMoveCashAndCreditTogether) {
    PlayerRecord record;
    record.SetCash(Money(1000));
    record.Borrow(Money(50000));
    EXPECT_EQ(51000, record.GetCash().Cents());
    EXPECT_EQ(50000, record.GetCredit().Cents());
    record.Repay(Money(20000));
    EXPECT_EQ(31000, record.GetCash().Cents());
    EXPECT_EQ(30000, record.GetCredit().Cents());
    EXPECT_TRUE(record.AddCash(Money(-31000)));
    EXPECT_EQ(0, record.GetCash().Cents());
}

TEST(PlayerRecord, DateIsMonthDayTwoDigitYear) {
    PlayerRecord record;
    record.SetDate(8122026);
    EXPECT_EQ("12/8/26", record.FormatDate());
    record.SetDate(31012005);
    EXPECT_EQ("1/31/5", record.FormatDate());
}
