// Every built-in machine as the content build makes it: its file beside the program under
// the title the lobby shows for it, loaded into the machine screen with the play face and
// spun. The spin's draws stop every reel on the machine's best symbol, so each machine
// pays its jackpot line into "WinnerPaid" and "Credit".
#include <windows.h>

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "AssetFileTitle.h"
#include "BestLineDraws.h"
#include "BuiltFileFolder.h"
#include "BuiltInMachines.h"
#include "FrameListeners.h"
#include "LobbyHotspots.h"
#include "MachineHost.h"
#include "PlayFace.h"
#include "PlayFakes.h"
#include "PlayerRoster.h"
#include "ProductKey.h"
#include "RegistryHelpers.h"
#include "ShowScreen.h"

namespace {

const std::string kFrontDesk = MakeSectionPath("FrontDesk");
const std::string kGeneral = MakeSectionPath("General");

PlayerRoster* roster = nullptr;
ListedRandom* draws = nullptr;

MachineFace* MakeTestFace(MachineScreen& screen) { return new PlayFace(screen, *roster, draws); }

const std::string kProgramDir = BuiltFileFolder(VSL_PROGRAM_DIR "/");

std::string MachinePath(const BuiltInMachine& machine) { return kProgramDir + machine.script; }

class BuiltInMachinesTest : public ::testing::Test {
protected:
    static void SetUpTestSuite() { RegisterDecoder(0x50414D42u, 1, "ZORUDOR.DLL"); }

    void SetUp() override {
        WriteOnePlayer(kFrontDesk, "Grace Hopper", 1000000, 9122026);
        roster_ = std::make_unique<PlayerRoster>();
        roster = roster_.get();
        draws = &random_;
        host_ = std::make_unique<MachineHost>(&MakeTestFace);
        ASSERT_NE(nullptr, host_->Main());
        SetFrameRate(30);
        SetFrameCallback(OnEngineFrame);
    }
    void TearDown() override {
        SetFrameCallback(nullptr);
        host_.reset();
        roster_.reset();
        DeleteRegistryTree(HKEY_LOCAL_MACHINE, kFrontDesk);
    }

    static bool WaitIdle(PlayFace& face) {
        const DWORD deadline = GetTickCount() + 30000;
        while (!face.GetSpin().IsIdle() && GetTickCount() < deadline) {
            PumpMessages();
            Sleep(5);
        }
        return face.GetSpin().IsIdle();
    }

    // Opens the machine, bets the maximum, spins onto the best line and cashes out.
    void PlayJackpot(const BuiltInMachine& machine) {
        random_ = ListedRandom();  // the reels' first places are drawn as 0
        ASSERT_TRUE(ShowNamedScreen(MachinePath(machine)));
        MachineScreen* screen = MachineHost::CurrentMachine();
        ASSERT_NE(screen, nullptr);
        auto* face = dynamic_cast<PlayFace*>(screen->GetFace());
        ASSERT_NE(face, nullptr) << "the machine has a face only when its script runs";
        EXPECT_EQ(screen->GetTitle(), LobbyMachineTitle(machine.number));

        const MachineRecords& records = screen->Records();
        const BestLine best = FindBestLine(records);
        ASSERT_GE(best.symbol, 0) << "every machine pays for a full line of its best symbol";
        random_.values = DrawsStoppingOn(records, best.symbol);

        const int32_t coins = 4 * records.maxBet;
        face->GetMoney().AddCoins(coins);
        MachineMeters& meters = face->GetMeters();
        ASSERT_EQ(meters.Bet(), records.maxBet);
        face->GetSpin().OnSpin();
        ASSERT_TRUE(WaitIdle(*face));
        for (int32_t reel = 0; reel < int32_t(records.strips.size()); ++reel)
            EXPECT_EQ(face->GetReels().GetMotion(reel), 0);
        EXPECT_EQ(meters.WinnerPaid(), best.amount);
        EXPECT_EQ(meters.Credit(), coins - records.maxBet + best.amount);
        EXPECT_EQ(meters.Bet(), 0);
        face->GetMoney().OnCashOut();
        EXPECT_TRUE(screen->CanEnd());
        MachineHost::CloseAll();
    }

    static bool Shown(const SpriteHandle* sprite) {
        SpriteCreateRecord record;
        return sprite && ExamineSprite(sprite->Get(), &record) && (record.flags & QuorSpriteHidden) == 0;
    }

    std::unique_ptr<PlayerRoster> roster_;
    ListedRandom random_;
    std::unique_ptr<MachineHost> host_;
};

TEST(BuiltInMachineFiles, EachIsBesideTheProgramUnderTheTitleTheLobbyShows) {
    ASSERT_EQ(kBuiltInMachineCount, 21u);
    for (size_t i = 0; i < kBuiltInMachineCount; ++i) {
        const BuiltInMachine& machine = kBuiltInMachines[i];
        const char* title = LobbyMachineTitle(machine.number);
        ASSERT_NE(title, nullptr) << machine.script;
        EXPECT_EQ(ReadAssetFileTitle(MachinePath(machine)), title) << machine.script;
    }
}

TEST_F(BuiltInMachinesTest, EveryMachineLoadsSpinsAndPaysItsBestLine) {
    for (size_t i = 0; i < kBuiltInMachineCount; ++i) {
        SCOPED_TRACE(kBuiltInMachines[i].script);
        PlayJackpot(kBuiltInMachines[i]);
        if (HasFatalFailure()) return;
    }
}

// The jackpot meter holds cents: it shows them as money, with the decimal point and the
// thousands separators its value reaches ($123,456.78 has one, not yet the millions').
TEST_F(BuiltInMachinesTest, TheProgressiveShowsItsJackpotAsMoney) {
    // The stored meters go again afterwards: other tests start from the seed.
    struct StoredMeters {
        const std::vector<std::string> names{"$0.05Progressive", "$0.25Progressive", "$1.00Progressive",
                                             "$5.00Progressive", "$25.00Progressive"};
        StoredMeters() {
            for (const std::string& name : names) WriteRegistryDword(kGeneral, name.c_str(), 12345678);
        }
        ~StoredMeters() {
            for (const std::string& name : names) DeleteRegistryValue(kGeneral, name.c_str());
        }
    } stored;
    ASSERT_TRUE(ShowNamedScreen((kProgramDir + "progressive.slot").c_str()));
    MachineScreen* screen = MachineHost::CurrentMachine();
    ASSERT_NE(screen, nullptr);
    auto* face = dynamic_cast<PlayFace*>(screen->GetFace());
    ASSERT_NE(face, nullptr);
    ASSERT_NE(face->GetProgressive(), nullptr);
    IndicatorDisplay& jackpot = face->GetProgressive()->Display();
    EXPECT_EQ(jackpot.GetValue(), 12345678);
    ASSERT_EQ(jackpot.GetCellCount(), 9);
    ASSERT_EQ(jackpot.GetSeparatorCount(), 2);
    EXPECT_TRUE(Shown(jackpot.GetDecimalPoint()));
    EXPECT_TRUE(Shown(jackpot.GetSeparator(0)));
    EXPECT_FALSE(Shown(jackpot.GetSeparator(1)));
    jackpot.SetValue(123456789);
    EXPECT_TRUE(Shown(jackpot.GetSeparator(1)));
    MachineHost::CloseAll();
}

}  // namespace
