// The Front Desk on the display with the roster of the test prefix: typing a name enters a
// player, erasing or deleting one clears the record (credit too) and a deleted current
// player is no longer current, the checks keep the player from leaving a roster with twins
// or without anybody, and the credit sheet lends and takes back money with cash and credit
// moving together. What is saved is read back from the registry while the Front Desk is
// still up; the rows show what the records hold.
#include <gtest/gtest.h>

#include <atomic>
#include <cstring>
#include <memory>
#include <random>
#include <sstream>
#include <thread>
#include <vector>

#include "Application.h"
#include "CreditIds.h"
#include "CreditRules.h"
#include "DialogDriver.h"
#include "FormatMoney.h"
#include "FloorTestSupport.h"
#include "FrontDeskScreen.h"
#include "MessageBoxWatcher.h"
#include "PlayerTitle.h"
#include "PlayerDate.h"
#include "ProductKey.h"
#include "RegistryHelpers.h"
#include "RegKey.h"
#include "SpriteQueries.h"
#include "TestScreens.h"

namespace {
const std::string kFrontDesk = MakeSectionPath("FrontDesk");

DWORD Stored(int player, const char* field) {
    RegKey key(HKEY_LOCAL_MACHINE, kFrontDesk);
    key.Open();
    return key.QueryDword(("Player" + std::to_string(player) + field).c_str(), 0xDEAD);
}

std::string StoredName(int player) {
    RegKey key(HKEY_LOCAL_MACHINE, kFrontDesk);
    key.Open();
    return key.QueryString(("Player" + std::to_string(player) + "Name").c_str(), "?");
}

class FrontDeskTest : public ::testing::Test {
protected:
    void SetUp() override {
        DeleteRegistryTree(HKEY_LOCAL_MACHINE, kFrontDesk);
        roster_ = std::make_unique<PlayerRoster>();  // the first run's nine players
        MoveToTestProgramFolder();
    }
    void Show() {
        frame_ = MakeHostFrame(RECT{0, 0, 794, 556});
        SetMainWindow(frame_.get());
        desk_ = new FrontDeskScreen(2, roster_.get());
        pane_ = std::make_unique<TvPane>(frame_.get(), desk_);
        pane_->InstallScreen();
        ASSERT_EQ(pane_->GetHost().GetScreen(), desk_);
    }
    void TearDown() override {
        pane_.reset();
        SetMainWindow(nullptr);
        frame_.reset();
        roster_.reset();
        DeleteRegistryTree(HKEY_LOCAL_MACHINE, kFrontDesk);
    }
    void Type(int row, const std::string& text) {
        desk_->AddKeyElement(&desk_->GetRow(row));
        for (char c : text) SendMessageA(pane_->GetHandle(), WM_CHAR, WPARAM(uint8_t(c)), 1);
    }
    void Erase(int row) {
        desk_->AddKeyElement(&desk_->GetRow(row));
        while (desk_->GetRow(row).GetLength()) SendMessageA(pane_->GetHandle(), WM_CHAR, 8, 1);
    }
    // The field loses the keyboard, as by a click on nothing.
    void Leave() { desk_->AddKeyElement(nullptr); }
    // A player in use is cleared after the question, asked when the emptied name is left.
    void EraseInUse(int row) {
        Erase(row);
        BoxWatcher query("Delete Player Query");
        Leave();
        EXPECT_TRUE(query.Result().found) << "row " << row;
    }
    PlayerRecord& Record(int slot) { return roster_->GetRecord(slot); }
    // Players in use: rows 0 and 1 only. The others are empty slots, as the Front Desk leaves
    // a cleared one: a name kept there would be dated, and so put in use, when it is saved.
    void TwoPlayers() {
        for (int slot = 2; slot < PlayerRoster::kPlayers; ++slot) {
            Record(slot).SetDate(0);
            Record(slot).SetName("");
        }
        Record(1).SetActive(true);
    }

    std::unique_ptr<PlayerRoster> roster_;
    std::unique_ptr<HostFrame> frame_;
    std::unique_ptr<TvPane> pane_;
    FrontDeskScreen* desk_ = nullptr;
};
}  // namespace

TEST_F(FrontDeskTest, TypingANameEntersAPlayerAndErasingItClearsTheRecord) {
    TwoPlayers();
    Record(1).Borrow(Money(50000));
    Show();
    EXPECT_EQ(roster_->GetCurrentIndex(), 1);
    EXPECT_TRUE(desk_->GetBox(1).IsChecked());
    EXPECT_FALSE(desk_->GetBox(4).IsEnabled()) << "a row not in use";
    Type(4, "Ann Lee");
    EXPECT_TRUE(desk_->GetBox(4).IsEnabled());
    EXPECT_TRUE(desk_->GetBox(4).IsChecked());
    EXPECT_EQ(Stored(5, "Date"), TodayAsPlayerDate()) << "saved at once";
    EXPECT_EQ(Stored(5, "Cash"), 1000000u);
    EXPECT_EQ(Stored(5, "Credit"), 0u);
    EXPECT_EQ(desk_->GetRow(4).GetCash().GetTextString(), "$10,000.00");
    EXPECT_TRUE(desk_->GetCreditButton().IsEnabled());

    Erase(1);
    BoxWatcher query("Delete Player Query");
    Leave();
    EXPECT_TRUE(query.Result().found);
    EXPECT_EQ(query.Result().defaultButton, IDCANCEL) << "a stray Enter or Space keeps the player";
    EXPECT_EQ(Stored(2, "Date"), 0u);
    EXPECT_EQ(Stored(2, "Cash"), 0u);
    EXPECT_EQ(Stored(2, "Credit"), 0u) << "the debt goes with the player";
    EXPECT_FALSE(desk_->GetBox(1).IsEnabled());
    EXPECT_FALSE(desk_->GetDeleteButton().IsEnabled());
}

