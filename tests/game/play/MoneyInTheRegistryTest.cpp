// Money in the registry of the test prefix: a program killed right after a win loses
// nothing, and progressive meters are kept under their names in section "General".
#include <gtest/gtest.h>

#include <windows.h>

#include "../../app/RegistryHelpers.h"
#include "PlayFakes.h"
#include "PlayerRoster.h"
#include "ProductKey.h"
#include "SettingProgressiveStore.h"

namespace {
const std::string kFrontDesk = MakeSectionPath("FrontDesk");
const std::string kGeneral = MakeSectionPath("General");

std::string ChildPath() {
    char path[MAX_PATH] = {};
    GetModuleFileNameA(nullptr, path, MAX_PATH);
    std::string text(path);
    return text.substr(0, text.rfind('\\') + 1) + "kill_after_win_child.exe";
}

class MoneyInTheRegistry : public ::testing::Test {
protected:
    void SetUp() override { DeleteRegistryTree(HKEY_LOCAL_MACHINE, kFrontDesk); }
    void TearDown() override { DeleteRegistryTree(HKEY_LOCAL_MACHINE, kFrontDesk); }
};
}  // namespace

TEST_F(MoneyInTheRegistry, KillingTheProgramRightAfterAWinLosesNothing) {
    WriteRegistryString(kFrontDesk, "Player1Name", "Ada Lovelace");
    WriteRegistryDword(kFrontDesk, "Player1Cash", 100000);
    WriteRegistryDword(kFrontDesk, "Player1Credit", 0);
    WriteRegistryDword(kFrontDesk, "Player1Date", 8122026);
    WriteRegistryDword(kFrontDesk, "Player1Active", 1);

    const std::string eventName = "VslKillAfterWin" + std::to_string(GetCurrentProcessId());
    HANDLE won = CreateEventA(nullptr, TRUE, FALSE, eventName.c_str());
    ASSERT_NE(nullptr, won);
    STARTUPINFOA startup = {};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION child = {};
    std::string command = "\"" + ChildPath() + "\" " + eventName;
    ASSERT_TRUE(CreateProcessA(nullptr, &command[0], nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup, &child));
    HANDLE waits[2] = {won, child.hProcess};
    const DWORD woken = WaitForMultipleObjects(2, waits, FALSE, 60000);
    DWORD code = 0;
    GetExitCodeProcess(child.hProcess, &code);
    EXPECT_EQ(WAIT_OBJECT_0, woken) << "the child ended with " << code;
    TerminateProcess(child.hProcess, 9);
    WaitForSingleObject(child.hProcess, 10000);
    CloseHandle(child.hProcess);
    CloseHandle(child.hThread);
    CloseHandle(won);

    // The 30 credits won were on the machine, not yet the player's cash.
    DWORD cash = 0;
    ASSERT_TRUE(ReadRegistryDword(kFrontDesk, "Player1Cash", &cash));
    EXPECT_EQ(100000u - 75u, cash);

    // Starting again gives them back: 75 cents bet and lost, 30 quarters won.
    {
        PlayerRoster again;
        EXPECT_EQ(0, again.GetCurrentIndex());
        EXPECT_EQ(100000 - 75 + 750, again.GetCash().Cents());
    }
    ASSERT_TRUE(ReadRegistryDword(kFrontDesk, "Player1Cash", &cash));
    EXPECT_EQ(100000u - 75u + 750u, cash);
    PlayerRoster third;
    EXPECT_EQ(100000 - 75 + 750, third.GetCash().Cents()) << "given back once only";
}

TEST_F(MoneyInTheRegistry, DeletingAPlayerClearsTheStoredCredit) {
    {
        PlayerRoster roster;
        roster.Borrow(3, Money(50000));
        roster.DeletePlayer(3);
    }
    DWORD credit = 1, date = 1;
    ASSERT_TRUE(ReadRegistryDword(kFrontDesk, "Player4Credit", &credit));
    ASSERT_TRUE(ReadRegistryDword(kFrontDesk, "Player4Date", &date));
    EXPECT_EQ(0u, credit);
    EXPECT_EQ(0u, date);
}

TEST(ProgressiveInTheRegistry, TheMeterIsStoredUnderItsNameAndReadBack) {
    const char* kName = "$0.25Progressive";
    DeleteRegistryValue(kGeneral, kName);
    SettingProgressiveStore store;
    RandomGenerator random(1);
    {
        ProgressiveMeter meter(store, random, Money(25));
        meter.Load();
        EXPECT_EQ(15000000, meter.Value());
        for (int i = 0; i < 1000; ++i) meter.Tick();
        EXPECT_GT(meter.Value(), 15000000);
        ASSERT_TRUE(meter.Save());
        DWORD stored = 0;
        ASSERT_TRUE(ReadRegistryDword(kGeneral, kName, &stored));
        EXPECT_EQ(DWORD(meter.Value()), stored);
        ProgressiveMeter again(store, random, Money(25));
        again.Load();
        EXPECT_EQ(meter.Value(), again.Value());
        again.TakeJackpot();
        ASSERT_TRUE(ReadRegistryDword(kGeneral, kName, &stored));
        EXPECT_EQ(15000000u, stored);
    }
    DeleteRegistryValue(kGeneral, kName);
}
