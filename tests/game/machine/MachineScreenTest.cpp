// Machine screens in the screen tool window over a main window: the caption, placement and
// pane of the window, the player's name and cash painted into the caption while a machine
// is up, the camera at the machine's lowest edge when the art is too tall, a screen without
// a title, the denomination chosen at load and put back when leaving, the play side's face
// taken down before the machine file closes, hostile machines reported with the program
// still running, and 200 machines opened and closed leaving the engine's stages and sprites
// and the process's GDI and USER objects as they were.
#include <windows.h>

#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "Application.h"
#include "CaptionPainter.h"
#include "GeneralSettings.h"
#include "InstallMachineScreens.h"
#include "MachineFace.h"
#include "MachineHost.h"
#include "MachineScreen.h"
#include "MachineToolWindow.h"
#include "MemoryPlayerStore.h"
#include "MessageBoxWatcher.h"
#include "PlayerRoster.h"
#include "ResourceCounts.h"
#include "ScreenSlots.h"
#include "ShowScreen.h"
#include "SlotFiles.h"
#include "SpriteDesc.h"
#include "SpriteHandle.h"
#include "TallMachine.h"
#include "TestScreens.h"

namespace {

const uint32_t kPictureKind = 0x50414D42u;  // 'BMAP': the pictures' decoders, as the game registers them

// A face that puts one sprite of the machine's reel strip on the stage and notes, when it
// is deleted, whether the sprite and the machine's assets were still there.
struct FaceLog {
    int built = 0;
    int deleted = 0;
    bool spriteAliveAtDelete = true;
    bool assetsLoadedAtDelete = true;
    bool refuseBuild = false;
};
FaceLog faceLog;

class StripFace : public MachineFace {
public:
    explicit StripFace(MachineScreen& screen) : screen_(screen) {}
    ~StripFace() override {
        ++faceLog.deleted;
        SpriteCreateRecord record;
        faceLog.spriteAliveAtDelete &= ExamineSprite(sprite_.Get(), &record) != 0;
        QuorAssetInfo info = {};
        const uint32_t strip = screen_.File().Asset(screen_.Records().stripImage);
        faceLog.assetsLoadedAtDelete &= GetAssetInfo(strip, &info) && info.state == 3;
    }
    bool Build(MachineScreen& screen) override {
        ++faceLog.built;
        CreateDefaultAnimSprite(screen.GetStage(), sprite_, screen.File().Asset(screen.Records().stripImage));
        return !faceLog.refuseBuild && sprite_.Get() != 0;
    }

private:
    MachineScreen& screen_;
    SpriteHandle sprite_;
};

MachineFace* MakeStripFace(MachineScreen& screen) { return new StripFace(screen); }

class MachineScreenTest : public ::testing::Test {
protected:
    // Built before any window of the suite exists: a program started while a window of
    // ours waits unpumped could wait for it.
    static void SetUpTestSuite() {
        RegisterDecoder(kPictureKind, 1, "ZORUDOR.DLL");
        files_ = new MachineFiles;
        tallFiles_ = new MachineFiles;
        slot_ = BuildSlot(*files_, GlassHarbor(), "harbor.slot");
        tallSlot_ = BuildSlot(*tallFiles_, TallMachine(*tallFiles_), "tall.slot");
    }
    static void TearDownTestSuite() {
        delete files_;
        delete tallFiles_;
    }

    void SetUp() override {
        faceLog = FaceLog();
        host_ = std::make_unique<MachineHost>(&MakeStripFace);
        main_ = host_->Main();
        ASSERT_NE(nullptr, main_);
    }
    void TearDown() override { host_.reset(); }
    static void CloseAll() { MachineHost::CloseAll(); }
    static MachineToolWindow* Current() { return MachineHost::Current(); }
    static MachineScreen* CurrentMachine() { return MachineHost::CurrentMachine(); }