namespace {
// Closes every box of the caption that shows, until it goes, and counts them.
class BoxGuard {
public:
    explicit BoxGuard(const char* caption)
        : thread_([this, caption] {
              while (!done_) {
                  if (HWND box = FindProgramWindow("#32770", caption, GetCurrentProcessId())) {
                      ++seen_;
                      CloseBox(box, IDCANCEL);
                  }
                  Sleep(20);
              }
          }) {}
    ~BoxGuard() { Seen(); }
    int Seen() {
        done_ = true;
        if (thread_.joinable()) thread_.join();
        return seen_;
    }

private:
    std::atomic<bool> done_{false};
    std::atomic<int> seen_{0};
    std::thread thread_;
};
}  // namespace

TEST_F(FrontDeskTest, ANameErasedAndTypedAgainRenamesThePlayerAndKeepsTheMoney) {
    TwoPlayers();
    Record(1).SetName("Maggie");
    roster_->Borrow(1, Money(1000));
    Record(1).SetCash(Money(999200));
    Show();
    {
        BoxGuard none("Delete Player Query");
        Erase(1);
        EXPECT_TRUE(desk_->GetBox(1).IsChecked()) << "still the player while the name is typed";
        Type(1, "Margaret Thistlewood");
        EXPECT_EQ(none.Seen(), 0) << "no question while typing";
    }
    EXPECT_EQ(desk_->GetRow(1).GetTextString(), "Margaret Thistlewood");
    EXPECT_EQ(desk_->GetRow(1).GetCash().GetTextString(), "$9,992.00");
    EXPECT_TRUE(desk_->CanEnd());
    EXPECT_EQ(StoredName(2), "Margaret Thistlewood");
    EXPECT_EQ(Stored(2, "Cash"), 999200u) << "the same player, not a new one";
    EXPECT_EQ(Stored(2, "Credit"), 1000u);

    // Leaving the name empty asks, with Cancel first; Cancel gives the name back.
    Erase(1);
    {
        BoxWatcher query("Delete Player Query", IDCANCEL);
        Leave();
        EXPECT_EQ(query.Result().defaultButton, IDCANCEL);
    }
    EXPECT_EQ(desk_->GetRow(1).GetTextString(), "Margaret Thistlewood");
    EXPECT_EQ(Stored(2, "Cash"), 999200u);
    EXPECT_EQ(roster_->GetCurrentIndex(), 1);
}

TEST_F(FrontDeskTest, DeleteAsksByNameAndLeavesNoCreditBehind) {
    TwoPlayers();
    Record(0).SetName("Bo Ek");
    Record(0).Borrow(Money(30000));
    Show();
    desk_->AddKeyElement(&desk_->GetRow(0));
    BoxWatcher sure("Delete Player");
    desk_->ConfirmDelete();
    EXPECT_EQ(sure.Result().text, "Are you sure you want to delete Bo Ek");
    EXPECT_EQ(Stored(1, "Date"), 0u);
    EXPECT_EQ(Stored(1, "Credit"), 0u);
    EXPECT_EQ(Stored(1, "Cash"), 0u);
    EXPECT_EQ(desk_->GetRow(0).GetTextString(), "");
    EXPECT_EQ(desk_->GetRow(0).GetCash().GetTextString(), "") << "a cleared row shows nothing";
    EXPECT_EQ(desk_->GetRow(0).GetDate().GetTextString(), "");
    EXPECT_EQ(roster_->GetCurrentIndex(), 1) << "another player was deleted";
}

namespace {
// A click on the element's sprite, as the mouse gives it.
void ClickOn(HWND pane, FaceElement& element) {
    const RECT r = HeldSpriteBounds(*element.GetSprite());
    const LPARAM at = MAKELPARAM((r.left + r.right) / 2, (r.top + r.bottom) / 2);
    SendMessageA(pane, WM_MOUSEMOVE, 0, at);
    SendMessageA(pane, WM_LBUTTONDOWN, MK_LBUTTON, at);
    SendMessageA(pane, WM_LBUTTONUP, 0, at);
}
}  // namespace

// The press on Delete or on the exit button takes the rows' focus, and the box it raises the
// keyboard: once the box has gone, what the player types goes into the row again.
TEST_F(FrontDeskTest, AfterABoxTheKeysGoToTheRowItCameFrom) {
    TwoPlayers();
    Record(0).SetName("Ann Lee");
    Record(1).SetName("Ann Lee");
    Show();
    ASSERT_EQ(desk_->GetSelectedRow(), 1);
    {
        BoxWatcher sure("Delete Player", IDCANCEL);
        ClickOn(pane_->GetHandle(), desk_->GetDeleteButton());
        EXPECT_TRUE(sure.Result().found);
    }
    SendMessageA(pane_->GetHandle(), WM_CHAR, WPARAM('x'), 1);
    EXPECT_EQ(desk_->GetRow(1).GetTextString(), "Ann Leex");
    EXPECT_EQ(GetFocus(), pane_->GetHandle());
    SendMessageA(pane_->GetHandle(), WM_CHAR, 8, 1);
    {
        BoxWatcher twins("Duplicate player name");
        ClickOn(pane_->GetHandle(), desk_->GetExitButton());
        EXPECT_TRUE(twins.Result().found);
    }
    EXPECT_EQ(pane_->GetHost().GetScreen(), desk_) << "the Front Desk stays";
    SendMessageA(pane_->GetHandle(), WM_CHAR, WPARAM('y'), 1);
    EXPECT_EQ(desk_->GetRow(1).GetTextString(), "Ann Leey");
    EXPECT_EQ(GetFocus(), pane_->GetHandle());
}

namespace {
std::string TextOf(HWND window) {
    char text[256] = {};
    GetWindowTextA(window, text, sizeof text);
    return text;
}
}  // namespace

