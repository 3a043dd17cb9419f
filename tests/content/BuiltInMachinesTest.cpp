// Every built-in machine as the content build makes it, and Foxfire Grove: its file beside
// the program under the title the lobby shows for it, loaded into the machine screen with
// the play face and spun. The spin's draws stop every reel on the machine's best symbol,
// so each machine pays its jackpot line into "WinnerPaid" and "Credit".
#include <windows.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <atomic>
#include <mutex>
#include <thread>
#include <climits>
#include <cstring>
#include <memory>
#include <string>
#include <vector>

#include "../app/MessageBoxWatcher.h"
#include "AssetFileTitle.h"
#include "BestLineDraws.h"
#include "BuiltFileFolder.h"
#include "BuiltInMachines.h"
#include "FrameListeners.h"
#include "Denominations.h"
#include "LobbyHotspots.h"
#include "LobbyRooms.h"
#include "MachineHost.h"
#include "PlayFace.h"
#include "PlayFakes.h"
#include "PlayerRoster.h"
#include "ProductKey.h"
#include "RegistryHelpers.h"
#include "ShowScreen.h"
#include "SpriteQueries.h"

namespace {

const std::string kFrontDesk = MakeSectionPath("FrontDesk");
const std::string kGeneral = MakeSectionPath("General");

PlayerRoster* roster = nullptr;
ListedRandom* draws = nullptr;

MachineFace* MakeTestFace(MachineScreen& screen) { return new PlayFace(screen, *roster, draws); }

const std::string kProgramDir = BuiltFileFolder(VSL_PROGRAM_DIR "/");
const std::string kMachineDir = BuiltFileFolder(VSL_MACHINE_DIR "/");

std::string MachinePath(const BuiltInMachine& machine) { return kProgramDir + machine.script; }

// The region's bounding rectangle in the machine's art.
RECT Bounds(const RegionItem& item) {
    RECT r{INT32_MAX, INT32_MAX, INT32_MIN, INT32_MIN};
    for (const auto& p : item.GetPoints()) {
        r.left = std::min<LONG>(r.left, item.GetOrigin().x + p.x);
        r.top = std::min<LONG>(r.top, item.GetOrigin().y + p.y);
        r.right = std::max<LONG>(r.right, item.GetOrigin().x + p.x);
        r.bottom = std::max<LONG>(r.bottom, item.GetOrigin().y + p.y);
    }
    return r;
}

// Whether the picture (a 24-bit BMP file as the content generator writes it) shows a slot
// in the rectangle: a dark opening among lighter colours.
bool ShowsASlot(const std::string& picture, const RECT& r) {
    HANDLE file = CreateFileA(picture.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING, 0, nullptr);
    if (file == INVALID_HANDLE_VALUE) return false;
    std::vector<uint8_t> bytes(GetFileSize(file, nullptr));
    DWORD read = 0;
    const bool whole = ReadFile(file, bytes.data(), DWORD(bytes.size()), &read, nullptr) && read == bytes.size();
    CloseHandle(file);
    if (!whole || bytes.size() < 54) return false;
    BITMAPFILEHEADER head;
    BITMAPINFOHEADER info;
    memcpy(&head, bytes.data(), sizeof head);
    memcpy(&info, bytes.data() + sizeof head, sizeof info);
    if (info.biBitCount != 24) return false;
    const LONG height = info.biHeight < 0 ? -info.biHeight : info.biHeight;
    const size_t stride = (size_t(info.biWidth) * 3 + 3) & ~size_t(3);
    bool dark = false, light = false;
    for (LONG y = std::max<LONG>(r.top, 0); y < std::min(r.bottom, height); ++y)
        for (LONG x = std::max<LONG>(r.left, 0); x < std::min(r.right, info.biWidth); ++x) {
            const size_t row = size_t(info.biHeight < 0 ? y : height - 1 - y);
            const size_t at = head.bfOffBits + row * stride + size_t(x) * 3;
            if (at + 3 > bytes.size()) return false;
            const int brightest = std::max({bytes[at], bytes[at + 1], bytes[at + 2]});
            dark = dark || brightest < 32;
            light = light || brightest > 96;
        }
    return dark && light;
}

// The client area of a window as the player sees it, one 0x00RRGGBB word a pixel.
class WindowPixels {
public:
    explicit WindowPixels(HWND window) {
        RECT client{};
        GetClientRect(window, &client);
        width_ = client.right;
        height_ = client.bottom;
        BITMAPINFO info{};
        info.bmiHeader = {sizeof(BITMAPINFOHEADER), width_, -height_, 1, 32, BI_RGB, 0, 0, 0, 0, 0};
        void* bits = nullptr;
        HDC screen = GetDC(window);
        HBITMAP bitmap = CreateDIBSection(screen, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
        HDC copy = CreateCompatibleDC(screen);
        HGDIOBJ old = SelectObject(copy, bitmap);
        BitBlt(copy, 0, 0, width_, height_, screen, 0, 0, SRCCOPY);
        GdiFlush();
        if (bits) pixels_.assign(static_cast<uint32_t*>(bits), static_cast<uint32_t*>(bits) + width_ * height_);
        SelectObject(copy, old);
        DeleteDC(copy);
        DeleteObject(bitmap);
        ReleaseDC(window, screen);
    }
    // Whether the pixel is ink of a meter: bright on the meters' dark red.
    bool Ink(int x, int y) const {
        if (x < 0 || y < 0 || x >= width_ || y >= height_ || pixels_.empty()) return false;
        const uint32_t p = pixels_[size_t(y) * size_t(width_) + size_t(x)];
        return std::max({p >> 16 & 0xFF, p >> 8 & 0xFF, p & 0xFF}) > 120;
    }
    // How many rows of the rectangle hold ink.
    int InkHeight(const RECT& r) const {
        int rows = 0;
        for (LONG y = r.top; y < r.bottom; ++y) {
            bool any = false;
            for (LONG x = r.left; x < r.right && !any; ++x) any = Ink(x, y);
            rows += any;
        }
        return rows;
    }

private:
    int width_ = 0, height_ = 0;
    std::vector<uint32_t> pixels_;
};

// While it lives, every box of the program that a key brings up (a refusal) is read and
// closed, so that a key that is refused leaves the test going and says why.
class RefusalCloser {
public:
    RefusalCloser() : thread_([this] { Watch(); }) {}
    ~RefusalCloser() {
        stop_ = true;
        thread_.join();
    }
    std::string Seen() {
        std::lock_guard<std::mutex> hold(lock_);
        return seen_;
    }

private:
    void Watch() {
        while (!stop_) {
            if (HWND box = FindOwnWindow("#32770", nullptr, true)) {
                char caption[128] = {}, text[512] = {};
                GetWindowTextA(box, caption, sizeof caption - 1);
                GetDlgItemTextA(box, 0xFFFF, text, sizeof text - 1);
                {
                    std::lock_guard<std::mutex> hold(lock_);
                    seen_ += std::string("[") + caption + ": " + text + "] ";
                }
                CloseBox(box);
            }
            Sleep(50);
        }
    }
    std::atomic<bool> stop_{false};
    std::mutex lock_;
    std::string seen_;
    std::thread thread_;
};

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