    static MachineFiles* files_;
    static MachineFiles* tallFiles_;
    static std::string slot_;
    static std::string tallSlot_;
    std::unique_ptr<MachineHost> host_;
    HostFrame* main_ = nullptr;
};

MachineFiles* MachineScreenTest::files_ = nullptr;
MachineFiles* MachineScreenTest::tallFiles_ = nullptr;
std::string MachineScreenTest::slot_;
std::string MachineScreenTest::tallSlot_;

std::string Caption(HWND window) {
    char text[256] = {};
    GetWindowTextA(window, text, sizeof text);
    return text;
}

TEST_F(MachineScreenTest, TheToolWindowShowsTheMachineBesideTheMainWindow) {
    ASSERT_TRUE(ShowNamedScreen(slot_));
    MachineToolWindow* window = Current();
    ASSERT_NE(window, nullptr);
    HWND handle = window->GetHandle();
    EXPECT_EQ(Caption(handle), "Glass Harbor");
    EXPECT_EQ(DWORD(GetWindowLongA(handle, GWL_STYLE)) & MachineToolWindow::kStyle, MachineToolWindow::kStyle);
    EXPECT_TRUE(GetWindowLongA(handle, GWL_EXSTYLE) & WS_EX_TOOLWINDOW);
    EXPECT_EQ(GetWindow(handle, GW_OWNER), main_->GetHandle());
    RECT placed, mainRect;
    GetWindowRect(handle, &placed);
    GetWindowRect(main_->GetHandle(), &mainRect);
    EXPECT_EQ(placed.right, mainRect.right - 64);
    EXPECT_EQ(placed.right - placed.left, 600);
    // The art is 150 high: the client area is that high, centred on the main window.
    RECT client, pane;
    GetClientRect(handle, &client);
    GetClientRect(window->GetPane()->GetHandle(), &pane);
    EXPECT_EQ(client.bottom, 150);
    EXPECT_EQ(pane.right, client.right);
    EXPECT_EQ(pane.bottom, client.bottom);
    EXPECT_LE(std::abs((placed.top + placed.bottom) - (mainRect.top + mainRect.bottom)), 1);
    EXPECT_EQ(window->GetArtHeight(), 150);

    MachineScreen* screen = CurrentMachine();
    ASSERT_NE(screen, nullptr);
    EXPECT_EQ(screen->GetCameraOffset(), 0);
    EXPECT_EQ(screen->GetCamera().y, 0);
    EXPECT_EQ(screen->GetDenomination(), Money(25));
    EXPECT_EQ(faceLog.built, 1);
}

// The program's caption painter over players kept in memory, in force while it lives; the
// machines go before it.
struct PainterInForce {
    PainterInForce() : roster(Players()), painter(&roster) { SetCaptionPainter(&painter); }
    ~PainterInForce() {
        MachineHost::CloseAll();
        SetCaptionPainter(nullptr);
    }
    MemoryPlayerStore& Players() {
        store.slots[0] = {"Ada Lovelace", 100000, 0, 8122026, true};
        return store;
    }
    MemoryPlayerStore store;
    PlayerRoster roster;
    CaptionPainter painter;
};

TEST_F(MachineScreenTest, TheCaptionShowsThePlayersNameAndCashWhileTheMachineIsUp) {
    PainterInForce caption;
    ASSERT_TRUE(ShowNamedScreen(slot_));
    EXPECT_TRUE(caption.painter.IsActive());
    EXPECT_EQ(caption.painter.GetPaintedText(), "Ada Lovelace : $1,000.00");
    caption.roster.AddCash(Money(-250));
    EXPECT_EQ(caption.painter.GetPaintedText(), "Ada Lovelace : $997.50") << "painted when the cash changes";
    CloseAll();
    EXPECT_FALSE(caption.painter.IsActive());
    EXPECT_EQ(caption.roster.GetRecord(0).Listeners().GetCount(), 0u);
}

TEST_F(MachineScreenTest, TallArtIsCutAtTheWorkAreaWithTheCameraAtTheLowestEdgeAndScrolls) {
    ASSERT_TRUE(ShowNamedScreen(tallSlot_));
    MachineToolWindow* window = Current();
    ASSERT_NE(window, nullptr);
    EXPECT_EQ(Caption(window->GetHandle()), "Tall Harbor");
    RECT work, placed, client;
    SystemParametersInfoA(SPI_GETWORKAREA, 0, &work, 0);
    GetWindowRect(window->GetHandle(), &placed);
    GetClientRect(window->GetHandle(), &client);
    EXPECT_EQ(placed.top, work.top);
    EXPECT_EQ(placed.bottom, work.bottom);
    ASSERT_LT(client.bottom, kTallArtHeight);
    MachineScreen* screen = CurrentMachine();
    ASSERT_NE(screen, nullptr);
    int32_t art = 0;
    EXPECT_TRUE(screen->QueryArtHeight(&art));
    EXPECT_EQ(art, kTallArtHeight);
    EXPECT_EQ(screen->GetCameraOffset(), kTallLowestEdge - client.bottom);
    EXPECT_EQ(screen->GetCamera().y, kTallLowestEdge - client.bottom);

    // The vertical bar reaches the rest of the art; the window is widened for it, so the
    // art's whole width stays in view without a horizontal bar.
    HWND handle = window->GetHandle();
    const LONG style = GetWindowLongA(handle, GWL_STYLE);
    EXPECT_TRUE(style & WS_VSCROLL);
    EXPECT_FALSE(style & WS_HSCROLL);
    EXPECT_GE(client.right, 600);
    EXPECT_EQ(GetScrollPos(handle, SB_VERT), kTallLowestEdge - client.bottom);
    SendMessageA(handle, WM_VSCROLL, SB_TOP, 0);
    EXPECT_EQ(screen->GetCamera().y, 0);
    EXPECT_EQ(GetScrollPos(handle, SB_VERT), 0);
    SendMessageA(handle, WM_VSCROLL, SB_LINEDOWN, 0);
    EXPECT_EQ(screen->GetCamera().y, 16);
    SendMessageA(handle, WM_VSCROLL, SB_BOTTOM, 0);
    EXPECT_EQ(screen->GetCamera().y, kTallArtHeight - client.bottom);
    EXPECT_EQ(screen->GetCamera().x, 0);
}

TEST_F(MachineScreenTest, AScreenWithoutATitleKeepsTheDefaultCaption) {
    TestScreenTable table;
    MachineToolWindow window(main_, 1);
    ASSERT_TRUE(window.Create());
    EXPECT_EQ(Caption(window.GetHandle()), "Roverer'a Zidudar");
    EXPECT_EQ(window.GetArtHeight(), 600);
    ASSERT_NE(window.GetPane(), nullptr);
    EXPECT_EQ(window.GetPane()->GetHost().GetScreen()->GetNumber(), 1);
    window.Destroy();
}

TEST_F(MachineScreenTest, TheDenominationIsChosenAtLoadAndPutBackWhenLeaving) {
    SlotBytes bytes(slot_);
    bytes.Set(bytes.H(14), 0x24);  // 10 cents and a dollar
    const std::string tensAndDollars = bytes.Write(*files_, "tens.slot");
    bytes.Set(bytes.H(14), 0xA0);  // a dollar and five
    const std::string dollars = bytes.Write(*files_, "dollars.slot");
    {
        MachineScreen screen(tensAndDollars);
        EXPECT_EQ(screen.GetDenomination(), Money(10));
        EXPECT_EQ(GetDenominationSetting().Get(), 10);
        EXPECT_DOUBLE_EQ(screen.GetProgressiveRate(), 0.001);
        GetDenominationSetting().Set(25);
        EXPECT_TRUE(screen.CanEnd());
        EXPECT_EQ(GetDenominationSetting().Get(), 10);
    }
    GetDenominationSetting().Set(25);
    MachineScreen screen(dollars);
    EXPECT_EQ(screen.GetDenomination(), Money(100));
    EXPECT_EQ(GetDenominationSetting().Get(), 100);
    EXPECT_DOUBLE_EQ(screen.GetProgressiveRate(), 0.01);
}

TEST_F(MachineScreenTest, TheFaceGoesBeforeTheMachineFileCloses) {
    ASSERT_TRUE(ShowNamedScreen(slot_));
    EXPECT_EQ(faceLog.built, 1);
    CloseAll();
    EXPECT_EQ(faceLog.deleted, 1);
    EXPECT_TRUE(faceLog.spriteAliveAtDelete);
    EXPECT_TRUE(faceLog.assetsLoadedAtDelete);

    // A face that cannot be built fails the screen's set-up: reported, nothing left open.
    faceLog.refuseBuild = true;
    {
        BoxWatcher watcher("Int exception!");
        EXPECT_FALSE(ShowNamedScreen(slot_));
        EXPECT_TRUE(watcher.Result().found);
    }
    EXPECT_EQ(GetCurrentScreen(), nullptr);
    EXPECT_EQ(faceLog.deleted, 2);
}

TEST_F(MachineScreenTest, HostileMachinesAreReportedAndTheProgramGoesOn) {
    SlotBytes bytes(slot_);
    bytes.Set(bytes.H(1), 0);
    const std::string noReels = bytes.Write(*files_, "noreels.slot");
    {
        BoxWatcher watcher("Exception!");
        EXPECT_FALSE(ShowNamedScreen(noReels));
        const SeenBox box = watcher.Result();
        EXPECT_TRUE(box.found);
        EXPECT_EQ(box.text, noReels + ": The machine has no reels");
    }
    EXPECT_EQ(GetCurrentScreen(), nullptr);
    {
        BoxWatcher watcher("Exception!");
        EXPECT_FALSE(ShowNamedScreen("no_such_machine.slot"));
        EXPECT_EQ(watcher.Result().text, "Can't find no_such_machine.slot");
    }
    ASSERT_TRUE(ShowNamedScreen(slot_));
    EXPECT_EQ(Caption(Current()->GetHandle()), "Glass Harbor");
}

TEST_F(MachineScreenTest, OpeningAndClosing200MachinesLeavesNothingBehind) {
    auto cycle = [this] {
        ASSERT_TRUE(ShowNamedScreen(slot_));
        PumpMessages();
        ASSERT_TRUE(CloseCurrentScreen());
        DeleteParkedScreen();
        PumpMessages();
    };
    for (int i = 0; i < 3; ++i) cycle();
    const ResourceCounts before = CountResources();
    for (int i = 0; i < 200; ++i) {
        cycle();
        if (HasFatalFailure()) return;
    }
    const ResourceCounts after = CountResources();
    EXPECT_EQ(faceLog.built, 203);
    EXPECT_EQ(faceLog.deleted, 203);
    EXPECT_EQ(after.stages, before.stages);
    EXPECT_EQ(after.sprites, before.sprites);
    // The system may make a few objects once during the run (a cached font or brush); a
    // machine that left one behind would leave two hundred.
    EXPECT_LE(after.gdi, before.gdi + 4);
    EXPECT_LE(after.user, before.user + 4);
}

}  // namespace