// The main window's text carries the current player's name and cash: it follows every
// rename and every new player at once, not only when the Front Desk is left.
TEST_F(FrontDeskTest, TheTitleFollowsEveryRenameAndEveryNewPlayerAtOnce) {
    TwoPlayers();
    Record(1).SetName("Maggie Lee");
    Show();
    PlayerTitle title(roster_.get());
    title.SetTarget(frame_->GetHandle());
    const std::string cash = FormatMoney(Record(1).GetCash().Cents(), true);
    Erase(1);
    EXPECT_NE(TextOf(frame_->GetHandle()).find(" - Maggie Lee : " + cash), std::string::npos)
        << "the player keeps the name while the field is empty: " << TextOf(frame_->GetHandle());
    Type(1, "Alice Smith");
    EXPECT_NE(TextOf(frame_->GetHandle()).find(" - Alice Smith : " + cash), std::string::npos)
        << TextOf(frame_->GetHandle());
    Type(4, "Ann Lee");
    EXPECT_EQ(roster_->GetCurrentIndex(), 4) << "the new player is the checked one";
    EXPECT_NE(TextOf(frame_->GetHandle()).find(" - Ann Lee : $10,000.00"), std::string::npos)
        << TextOf(frame_->GetHandle());
    title.SetTarget(nullptr);
}

TEST_F(FrontDeskTest, ADeletedCurrentPlayerIsStoredAtOnceAndIsCurrentNoMore) {
    TwoPlayers();
    Record(1).Borrow(Money(30000));
    Show();
    ASSERT_EQ(roster_->GetCurrentIndex(), 1);
    ASSERT_TRUE(roster_->SetHeld(Money(500)));  // a machine holds money for the player
    desk_->AddKeyElement(&desk_->GetRow(1));
    {
        BoxWatcher sure("Delete Player");
        desk_->ConfirmDelete();
        EXPECT_TRUE(sure.Result().found);
    }
    EXPECT_EQ(Stored(2, "Date"), 0u);
    EXPECT_EQ(Stored(2, "Cash"), 0u);
    EXPECT_EQ(Stored(2, "Credit"), 0u);
    EXPECT_EQ(roster_->GetCurrentIndex(), -1);
    EXPECT_EQ(roster_->GetHeld().Cents(), 0) << "nothing is held for a player who is gone";
    EXPECT_EQ(roster_->GetCash().Cents(), 0);

    // Erasing the name of the player who became current goes the same way.
    desk_->GetBox(0).Check();
    desk_->OnCheckBox(0);
    ASSERT_EQ(roster_->GetCurrentIndex(), 0);
    EraseInUse(0);
    EXPECT_EQ(roster_->GetCurrentIndex(), -1);
    EXPECT_EQ(Stored(1, "Date"), 0u);
}

TEST_F(FrontDeskTest, TheChecksRefuseTwinsAndOfferPlayerOne) {
    TwoPlayers();
    Show();
    EraseInUse(0);
    Type(0, "Ann Lee ");
    EraseInUse(1);
    Type(1, "Ann Lee");
    {
        BoxWatcher twins("Duplicate player name");
        EXPECT_FALSE(desk_->CanEnd());
        EXPECT_TRUE(twins.Result().found);
    }
    EraseInUse(0);
    Type(0, "ann lee");
    EXPECT_TRUE(desk_->CanEnd()) << "other letter case is another name";
    EXPECT_EQ(roster_->GetCurrentIndex(), 0);
    EXPECT_EQ(StoredName(1), "ann lee");
    EXPECT_EQ(Stored(1, "Active"), 1u);
    EXPECT_EQ(Stored(2, "Active"), 0u);

    EraseInUse(0);
    EraseInUse(1);
    BoxWatcher none("There are no players.");
    EXPECT_TRUE(desk_->CanEnd());
    EXPECT_TRUE(none.Result().found);
    EXPECT_EQ(roster_->GetCurrentIndex(), 0) << "play begins with a current player";
    EXPECT_EQ(StoredName(1), "Player 1");
    EXPECT_EQ(Stored(1, "Date"), TodayAsPlayerDate()) << "Player 1 is saved as a player in use";
    EXPECT_EQ(Stored(1, "Cash"), 1000000u);
    EXPECT_EQ(Stored(1, "Active"), 1u);
}

namespace {
// The screen rectangle of a label's sprite on the stage.
RECT LabelBounds(const FontLabel& label) { return HeldSpriteBounds(*label.GetSprite()); }

// The widest glyph of the font, repeated as often as the field takes characters.
std::string WidestName(const FontLabel& label) {
    char widest = ' ';
    for (char c = 32; c < 127; ++c)
        if (label.GetFont()->Measure(&c, 1).cx > label.GetFont()->Measure(&widest, 1).cx) widest = c;
    return std::string(label.GetMaxLength(), widest);
}
}  // namespace

TEST_F(FrontDeskTest, ALongNameStopsAtTheLimitAndTheListShowsEveryCharacter) {
    TwoPlayers();
    Show();
    Type(4, "Margaret Thistlewood-Smith");
    PlayerRow& row = desk_->GetRow(4);
    EXPECT_EQ(row.GetTextString(), "Margaret Thistlewood-Smi") << "the field takes no more than its limit";
    EXPECT_EQ(row.GetCaret(), row.GetLength());
    Leave();
    const RECT name = LabelBounds(row), cash = LabelBounds(row.GetCash());
    const std::string longest = WidestName(row);
    EXPECT_LE(row.GetFont()->Measure(longest.data(), uint32_t(longest.size())).cx, name.right - name.left)
        << "the longest name fits its column";
    EXPECT_LE(name.right, cash.left) << "the cash column starts after the name's";
    EXPECT_LE(cash.right, LabelBounds(row.GetDate()).left);
}

