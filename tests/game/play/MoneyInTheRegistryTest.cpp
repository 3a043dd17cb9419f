// Money in the registry of the test prefix: a program killed right after a win loses
// nothing, and progressive meters are kept under their names in section "General".
#include <gtest/gtest.h>

#include <windows.h>

#include "../../app/RegistryHelpers.h"
#include "PlayFakes.h"
#include "PlayerRoster.h"
#include "ProductKey.h"
#include "RegistryPlayerStore.h"
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

// Runs the child player in a mode and kills it once it signals that it got there.
void KillChildAt(const std::string& mode) {
    const std::string eventName = "VslKillChild" + std::to_string(GetCurrentProcessId()) + mode;
    HANDLE reached = CreateEventA(nullptr, TRUE, FALSE, eventName.c_str());
    ASSERT_NE(nullptr, reached);
    STARTUPINFOA startup = {};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION child = {};
    std::string command = "\"" + ChildPath() + "\" " + eventName + " " + mode;
    ASSERT_TRUE(CreateProcessA(nullptr, &command[0], nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup, &child));
    HANDLE waits[2] = {reached, child.hProcess};
    const DWORD woken = WaitForMultipleObjects(2, waits, FALSE, 60000);
    DWORD code = 0;
    GetExitCodeProcess(child.hProcess, &code);
    EXPECT_EQ(WAIT_OBJECT_0, woken) << mode << ": the child ended with " << code;
    TerminateProcess(child.hProcess, 9);
    WaitForSingleObject(child.hProcess, 10000);
    CloseHandle(child.hProcess);
    CloseHandle(child.hThread);
    CloseHandle(reached);
}

void WriteAda() {
    WriteRegistryString(kFrontDesk, "Player1Name", "Ada Lovelace");
    WriteRegistryDword(kFrontDesk, "Player1Cash", 100000);
    WriteRegistryDword(kFrontDesk, "Player1Credit", 0);
    WriteRegistryDword(kFrontDesk, "Player1Date", 8122026);
    WriteRegistryDword(kFrontDesk, "Player1Active", 1);
}

// The registry's store, whose money writes fail: a start killed or failing right after
// it read what a machine held.
class FailingMoneyStore : public RegistryPlayerStore {
public:
    bool SaveMoney(int, const PlayerRecord&, const Holding&) override { return false; }
};
}  // namespace

TEST_F(MoneyInTheRegistry, KillingTheProgramRightAfterAWinLosesNothing) {
    WriteAda();
    KillChildAt("paid");

    // The 30 credits won were on the machine, not yet the player's cash.
    DWORD cash = 0;
    ASSERT_TRUE(ReadRegistryDword(kFrontDesk, "Player1Cash", &cash));
    EXPECT_EQ(100000u - 75u, cash);

    // A start whose first write fails loses nothing of what the machine held.
    {
        FailingMoneyStore store;
        PlayerRoster failing(store);
        EXPECT_EQ(100000 - 75 + 750, failing.GetCash().Cents());
    }
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

// Killed after the stops were drawn and before the payment: the bet is spent and the stops
// pay what they pay, exactly once, whether the player saw them lose or not.
TEST_F(MoneyInTheRegistry, KillingTheProgramDuringASpinSettlesItByItsStops) {
    for (const auto& [mode, win] : {std::pair<std::string, int32_t>{"drawn-lose", 0}, {"drawn-win", 750}}) {
        DeleteRegistryTree(HKEY_LOCAL_MACHINE, kFrontDesk);
        WriteAda();
        KillChildAt(mode);
        for (int start = 0; start < 2; ++start) {
            PlayerRoster again;
            EXPECT_EQ(100000 - 75 + win, again.GetCash().Cents()) << mode << ", start " << start;
            EXPECT_FALSE(again.GetSpin());
        }
        DWORD cash = 0;
        ASSERT_TRUE(ReadRegistryDword(kFrontDesk, "Player1Cash", &cash));
        EXPECT_EQ(DWORD(100000 - 75 + win), cash) << mode;
    }
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

// The money a store of the program before the credit and the waiting wins were kept in
// "Player1Held" holds, written value by value: a player with a debt, 2 quarters on a
// machine and a spin cut short whose scriptlet lines wait for its machine.
TEST_F(MoneyInTheRegistry, AStoreOfTheEarlierFormLoadsWithTheSameMoney) {
    WriteAda();
    WriteRegistryDword(kFrontDesk, "Player1Cash", 90000);
    WriteRegistryDword(kFrontDesk, "Player1Credit", 5000);
    const std::vector<int32_t> words = {50, 90000, 2, 1, 25, 0, 1, 3, 3, 0, 7, 11};
    std::vector<BYTE> held;
    for (int32_t word : words)
        for (int shift = 0; shift < 32; shift += 8) held.push_back(BYTE(uint32_t(word) >> shift));
    for (char c : std::string("Harbor.slot")) held.push_back(BYTE(c));
    HKEY key = nullptr;
    ASSERT_EQ(ERROR_SUCCESS, RegOpenKeyExA(HKEY_LOCAL_MACHINE, kFrontDesk.c_str(), 0, KEY_SET_VALUE, &key));
    ASSERT_EQ(ERROR_SUCCESS, RegSetValueExA(key, "Player1Held", 0, REG_BINARY, held.data(), DWORD(held.size())));
    RegCloseKey(key);
    for (int start = 0; start < 2; ++start) {
        PlayerRoster roster;
        EXPECT_EQ(90050, roster.GetCash().Cents()) << start;
        EXPECT_EQ(5000, roster.GetRecord(0).GetCredit().Cents()) << start;
        ASSERT_TRUE(roster.GetPendingSpin("Harbor.slot")) << start;
        EXPECT_EQ((std::vector<int32_t>{3, 0, 7}), roster.GetPendingSpin("Harbor.slot")->stops);
    }
    DWORD credit = 0;
    ASSERT_TRUE(ReadRegistryDword(kFrontDesk, "Player1Credit", &credit));
    EXPECT_EQ(5000u, credit);
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