    // Opens the machine file, bets the maximum, spins onto the best line and cashes out.
    void PlayJackpot(const std::string& path, const std::string& title) {
        random_ = ListedRandom();  // the reels' first places are drawn as 0
        ASSERT_TRUE(ShowNamedScreen(path));
        MachineScreen* screen = MachineHost::CurrentMachine();
        ASSERT_NE(screen, nullptr);
        auto* face = dynamic_cast<PlayFace*>(screen->GetFace());
        ASSERT_NE(face, nullptr) << "the machine has a face only when its script runs";
        EXPECT_EQ(screen->GetTitle(), title);

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

    // The machine window made the active window, as a click on it makes it; the window
    // that then has the keyboard focus, which must be the machine's.
    static HWND ActivateMachine() {
        MachineToolWindow* window = MachineHost::Current();
        if (!window) return nullptr;
        SetForegroundWindow(window->GetHandle());
        SetActiveWindow(window->GetHandle());
        PumpMessages();
        HWND focus = GetFocus();
        const bool inside = focus && (focus == window->GetHandle() || IsChild(window->GetHandle(), focus));
        return inside ? focus : nullptr;
    }

    // A key pressed and let go as the keyboard sends it: the key messages queued for the
    // window with the focus, then the message loop's translation and dispatch.
    static void PressKey(HWND focus, char key) {
        const UINT scan = MapVirtualKeyA(UINT(key), 0);
        PostMessageA(focus, WM_KEYDOWN, WPARAM(key), LPARAM(1 | scan << 16));
        PostMessageA(focus, WM_KEYUP, WPARAM(key), LPARAM(1 | scan << 16 | 3u << 30));
        PumpMessages();
    }

    // Every hot key of the machine's face, pressed on the active machine window.
    void PlayByHotKeys(const std::string& path) {
        random_ = ListedRandom();
        ASSERT_TRUE(ShowNamedScreen(path));
        MachineScreen* screen = MachineHost::CurrentMachine();
        ASSERT_NE(screen, nullptr);
        auto* face = dynamic_cast<PlayFace*>(screen->GetFace());
        ASSERT_NE(face, nullptr);
        const int32_t maxBet = screen->Records().maxBet;
        MachineMeters& meters = face->GetMeters();
        face->GetMoney().AddCoins(4 * maxBet);
        const HWND focus = ActivateMachine();
        ASSERT_NE(focus, nullptr) << "the active machine window has the keyboard";
        RefusalCloser refusals;

        PressKey(focus, 'S');
        EXPECT_FALSE(face->GetSpin().IsIdle()) << "S spins";
        ASSERT_TRUE(WaitIdle(*face));
        const int32_t credit = meters.Credit();
        PressKey(focus, 'O');
        EXPECT_EQ(meters.Bet(), 1) << "O bets one coin";
        EXPECT_EQ(meters.Credit(), credit - 1);
        ASSERT_GE(meters.Credit(), maxBet - 1);
        const int32_t before = meters.Credit();
        PressKey(focus, 'M');
        EXPECT_FALSE(face->GetSpin().IsIdle()) << "M bets the most and spins";
        EXPECT_EQ(meters.Credit(), before - (maxBet - 1));
        ASSERT_TRUE(WaitIdle(*face));
        const Money denomination = face->GetMoney().GetDenomination();
        PressKey(focus, 'D');
        EXPECT_NE(face->GetMoney().GetDenomination(), denomination) << "D changes the denomination";
        PressKey(focus, 'C');
        EXPECT_EQ(meters.Credit(), 0) << "C cashes out";
        EXPECT_EQ(refusals.Seen(), "") << "no key was refused";
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

// What the player needs to put money in: the coin slot and the bill acceptor drawn where
// their regions lie, meters of coins without a "$", and a denomination plate inside its
// region with a picture for every denomination the machine takes, which are those of the
// lobby's rooms (but for the sample machine's). The credits machine is one of them.
TEST_F(BuiltInMachinesTest, EveryMachineShowsWhereMoneyGoesAndItsDenomination) {
    std::vector<std::string> scripts{"foxfire.slot", "credits.ast"};
    for (size_t i = 0; i < kBuiltInMachineCount; ++i) scripts.push_back(kBuiltInMachines[i].script);
    for (const std::string& script : scripts) {
        SCOPED_TRACE(script);
        ASSERT_TRUE(ShowNamedScreen(kProgramDir + script));
        MachineScreen* screen = MachineHost::CurrentMachine();
        ASSERT_NE(screen, nullptr);
        auto* face = dynamic_cast<PlayFace*>(screen->GetFace());
        ASSERT_NE(face, nullptr);
        const MachineRecords& records = screen->Records();
        for (const IndicatorRecord& meter : records.indicators) {
            if (meter.name == "Credit" || meter.name == "Bet" || meter.name == "WinnerPaid") {
                EXPECT_FALSE(meter.DollarSign()) << meter.name << " counts coins, not dollars";
            }
        }

        const std::string backdrop = kMachineDir + script.substr(0, script.find('.')) + "_back.bmp";
        for (CoinRegion role : {CoinRegion::CoinIn, CoinRegion::BillAcceptor}) {
            const RegionItem* region = face->GetRegions().Find(role);
            ASSERT_NE(region, nullptr);
            const RECT at = Bounds(*region);
            EXPECT_TRUE(ShowsASlot(backdrop, at)) << "nothing drawn where region " << int(role) << " lies, at " << at.left
                                                  << "," << at.top << " to " << at.right << "," << at.bottom;
        }
        const RegionItem* plateRegion = face->GetRegions().Find(CoinRegion::Denomination);
        ASSERT_NE(plateRegion, nullptr);

        int offered = 0;
        for (uint32_t mask = records.denominationMask; mask; mask &= mask - 1) ++offered;
        // Foxfire Grove, the sample machine, is in no room.
        for (int32_t cents : kLobbyRoomDenominations)
            if (script != "foxfire.slot") EXPECT_TRUE(IsDenominationAllowed(Money(cents), records.denominationMask)) << "the room of " << cents;
        const IndicatorDisplay* plate = face->GetIndicators().At(records.coin.denominationIndicator);
        ASSERT_NE(plate, nullptr);
        ASSERT_TRUE(plate->HasSpriteCells()) << "the plate shows pictures of the values";
        EXPECT_GE(plate->GetRadix(), offered);
        const RECT picture = HeldSpriteBounds(*plate->GetCell(0));
        const RECT frame = Bounds(*plateRegion);
        EXPECT_TRUE(picture.left >= frame.left && picture.top >= frame.top && picture.right <= frame.right &&
                    picture.bottom <= frame.bottom && picture.right > picture.left)
            << "the plate's picture, at " << picture.left << "," << picture.top << " to " << picture.right << ","
            << picture.bottom << ", lies in its region";
        MachineHost::CloseAll();
    }
}

TEST_F(BuiltInMachinesTest, EveryMachineLoadsSpinsAndPaysItsBestLine) {
    for (size_t i = 0; i < kBuiltInMachineCount; ++i) {
        SCOPED_TRACE(kBuiltInMachines[i].script);
        PlayJackpot(MachinePath(kBuiltInMachines[i]), LobbyMachineTitle(kBuiltInMachines[i].number));
        if (HasFatalFailure()) return;
    }
    SCOPED_TRACE("foxfire.slot");
    PlayJackpot(kProgramDir + "foxfire.slot", "Foxfire Grove");
}

// O, M, S, D and C, the keys of the machine's buttons and plate, each do what a click on it
// does, pressed on the active machine window of the machines whose scripts once gave their
// buttons keys of their own (every machine's did); B and P, the bill acceptor's and the
// arm's, are pressed in the machine screen's own tests. Every machine's face has those keys:
// a key its script gave a button would take the place of the face's.
TEST_F(BuiltInMachinesTest, EveryHotKeyOfTheFaceWorksOnTheActiveMachineWindow) {
    std::vector<std::string> scripts{"foxfire.slot", "credits.ast"};
    for (size_t i = 0; i < kBuiltInMachineCount; ++i) scripts.push_back(kBuiltInMachines[i].script);
    for (const std::string& script : scripts) {
        SCOPED_TRACE(script);
        ASSERT_TRUE(ShowNamedScreen(kProgramDir + script));
        auto* face = dynamic_cast<PlayFace*>(MachineHost::CurrentMachine()->GetFace());
        ASSERT_NE(face, nullptr);
        const std::pair<const char*, char> buttons[] = {{"BetOne", 'O'}, {"BetMax", 'M'}, {"CashOut", 'C'}, {"Spin", 'S'}};
        for (const auto& [name, key] : buttons) EXPECT_EQ(face->GetButtons().HotKeyOf(name), key) << name;
        const std::pair<CoinRegion, char> regions[] = {{CoinRegion::BillAcceptor, 'B'}, {CoinRegion::Denomination, 'D'}};
        for (const auto& [role, key] : regions) {
            const RegionItem* region = face->GetRegions().Find(role);
            EXPECT_TRUE(region && region->MatchesHotKey(uint32_t(key), 0)) << key;
        }
        MachineHost::CloseAll();
    }
    for (const char* script : {"diamond7.slot", "wizards.slot", "wof.slot"}) {
        SCOPED_TRACE(script);
        PlayByHotKeys(kProgramDir + script);
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
    ASSERT_EQ(jackpot.GetCellCount(), 10) << "room for a \"$\" before the largest jackpot";
    ASSERT_EQ(jackpot.GetSeparatorCount(), 2);
    EXPECT_TRUE(Shown(jackpot.GetDecimalPoint()));
    EXPECT_TRUE(Shown(jackpot.GetSeparator(0)));
    EXPECT_FALSE(Shown(jackpot.GetSeparator(1)));
    jackpot.SetValue(123456789);
    EXPECT_TRUE(Shown(jackpot.GetSeparator(1)));

    // On the screen, "$1,234,567.89": the comma between the 4 and the 5 and the point
    // between the 7 and the 8 read as a comma and a point do beside the digits, at least a
    // third as tall as the 5.
    const DWORD end = GetTickCount() + 500;
    while (int32_t(GetTickCount() - end) < 0) {
        PumpMessages();
        Sleep(10);
    }
    SpriteCreateRecord five{}, eight{}, four{};
    ASSERT_TRUE(ExamineSprite(jackpot.GetCell(4)->Get(), &five));
    ASSERT_TRUE(ExamineSprite(jackpot.GetCell(5)->Get(), &four));
    ASSERT_TRUE(ExamineSprite(jackpot.GetCell(1)->Get(), &eight));
    const int pitch = five.x - four.x, top = five.y, bottom = five.y + 28;
    const WindowPixels pixels(screen->GetView()->GetHandle());
    const int digit = pixels.InkHeight(RECT{five.x + 4, top, five.x + pitch, bottom});
    const int comma = pixels.InkHeight(RECT{five.x - 2, top, five.x + 4, bottom});
    const int point = pixels.InkHeight(RECT{eight.x - 2, top, eight.x + 4, bottom});
    EXPECT_GE(digit, 10) << "the 5 of the jackpot where its cell stands";
    EXPECT_GE(3 * comma, digit) << "comma " << comma << " of a digit's " << digit;
    EXPECT_GE(3 * point, digit) << "point " << point << " of a digit's " << digit;
    MachineHost::CloseAll();
}

}  // namespace