namespace {
// Types the dollars into the edit of the page (0 Borrow, 1 Repay), reads back what the page
// made of them, and presses OK.
std::string TypeIntoSheet(const char* dollars, int edit, int pageIndex) {
    HWND sheet = WaitForDialog("Vellmoor(tm) Credit");
    if (!sheet) return "no sheet";
    SendMessageA(sheet, PSM_SETCURSEL, WPARAM(pageIndex), 0);
    HWND page = HWND(SendMessageA(sheet, PSM_GETCURRENTPAGEHWND, 0, 0));
    SetDlgItemTextA(page, edit, dollars);
    char shown[32] = {};
    GetDlgItemTextA(page, edit, shown, sizeof shown);
    PressButton(sheet, IDOK);
    WakeSheetLoop(sheet);
    return shown;
}
}  // namespace

TEST_F(FrontDeskTest, CreditIsLentAndRepaidWithTheMoneyConserved) {
    TwoPlayers();
    Record(1).Borrow(Money(300000));
    Show();
    const int32_t net = Record(1).GetCash().Cents() - Record(1).GetCredit().Cents();
    std::string shown;
    {
        DialogDriver driver([&] { shown = TypeIntoSheet("9000", IDC_BORROW_DOLLARS, 0); });
        desk_->ShowCredit();
    }
    EXPECT_EQ(shown, "7000") << "no more than the limit allows";
    EXPECT_EQ(Record(1).GetCredit().Cents(), 1000000);
    EXPECT_EQ(Record(1).GetCash().Cents() - Record(1).GetCredit().Cents(), net);
    EXPECT_EQ(Stored(2, "Credit"), 1000000u) << "the loan is stored when it is made";
    EXPECT_EQ(Stored(2, "Cash"), DWORD(Record(1).GetCash().Cents()));
    EXPECT_EQ(desk_->GetRow(1).GetCash().GetTextString(), "$20,000.00");
    {
        DialogDriver driver([&] { shown = TypeIntoSheet("42949673", IDC_REPAY_DOLLARS, 1); });
        desk_->ShowCredit();  // at the limit: opens on Repay
    }
    EXPECT_EQ(shown, "10000");
    EXPECT_EQ(Record(1).GetCredit().Cents(), 0);
    EXPECT_EQ(Record(1).GetCash().Cents() - Record(1).GetCredit().Cents(), net);
    EXPECT_EQ(Stored(2, "Credit"), 0u) << "the repayment is stored when it is made";
    EXPECT_EQ(Stored(2, "Cash"), 1000000u);
    EXPECT_EQ(desk_->GetRow(1).GetCash().GetTextString(), "$10,000.00");

    roster_->Borrow(1, Money(50));  // only cents are owed
    EXPECT_EQ(desk_->GetRow(1).GetCash().GetTextString(), "$10,000.50") << "the row follows its record";
    {
        DialogDriver driver([&] { shown = TypeIntoSheet("1", IDC_REPAY_DOLLARS, 1); });
        desk_->ShowCredit();
    }
    EXPECT_EQ(Record(1).GetCredit().Cents(), 0) << "the cents are repaid by a dollar";
    EXPECT_EQ(Record(1).GetCash().Cents() - Record(1).GetCredit().Cents(), net);
    EXPECT_EQ(Stored(2, "Credit"), 0u);
    EXPECT_EQ(Stored(2, "Cash"), DWORD(net));
}

namespace {
// Types the text key by key into the edit of the sheet's current page, as the player does,
// after emptying it; answers what the edit and the page's hint line then show.
std::pair<std::string, std::string> KeyIntoSheet(HWND sheet, const char* text, int edit, int hint) {
    HWND page = HWND(SendMessageA(sheet, PSM_GETCURRENTPAGEHWND, 0, 0));
    SetDlgItemTextA(page, edit, "");
    for (const char* c = text; *c; ++c) SendMessageA(GetDlgItem(page, edit), WM_CHAR, WPARAM(uint8_t(*c)), 1);
    char shown[32] = {}, line[128] = {};
    GetDlgItemTextA(page, edit, shown, sizeof shown);
    GetDlgItemTextA(page, hint, line, sizeof line);
    return {shown, line};
}
}  // namespace

TEST_F(FrontDeskTest, TypedCentsAreBookedAsTypedAndTextThatIsNoAmountIsRefused) {
    TwoPlayers();
    Show();
    std::pair<std::string, std::string> borrowed, refused;
    SeenBox box;
    bool stayedOpen = false;
    RECT placed = {};
    {
        DialogDriver driver([&] {
            HWND sheet = WaitForDialog("Vellmoor(tm) Credit");
            if (!sheet) return;
            GetWindowRect(sheet, &placed);
            borrowed = KeyIntoSheet(sheet, "500.75", IDC_BORROW_DOLLARS, IDC_BORROW_HINT);
            PressButton(sheet, 0x3021);  // Apply
            refused = KeyIntoSheet(sheet, "12x", IDC_BORROW_DOLLARS, IDC_BORROW_HINT);
            BoxWatcher watcher("Not an amount");
            PressButton(sheet, IDOK);
            box = watcher.Result();
            stayedOpen = IsWindow(sheet) && IsWindowVisible(sheet);
            PressButton(sheet, IDCANCEL);
            WakeSheetLoop(sheet);
        });
        desk_->ShowCredit();
    }
    RECT owner = {};
    GetWindowRect(frame_->GetHandle(), &owner);
    EXPECT_NEAR((placed.left + placed.right) / 2, (owner.left + owner.right) / 2, 1) << "centred on its owner";
    EXPECT_NEAR((placed.top + placed.bottom) / 2, (owner.top + owner.bottom) / 2, 1);
    EXPECT_EQ(borrowed.first, "500.75") << "the typed amount is kept";
    EXPECT_EQ(Record(1).GetCredit().Cents(), 50075);
    EXPECT_EQ(Record(1).GetCash().Cents(), 1000000 + 50075);
    EXPECT_EQ(Stored(2, "Credit"), 50075u);
    EXPECT_EQ(refused.first, "12x") << "text is not rewritten";
    EXPECT_NE(refused.second.find("500.75 is $500.75"), std::string::npos) << refused.second;
    EXPECT_TRUE(box.found) << "OK on text that is no amount says so";
    EXPECT_TRUE(stayedOpen);
    EXPECT_EQ(Record(1).GetCredit().Cents(), 50075) << "and books nothing";

    std::pair<std::string, std::string> repaid;
    {
        DialogDriver driver([&] {
            HWND sheet = WaitForDialog("Vellmoor(tm) Credit");
            if (!sheet) return;
            SendMessageA(sheet, PSM_SETCURSEL, 1, 0);
            repaid = KeyIntoSheet(sheet, "250.5", IDC_REPAY_DOLLARS, IDC_REPAY_HINT);
            PressButton(sheet, IDOK);
            WakeSheetLoop(sheet);
        });
        desk_->ShowCredit();
    }
    EXPECT_EQ(repaid.first, "250.5");
    EXPECT_EQ(repaid.second, "Press Apply or OK to pay the money back.");
    EXPECT_EQ(Record(1).GetCredit().Cents(), 50075 - 25050);
    EXPECT_EQ(Record(1).GetCash().Cents(), 1000000 + 50075 - 25050);
    EXPECT_EQ(Stored(2, "Credit"), DWORD(50075 - 25050));
}

namespace {
// What the edit of the sheet's page (0 Borrow, 1 Repay) offers once the page is shown.
std::string Offered(HWND sheet, int pageIndex, int edit) {
    SendMessageA(sheet, PSM_SETCURSEL, WPARAM(pageIndex), 0);
    HWND page = HWND(SendMessageA(sheet, PSM_GETCURRENTPAGEHWND, 0, 0));
    char shown[32] = {};
    GetDlgItemTextA(page, edit, shown, sizeof shown);
    return shown;
}
}  // namespace

namespace {
// The pixels of a rectangle of the screen as the display shows them (the screen's DC reads
// the X screen), or as the window's own drawing surface holds them (the window's DC).
std::vector<uint32_t> Pixels(HWND window, const RECT& rect) {
    const int width = rect.right - rect.left, height = rect.bottom - rect.top;
    std::vector<uint32_t> pixels(size_t(width) * size_t(height));
    BITMAPINFO info = {};
    info.bmiHeader = {sizeof(BITMAPINFOHEADER), width, -height, 1, 32, BI_RGB, 0, 0, 0, 0, 0};
    void* bits = nullptr;
    HDC from = GetDC(window);
    HDC memory = CreateCompatibleDC(from);
    HBITMAP dib = CreateDIBSection(from, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
    HGDIOBJ old = SelectObject(memory, dib);
    POINT at = {rect.left, rect.top};
    if (window) ScreenToClient(window, &at);
    BitBlt(memory, 0, 0, width, height, from, at.x, at.y, SRCCOPY);
    GdiFlush();
    if (bits) std::memcpy(pixels.data(), bits, pixels.size() * sizeof(uint32_t));
    SelectObject(memory, old);
    DeleteObject(dib);
    DeleteDC(memory);
    ReleaseDC(window, from);
    return pixels;
}

// The label's sprite on the screen, the stage drawn from the TV window's client origin.
RECT OnScreen(HWND tv, FontLabel& label) {
    RECT r = HeldSpriteBounds(*label.GetSprite());
    POINT corner = {0, 0};
    ClientToScreen(tv, &corner);
    OffsetRect(&r, corner.x, corner.y);
    return r;
}

// The sheet in the screen's bottom right corner, clear of the rows, as a player drags it.
void MoveOutOfTheWay(HWND sheet) {
    RECT placed = {};
    GetWindowRect(sheet, &placed);
    SetWindowPos(sheet, nullptr, GetSystemMetrics(SM_CXSCREEN) - (placed.right - placed.left),
                 GetSystemMetrics(SM_CYSCREEN) - (placed.bottom - placed.top), 0, 0,
                 SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}
}  // namespace

// The engine's frame thread draws the new cash into the TV window while the sheet's modal
// loop waits for input: the display shows it without another message reaching the game.
TEST_F(FrontDeskTest, TheRowShowsTheCashOfAnApplyWhileTheSheetIsOpen) {
    TwoPlayers();
    Record(1).Borrow(Money(25125));
    Show();
    std::string shown;
    bool exposed = false, drawn = false, displayed = false;
    {
        DialogDriver driver([&] {
            HWND sheet = WaitForDialog("Vellmoor(tm) Credit");
            if (!sheet) return;
            HWND tv = pane_->GetHandle();
            const RECT cash = OnScreen(tv, desk_->GetRow(1).GetCash());
            MoveOutOfTheWay(sheet);
            SendMessageA(sheet, PSM_SETCURSEL, 1, 0);
            exposed = WaitUntil([&] { return Pixels(nullptr, cash) == Pixels(tv, cash); }, 5000);
            const std::vector<uint32_t> before = Pixels(tv, cash);
            KeyIntoSheet(sheet, "1", IDC_REPAY_DOLLARS, IDC_REPAY_HINT);
            PressButton(sheet, 0x3021);  // Apply
            shown = desk_->GetRow(1).GetCash().GetTextString();
            drawn = WaitUntil([&] { return Pixels(tv, cash) != before; }, 5000);
            displayed = WaitUntil([&] { return Pixels(nullptr, cash) == Pixels(tv, cash); }, 3000);
            PressButton(sheet, IDCANCEL);
            WakeSheetLoop(sheet);
        });
        desk_->ShowCredit();
    }
    EXPECT_EQ(Record(1).GetCash().Cents(), 1025025);
    EXPECT_EQ(shown, "$10,250.25");
    EXPECT_TRUE(exposed) << "the row was on the display before the Apply";
    EXPECT_TRUE(drawn) << "the frame thread drew the new cash";
    EXPECT_TRUE(displayed) << "the display shows the new cash with the sheet still open";
}

TEST_F(FrontDeskTest, TheSheetOffersTheAmountsToTheCentAndOkRepaysExactlyThat) {
    TwoPlayers();
    Record(1).Borrow(Money(25025));
    Show();
    std::string borrow, repay;
    {
        DialogDriver driver([&] {
            HWND sheet = WaitForDialog("Vellmoor(tm) Credit");
            if (!sheet) return;
            borrow = Offered(sheet, 0, IDC_BORROW_DOLLARS);
            repay = Offered(sheet, 1, IDC_REPAY_DOLLARS);
            PressButton(sheet, IDOK);
            WakeSheetLoop(sheet);
        });
        desk_->ShowCredit();
    }
    EXPECT_EQ(borrow, "9749.75") << "$9,749.75 available";
    EXPECT_EQ(repay, "250.25") << "$250.25 owed";
    EXPECT_EQ(Record(1).GetCredit().Cents(), 0) << "OK on the offer leaves nothing owing";
    EXPECT_EQ(Record(1).GetCash().Cents(), 1000000);
    EXPECT_EQ(Stored(2, "Credit"), 0u);
    EXPECT_EQ(Stored(2, "Cash"), 1000000u);
}

namespace {
const int kApply = 0x3021;  // the sheet's Apply button

// On the sheet's page (0 Borrow, 1 Repay): types the amount key by key and presses Apply,
// then presses Apply once more and OK, as a player who closes the sheet after a booking.
void ApplyThenOk(const char* dollars, int pageIndex, int edit, int hint) {
    HWND sheet = WaitForDialog("Vellmoor(tm) Credit");
    if (!sheet) return;
    SendMessageA(sheet, PSM_SETCURSEL, WPARAM(pageIndex), 0);
    KeyIntoSheet(sheet, dollars, edit, hint);
    PressButton(sheet, kApply);
    PressButton(sheet, kApply);
    PressButton(sheet, IDOK);
    WakeSheetLoop(sheet);
}
}  // namespace

// The edit is filled again with the whole offer after a booking; a plain OK or Apply then
// books nothing more. An amount typed after the booking is booked as typed.
TEST_F(FrontDeskTest, OkAfterApplyBooksTheTypedAmountOnce) {
    TwoPlayers();
    Show();
    {
        DialogDriver driver([&] { ApplyThenOk("1000.50", 0, IDC_BORROW_DOLLARS, IDC_BORROW_HINT); });
        desk_->ShowCredit();
    }
    EXPECT_EQ(Record(1).GetCredit().Cents(), 100050) << "borrowed once";
    EXPECT_EQ(Record(1).GetCash().Cents(), 1000000 + 100050);
    EXPECT_EQ(Stored(2, "Credit"), 100050u);
    {
        DialogDriver driver([&] { ApplyThenOk("500.25", 1, IDC_REPAY_DOLLARS, IDC_REPAY_HINT); });
        desk_->ShowCredit();
    }
    EXPECT_EQ(Record(1).GetCredit().Cents(), 100050 - 50025) << "repaid once";
    EXPECT_EQ(Record(1).GetCash().Cents(), 1000000 + 100050 - 50025);
    EXPECT_EQ(Stored(2, "Credit"), DWORD(100050 - 50025));
    EXPECT_EQ(Stored(2, "Cash"), DWORD(1000000 + 100050 - 50025));

    std::string refilled;
    {
        DialogDriver driver([&] {
            HWND sheet = WaitForDialog("Vellmoor(tm) Credit");
            if (!sheet) return;
            KeyIntoSheet(sheet, "100", IDC_BORROW_DOLLARS, IDC_BORROW_HINT);
            PressButton(sheet, kApply);
            refilled = Offered(sheet, 0, IDC_BORROW_DOLLARS);
            SendMessageA(sheet, PSM_SETCURSEL, 1, 0);  // the other page, filled again
            PressButton(sheet, IDOK);
            WakeSheetLoop(sheet);
        });
        desk_->ShowCredit();
    }
    EXPECT_EQ(Record(1).GetCredit().Cents(), 50025 + 10000) << "the other page's offer is not booked by OK";
    EXPECT_EQ(refilled, AmountText(kCreditLimit - 50025 - 10000)) << "the offer stays in the edit";
    {
        DialogDriver driver([&] {
            HWND sheet = WaitForDialog("Vellmoor(tm) Credit");
            if (!sheet) return;
            KeyIntoSheet(sheet, "10", IDC_BORROW_DOLLARS, IDC_BORROW_HINT);
            PressButton(sheet, kApply);
            KeyIntoSheet(sheet, "2.5", IDC_BORROW_DOLLARS, IDC_BORROW_HINT);
            PressButton(sheet, IDOK);
            WakeSheetLoop(sheet);
        });
        desk_->ShowCredit();
    }
    EXPECT_EQ(Record(1).GetCredit().Cents(), 60025 + 1000 + 250) << "an amount typed after a booking is booked";
}

namespace {
// What an edit shows: its text and its selection (the caret where both ends meet).
struct EditView {
    std::string text;
    DWORD start = 0, end = 0;
    bool operator==(const EditView& other) const {
        return text == other.text && start == other.start && end == other.end;
    }
};

EditView Look(HWND edit) {
    EditView view;
    char text[32] = {};
    GetWindowTextA(edit, text, sizeof text);
    view.text = text;
    SendMessageA(edit, EM_GETSEL, WPARAM(&view.start), LPARAM(&view.end));
    return view;
}

std::ostream& operator<<(std::ostream& out, const EditView& view) {
    return out << '"' << view.text << "\" [" << view.start << ", " << view.end << ")";
}

HWND SheetEdit(HWND sheet, int pageIndex, int edit) {
    SendMessageA(sheet, PSM_SETCURSEL, WPARAM(pageIndex), 0);
    return GetDlgItem(HWND(SendMessageA(sheet, PSM_GETCURRENTPAGEHWND, 0, 0)), edit);
}

std::string HintOf(HWND sheet, int hint) {
    char line[128] = {};
    GetDlgItemTextA(HWND(SendMessageA(sheet, PSM_GETCURRENTPAGEHWND, 0, 0)), hint, line, sizeof line);
    return line;
}

// Keys at random into the edit, as a player types, moves the caret and deletes; each
// character must land at the caret, in place of the selection, or change nothing at all.
// Answers the first key that did otherwise, and what the edit showed before and after.
std::string TypeAtRandom(HWND edit, unsigned seed) {
    std::mt19937 random(seed);
    const char typed[] = "0123456789012345678.";
    const WPARAM moves[] = {VK_LEFT, VK_RIGHT, VK_HOME, VK_END, VK_DELETE};
    for (int step = 0; step < 300; ++step) {
        const EditView before = Look(edit);
        const unsigned roll = random() % 10;
        if (roll < 6) {
            const char c = typed[random() % (sizeof typed - 1)];
            SendMessageA(edit, WM_CHAR, WPARAM(uint8_t(c)), 1);
            const EditView after = Look(edit);
            EditView landed = before;
            landed.text.replace(before.start, before.end - before.start, 1, c);
            landed.start = landed.end = before.start + 1;
            if (!(after == before) && !(after == landed)) {
                std::ostringstream out;
                out << "'" << c << "' on " << before << " gave " << after;
                return out.str();
            }
        } else if (roll < 8) {
            const WPARAM key = moves[random() % 5];
            SendMessageA(edit, WM_KEYDOWN, key, 1);
            SendMessageA(edit, WM_KEYUP, key, LPARAM(0xC0000001));
        } else {
            SendMessageA(edit, WM_CHAR, 8, 1);  // Backspace
        }
    }
    return "";
}
}  // namespace

// A sheet just opened selects its offer, and what is typed replaces it. A digit that would
// ask for more than there is changes nothing, and the sheet says what the most is.
TEST_F(FrontDeskTest, TypedDigitsLandAtTheCaretAndADigitAskingTooMuchChangesNothing) {
    TwoPlayers();
    Show();
    EditView fresh, atEnd, repayAtEnd;
    std::string limit, repayLimit, borrowKeys, repayKeys;
    {
        DialogDriver driver([&] {
            HWND sheet = WaitForDialog("Vellmoor(tm) Credit");
            if (!sheet) return;
            HWND borrow = SheetEdit(sheet, 0, IDC_BORROW_DOLLARS);
            for (char c : std::string("250")) SendMessageA(borrow, WM_CHAR, WPARAM(c), 1);
            fresh = Look(borrow);
            SetWindowTextA(borrow, "10000");
            SendMessageA(borrow, EM_SETSEL, 5, 5);  // a click at the end of the offer
            for (char c : std::string("250")) SendMessageA(borrow, WM_CHAR, WPARAM(c), 1);
            atEnd = Look(borrow);
            limit = HintOf(sheet, IDC_BORROW_HINT);
            borrowKeys = TypeAtRandom(borrow, 87);
            PressButton(sheet, IDCANCEL);
            WakeSheetLoop(sheet);
        });
        desk_->ShowCredit();
    }
    EXPECT_EQ(fresh, (EditView{"250", 3, 3})) << "typing replaces the offer";
    EXPECT_EQ(atEnd, (EditView{"10000", 5, 5})) << "the edit and its caret as they were";
    EXPECT_EQ(limit, "You can borrow at most $10,000.00.");
    EXPECT_EQ(borrowKeys, "");

    ASSERT_TRUE(roster_->Borrow(1, Money(500000)));  // $5,000 owed, $15,000 cash
    {
        DialogDriver driver([&] {
            HWND sheet = WaitForDialog("Vellmoor(tm) Credit");
            if (!sheet) return;
            HWND repay = SheetEdit(sheet, 1, IDC_REPAY_DOLLARS);
            SendMessageA(repay, EM_SETSEL, 4, 4);
            SendMessageA(repay, WM_CHAR, WPARAM('9'), 1);
            repayAtEnd = Look(repay);
            repayLimit = HintOf(sheet, IDC_REPAY_HINT);
            repayKeys = TypeAtRandom(repay, 88);
            PressButton(sheet, IDCANCEL);
            WakeSheetLoop(sheet);
        });
        desk_->ShowCredit();
    }
    EXPECT_EQ(repayAtEnd, (EditView{"5000", 4, 4}));
    EXPECT_EQ(repayLimit, "You can repay at most $5,000.00, what you owe.");
    EXPECT_EQ(repayKeys, "");
    EXPECT_EQ(Record(1).GetCredit().Cents(), 500000) << "Cancel books nothing";
}

// The hints say what can be done: nothing left to borrow, nothing owed.
TEST_F(FrontDeskTest, TheHintsFitWhatTheSheetCanStillBook) {
    TwoPlayers();
    Show();
    std::string borrowedAll, repayAfterBorrowing, repaidAll, borrowAfterRepaying;
    bool borrowDisabled = false, repayDisabled = false;
    {
        DialogDriver driver([&] {
            HWND sheet = WaitForDialog("Vellmoor(tm) Credit");
            if (!sheet) return;
            HWND borrow = SheetEdit(sheet, 0, IDC_BORROW_DOLLARS);
            PressButton(sheet, kApply);  // the whole offer: the limit is reached
            borrowedAll = HintOf(sheet, IDC_BORROW_HINT);
            borrowDisabled = !IsWindowEnabled(borrow);
            SheetEdit(sheet, 1, IDC_REPAY_DOLLARS);
            repayAfterBorrowing = HintOf(sheet, IDC_REPAY_HINT);
            KeyIntoSheet(sheet, "10000", IDC_REPAY_DOLLARS, IDC_REPAY_HINT);
            PressButton(sheet, kApply);
            repaidAll = HintOf(sheet, IDC_REPAY_HINT);
            repayDisabled = !IsWindowEnabled(GetDlgItem(HWND(SendMessageA(sheet, PSM_GETCURRENTPAGEHWND, 0, 0)),
                                                        IDC_REPAY_DOLLARS));
            SheetEdit(sheet, 0, IDC_BORROW_DOLLARS);
            borrowAfterRepaying = HintOf(sheet, IDC_BORROW_HINT);
            PressButton(sheet, IDCANCEL);
            WakeSheetLoop(sheet);
        });
        desk_->ShowCredit();
    }
    EXPECT_TRUE(borrowDisabled);
    EXPECT_EQ(borrowedAll, "You have borrowed all the credit there is: repay some first.");
    EXPECT_EQ(repayAfterBorrowing, "Type an amount to pay more back.");
    EXPECT_TRUE(repayDisabled);
    EXPECT_EQ(repaidAll, "You owe nothing.");
    EXPECT_EQ(borrowAfterRepaying, "Type an amount to take more.");
    EXPECT_EQ(Record(1).GetCredit().Cents(), 0);
    EXPECT_EQ(Record(1).GetCash().Cents(), 1000000);
}

namespace {
// A key pressed and released over the Front Desk, with Shift held or not.
void PressKey(HWND pane, WPARAM key, bool shift = false) {
    BYTE keys[256] = {};
    GetKeyboardState(keys);
    keys[VK_SHIFT] = shift ? 0x80 : 0;
    SetKeyboardState(keys);
    SendMessageA(pane, WM_KEYDOWN, key, 1);
    SendMessageA(pane, WM_KEYUP, key, LPARAM(0xC0000001));
    keys[VK_SHIFT] = 0;
    SetKeyboardState(keys);
}
}  // namespace

TEST_F(FrontDeskTest, DownAndTabGoToTheNextRowUpAndShiftTabToThePrevious) {
    TwoPlayers();
    Show();
    HWND pane = pane_->GetHandle();
    ASSERT_EQ(desk_->GetSelectedRow(), 1);
    PressKey(pane, VK_DOWN);
    EXPECT_EQ(desk_->GetSelectedRow(), 2) << "Down";
    PressKey(pane, VK_TAB);
    EXPECT_EQ(desk_->GetSelectedRow(), 3) << "Tab";
    PressKey(pane, VK_UP);
    EXPECT_EQ(desk_->GetSelectedRow(), 2) << "Up";
    PressKey(pane, VK_TAB, true);
    EXPECT_EQ(desk_->GetSelectedRow(), 1) << "Shift+Tab";
    PressKey(pane, VK_UP);
    PressKey(pane, VK_UP);
    EXPECT_EQ(desk_->GetSelectedRow(), 8) << "Up from the first row goes round to the last";
    PressKey(pane, VK_DOWN);
    EXPECT_EQ(desk_->GetSelectedRow(), 0) << "and Down from the last to the first";
}

namespace {
// Pixels of the label as the TV window holds them: those inked red (the refusal's colour)
// and those inked in the Front Desk's navy.
struct Ink {
    int red = 0, navy = 0;
};
Ink InkOf(HWND tv, FontLabel& label) {
    Ink ink;
    for (uint32_t p : Pixels(tv, OnScreen(tv, label))) {
        const int r = (p >> 16) & 0xFF, g = (p >> 8) & 0xFF, b = p & 0xFF;
        if (r >= 120 && g < 60 && b < 60) ++ink.red;
        if (b >= 80 && r < 40 && g < 40) ++ink.navy;
    }
    return ink;
}
}  // namespace

// Without sound nothing but the drawing can say that the field is full: a character refused
// at the limit turns the name red until the text changes again or the field is left.
TEST_F(FrontDeskTest, ANameFieldAtItsLimitShowsThatItRefusesTheCharacter) {
    TwoPlayers();
    Show();
    HWND tv = pane_->GetHandle();
    PlayerRow& row = desk_->GetRow(4);
    Type(4, "Margaret Thistlewood-Smi");
    ASSERT_EQ(row.GetLength(), row.GetMaxLength());
    EXPECT_TRUE(WaitUntil([&] { return InkOf(tv, row).navy > 20; }, 5000)) << "the name is drawn";
    EXPECT_EQ(InkOf(tv, row).red, 0) << "a full field that refused nothing looks as ever";
    Type(4, "th");
    EXPECT_EQ(row.GetTextString(), "Margaret Thistlewood-Smi");
    EXPECT_TRUE(WaitUntil([&] { return InkOf(tv, row).red > 20; }, 5000)) << "the refusal shows";
    EXPECT_EQ(InkOf(tv, desk_->GetRow(1)).red, 0) << "on that field only";
    Type(4, "\b");
    EXPECT_TRUE(WaitUntil([&] { Ink ink = InkOf(tv, row); return ink.red == 0 && ink.navy > 20; }, 5000))
        << "the name is drawn as ever once it has room again";
    Type(4, "th");
    EXPECT_TRUE(WaitUntil([&] { return InkOf(tv, row).red > 20; }, 5000)) << "refused again";
    Leave();
    EXPECT_TRUE(WaitUntil([&] { Ink ink = InkOf(tv, row); return ink.red == 0 && ink.navy > 20; }, 5000))
        << "the name is drawn as ever once the field is left";
}
