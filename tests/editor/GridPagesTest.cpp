// The Reels and Payouts pages of the editor on foxfire, driven cell by cell with mouse,
// key and control messages: the strips and the pay table are edited, saved, compiled
// again and compared with the edits; a pay line goes through the Multiple Symbols dialog
// and the counted-choice control.
#include <gtest/gtest.h>

#include <windows.h>

#include <commctrl.h>

#include <functional>
#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "AwardCardNotice.h"
#include "EditorDriver.h"
#include "MachineScript.h"
#include "ModalDriver.h"
#include "PayoutDialogIds.h"
#include "PayoutPage.h"
#include "ReelStripGrid.h"
#include "TestScreens.h"

namespace {

const char kSaveQuestion[] = "Vellmoor Slots Editor: Save Changes";

class GridPagesTest : public ::testing::Test {
protected:
    void SetUp() override {
        RegisterMainWindowClass(nullptr);
        InitCommonControls();
        folder_ = ::testing::TempDir() + "grid_" + ::testing::UnitTest::GetInstance()->current_test_info()->name();
        CreateDirectoryA(folder_.c_str(), nullptr);
        SetCurrentDirectoryA(folder_.c_str());
        CopyMachineFiles(folder_);
        script_ = folder_ + "\\foxfire.txt";
        DeleteFileA((folder_ + "\\foxfire.old.txt").c_str());
        Open();
    }
    // The editor on the script, with the pages found.
    void Open() {
        editor_ = std::make_unique<EditorWindow>(nullptr, script_);
        ASSERT_EQ(1, editor_->Create());
        editor_->Show();
        reels_ = dynamic_cast<ReelStripGrid*>(editor_->GetPage(EditorWindow::ReelsTab));
        payouts_ = dynamic_cast<PayoutPage*>(editor_->GetPage(EditorWindow::PayoutsTab));
        ASSERT_TRUE(reels_ && payouts_);
        PumpMessages();
    }
    void TearDown() override {
        HoldShift(false);
        editor_.reset();
    }

    // Saves with Yes and compiles the saved script anew.
    // A pay table saved changed is told to be out of step with foxfire's award card.
    void SaveAndRecompile(bool payTableChanged = false) {
        BoxAnswer answer(kSaveQuestion, IDYES);
        std::unique_ptr<BoxAnswer> notice;
        if (payTableChanged) notice = std::make_unique<BoxAnswer>(kStaleAwardCardCaption, IDOK);
        EXPECT_EQ(1, editor_->CanClose());
        EXPECT_TRUE(answer.Seen());
        if (notice) EXPECT_TRUE(notice->Seen()) << "foxfire's backdrop carries its award card";
        saved_.Compile(script_, nullptr, nullptr);
        ASSERT_TRUE(saved_.IsCompiled());
    }

    // The Reels page: a click on the name or the weight part of a cell.
    void ClickStrip(int stop, int reel, bool weight) {
        const int x = reel * reels_->GetColumnWidth() + (weight ? reels_->GetNameWidth() + 4 : 4);
        const int y = stop * reels_->GetRowHeight() + reels_->GetRowHeight() / 2;
        SendMessageA(reels_->GetGrid(), WM_LBUTTONUP, 0, MAKELPARAM(x, y));
    }
    void Tab(HWND control, bool backwards = false) {
        HoldShift(backwards);
        SendMessageA(control, WM_KEYDOWN, VK_TAB, 1);
        HoldShift(false);
    }
    // A choice in a drop-down list as the user makes it: the selection, then its notice.
    static void Choose(HWND combo, const char* text) {
        const LRESULT index = SendMessageA(combo, CB_FINDSTRINGEXACT, WPARAM(-1), LPARAM(text));
        ASSERT_GE(index, 0) << text;
        SendMessageA(combo, CB_SETCURSEL, WPARAM(index), 0);
        SendMessageA(GetParent(combo), WM_COMMAND, MAKEWPARAM(GetDlgCtrlID(combo), CBN_SELCHANGE), LPARAM(combo));
    }
    // The Payouts page: a click in the middle of a cell.
    void ClickPayout(int row, int column) {
        const RECT r = payouts_->GetCell(row, column).rect;
        SendMessageA(payouts_->GetGrid(), WM_LBUTTONUP, 0,
                     MAKELPARAM((r.left + r.right) / 2 - payouts_->GetScrollX(), (r.top + r.bottom) / 2 - payouts_->GetScrollY()));
    }
    std::string Status() { return StatusText(editor_->GetStatusBar()); }

    std::string folder_, script_;
    std::unique_ptr<EditorWindow> editor_;
    ReelStripGrid* reels_ = nullptr;
    PayoutPage* payouts_ = nullptr;
    MachineScript saved_;
};

TEST_F(GridPagesTest, StripsEditedCellByCellAreSavedAsEdited) {
    editor_->ShowPage(EditorWindow::ReelsTab);
    HWND combo = reels_->GetSymbolBox(), edit = reels_->GetNumberBox();
    EXPECT_TRUE(IsWindowVisible(combo));

    ClickStrip(0, 0, false);
    Choose(combo, "Owl");
    EXPECT_EQ("Reel 1 Stop 1 Owl 1", Status());
    Tab(combo);  // to the same cell's weight
    ASSERT_TRUE(IsWindowVisible(edit));
    EXPECT_FALSE(IsWindowVisible(combo));
    SetWindowTextA(edit, "4");
    // Emptying the box, or a 0, is no weight: the cell keeps 4.
    SetWindowTextA(edit, "");
    SetWindowTextA(edit, "0");
    EXPECT_EQ("Reel 1 Stop 1 Owl 4", Status());
    Tab(edit);  // to the next cell's symbol
    EXPECT_EQ((GridCell{0, 1}), reels_->GetCurrentCell());
    Choose(combo, "Fox");

    ClickStrip(11, 2, true);
    EXPECT_EQ((GridCell{11, 2}), reels_->GetCurrentCell());
    EXPECT_EQ(edit, GetFocus());
    SetWindowTextA(edit, "9");
    EXPECT_EQ("Reel 3 Stop 12 Leaf 9", Status());
    Tab(edit);  // from the last cell to the first
    EXPECT_EQ((GridCell{0, 0}), reels_->GetCurrentCell());
    Tab(combo, true);  // and back again to the last weight
    EXPECT_EQ((GridCell{11, 2}), reels_->GetCurrentCell());
    EXPECT_TRUE(IsWindowVisible(edit));
    // Right of the last reel, and below the last stop, nothing is picked.
    SendMessageA(reels_->GetGrid(), WM_LBUTTONUP, 0, MAKELPARAM(3 * reels_->GetColumnWidth() + 5, 5));
    SendMessageA(reels_->GetGrid(), WM_LBUTTONUP, 0, MAKELPARAM(5, 12 * reels_->GetRowHeight() + 3));
    EXPECT_EQ((GridCell{11, 2}), reels_->GetCurrentCell());

    const std::vector<ReelStrip> edited = reels_->GetModel().GetStrips();
    EXPECT_EQ((StripEntry{"Owl", 4}), edited[0][0]);
    EXPECT_EQ((StripEntry{"Fox", 1}), edited[1][0]);
    EXPECT_EQ((StripEntry{"Leaf", 9}), edited[2][11]);
    SaveAndRecompile();
    for (int reel = 0; reel < 3; ++reel) EXPECT_EQ(edited[size_t(reel)], saved_.GetReelStrip(reel)) << reel;
}

TEST_F(GridPagesTest, PayoutCellsKeepTheirKindUnlessTheTextPlainlyIsTheOther) {
    editor_->ShowPage(EditorWindow::PayoutsTab);
    HWND edit = payouts_->GetPayoutBox();
    ClickPayout(2, 4);  // all Owl, one coin
    ASSERT_TRUE(IsWindowVisible(edit));
    SetWindowTextA(edit, "45");
    Tab(edit);
    EXPECT_EQ(5, payouts_->GetColumn());
    SetWindowTextA(edit, "0");  // an amount of nothing, not a scriptlet
    Tab(edit);
    SetWindowTextA(edit, "");  // emptied: keeps 120
    ClickPayout(1, 4);         // the Lantern's scriptlet
    char text[64] = {};
    GetWindowTextA(edit, text, sizeof text);
    EXPECT_STREQ("LanternPayout()", text);
    SetWindowTextA(edit, "2 + LanternPayout()");  // starts with a number, stays code
    ClickPayout(1, 4);                            // taken as the cell is left
    {
        // A double quote cannot stand inside the payout's quotes: refused when the cell is
        // left, and the cell keeps what it held.
        BoxAnswer refusal(kInvalidPayoutCaption, IDOK);
        SetWindowTextA(edit, "Say(\"win\")");
        ClickPayout(1, 4);
        EXPECT_NE(std::string::npos, refusal.Text().find('"')) << refusal.Text();
        GetWindowTextA(edit, text, sizeof text);
        EXPECT_STREQ("2 + LanternPayout()", text);
    }
    ClickPayout(0, 0);  // BothWays for all Fox, toggled by the click
    EXPECT_EQ(BST_CHECKED, SendMessageA(payouts_->GetBothWaysBox(), BM_GETCHECK, 0, 0));
    ClickPayout(0, 2);
    Choose(payouts_->GetSymbolBox(), "Any");

    const ScriptPayTable edited = payouts_->GetTable();
    EXPECT_TRUE(payouts_->IsModified());
    const std::vector<PayAmount>& owl = edited.lines[2].payouts;
    EXPECT_EQ(0, owl[0].type + owl[1].type + owl[2].type);
    EXPECT_EQ(45, owl[0].amount);
    EXPECT_EQ(0, owl[1].amount);
    EXPECT_EQ(120, owl[2].amount);
    EXPECT_EQ(1, edited.lines[1].payouts[0].type);
    EXPECT_EQ("2 + LanternPayout()", edited.lines[1].payouts[0].scriptlet);
    SaveAndRecompile(true);
    const ScriptPayTable& table = saved_.GetPayouts();
    ASSERT_EQ(edited.lines.size(), table.lines.size());
    EXPECT_EQ(1, table.lines[0].kind);
    EXPECT_EQ(2, table.lines[0].items[1].kind);
    EXPECT_TRUE(table.lines[0].items[1].symbols.empty());
    for (size_t i = 0; i < table.lines.size(); ++i) {
        for (size_t j = 0; j < table.lines[i].payouts.size(); ++j) {
            const PayAmount &got = table.lines[i].payouts[j], &wanted = edited.lines[i].payouts[j];
            EXPECT_EQ(wanted.type, got.type) << i << " " << j;
            EXPECT_EQ(PayoutText(wanted), PayoutText(got)) << i << " " << j;
        }
    }
}

// What is typed into a payout cell is taken whole when the cell is left. An amount too
// large to store and a negative amount are refused with a box that names them as typed,
// and the cell keeps what it held; nothing is cut to what would fit.
TEST_F(GridPagesTest, PayoutsThatCannotBePaidAreRefusedWholeAsTheCellIsLeft) {
    editor_->ShowPage(EditorWindow::PayoutsTab);
    HWND edit = payouts_->GetPayoutBox();
    const struct {
        int column;
        const char* typing[2];
        const char* said;
        const char* kept;
    } cases[] = {
        {4, {"999999999", "99999999999"}, "The amount 99999999999 is too large", "40"},
        {5, {"-", "-7"}, "The amount -7 is negative", "80"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.said);
        ClickPayout(2, c.column);  // all Owl: 40, 80, 120
        BoxAnswer refusal(kInvalidPayoutCaption, IDOK);
        for (const char* typed : c.typing) SetWindowTextA(edit, typed);
        EXPECT_EQ(c.typing[1], WindowText(edit));  // nothing is cut while it is typed
        Tab(edit);
        EXPECT_NE(std::string::npos, refusal.Text().find(c.said)) << refusal.Text();
        EXPECT_NE(std::string::npos, refusal.Text().find(std::string("The cell keeps ") + c.kept + "."))
            << refusal.Text();
        const PayAmount& kept = payouts_->GetTable().lines[2].payouts[size_t(c.column - 4)];
        EXPECT_EQ(0, kept.type);
        EXPECT_EQ(c.kept, PayoutText(kept));
    }
    EXPECT_FALSE(payouts_->IsModified());
    // Code that uses the script's function and the machine's members is taken.
    ClickPayout(1, 5);
    SetWindowTextA(edit, "LanternPayout() * 2 + Bet(0) + machine.Denomination");
    Tab(edit);
    EXPECT_EQ("LanternPayout() * 2 + Bet(0) + machine.Denomination",
              payouts_->GetTable().lines[1].payouts[1].scriptlet);
    EXPECT_TRUE(payouts_->IsModified());
}

// Code that names what neither the script nor the machine object defines may call what the
// script's code makes as the machine plays ("Bonus = function () ..." without "var"): the
// author is asked, No keeps what the cell held and Yes keeps the payout, which is saved.
TEST_F(GridPagesTest, APayoutNamingWhatNothingDefinesIsKeptWhenTheAuthorSaysSo) {
    editor_->ShowPage(EditorWindow::PayoutsTab);
    HWND edit = payouts_->GetPayoutBox();
    ClickPayout(2, 6);  // all Owl: 120
    for (int answer : {IDNO, IDYES}) {
        SetWindowTextA(edit, "Bonus() + 1");
        BoxAnswer question(kUnknownNameCaption, answer);
        Tab(edit);
        EXPECT_NE(std::string::npos, question.Text().find("The payout Bonus() + 1 uses Bonus, which is defined neither"))
            << question.Text();
        EXPECT_NE(std::string::npos, question.Text().find("The cell keeps 120.")) << question.Text();
        ClickPayout(2, 6);
    }
    EXPECT_EQ("Bonus() + 1", PayoutText(payouts_->GetTable().lines[2].payouts[2]));
    EXPECT_EQ("Bonus() + 1", WindowText(edit));
    SaveAndRecompile(true);
    EXPECT_EQ("Bonus() + 1", saved_.GetPayouts().lines[2].payouts[2].scriptlet);
}

// As on the Payouts page, the Reels grid's cell control closes when the grid scrolls: no
// key changes a stop out of sight, and a click opens a cell again.
TEST_F(GridPagesTest, TheReelsCellControlClosesAsTheGridScrolls) {
    editor_->ShowPage(EditorWindow::ReelsTab);
    HWND combo = reels_->GetSymbolBox();
    ClickStrip(2, 0, false);
    const std::string before = reels_->GetModel().At(GridCell{2, 0}).symbol;
    ASSERT_TRUE(IsWindowVisible(combo));
    SendMessageA(combo, CB_SHOWDROPDOWN, TRUE, 0);
    ASSERT_TRUE(SendMessageA(combo, CB_GETDROPPEDSTATE, 0, 0));
    for (int line = 0; line < 8; ++line) SendMessageA(reels_->GetHandle(), WM_VSCROLL, SB_LINEDOWN, 0);
    EXPECT_FALSE(SendMessageA(combo, CB_GETDROPPEDSTATE, 0, 0));
    EXPECT_FALSE(IsWindowVisible(combo));
    EXPECT_FALSE(IsWindowVisible(reels_->GetNumberBox()));
    EXPECT_NE(combo, GetFocus());
    SendMessageA(GetFocus(), WM_KEYDOWN, VK_DOWN, 1);
    SendMessageA(reels_->GetHandle(), WM_SETFOCUS, 0, 0);  // the page focused again
    EXPECT_NE(combo, GetFocus());
    EXPECT_EQ(before, reels_->GetModel().At(GridCell{2, 0}).symbol);
    SendMessageA(reels_->GetHandle(), WM_VSCROLL, SB_TOP, 0);
    ClickStrip(2, 0, false);  // a click opens the cell again
    EXPECT_TRUE(IsWindowVisible(combo));
    EXPECT_EQ(combo, GetFocus());
}

// On both grids the cell's control is no taller than the cell's row, so that it covers
// nothing of the next row; the Reels page's open list is as wide as its longest symbol
// name and shows every symbol.
TEST_F(GridPagesTest, CellControlsFitTheirRowsAndTheSymbolListShowsEverySymbolWhole) {
    auto height = [](HWND window) {
        RECT r = {};
        GetWindowRect(window, &r);
        return int(r.bottom - r.top);
    };
    editor_->ShowPage(EditorWindow::ReelsTab);
    ClickStrip(2, 0, false);
    EXPECT_LE(height(reels_->GetSymbolBox()), reels_->GetRowHeight());
    ClickStrip(2, 0, true);
    EXPECT_LE(height(reels_->GetNumberBox()), reels_->GetRowHeight());

    editor_->ShowPage(EditorWindow::PayoutsTab);
    ClickPayout(2, 1);
    const int payoutRow = int(payouts_->GetCell(2, 1).rect.bottom - payouts_->GetCell(2, 1).rect.top);
    EXPECT_LE(height(payouts_->GetSymbolBox()), payoutRow);
    ClickPayout(2, 4);
    EXPECT_LE(height(payouts_->GetPayoutBox()), payoutRow);

    editor_->ShowPage(EditorWindow::ReelsTab);
    ClickStrip(2, 0, false);
    HWND combo = reels_->GetSymbolBox();
    SendMessageA(combo, CB_SHOWDROPDOWN, TRUE, 0);
    COMBOBOXINFO info = {};
    info.cbSize = sizeof info;
    ASSERT_TRUE(GetComboBoxInfo(combo, &info));
    RECT list = {};
    GetClientRect(info.hwndList, &list);
    const int count = int(SendMessageA(combo, CB_GETCOUNT, 0, 0));
    const int item = int(SendMessageA(combo, CB_GETITEMHEIGHT, 0, 0));
    EXPECT_EQ(6, count);
    EXPECT_GE(list.bottom, count * item);
    HDC dc = GetDC(combo);
    HGDIOBJ old = SelectObject(dc, HGDIOBJ(SendMessageA(combo, WM_GETFONT, 0, 0)));
    for (int i = 0; i < count; ++i) {
        char name[64] = {};
        SendMessageA(combo, CB_GETLBTEXT, WPARAM(i), LPARAM(name));
        SIZE size = {};
        GetTextExtentPoint32A(dc, name, int(strlen(name)), &size);
        EXPECT_LE(size.cx + 4, list.right) << name;
    }
    SelectObject(dc, old);
    ReleaseDC(combo, dc);
    SendMessageA(combo, CB_SHOWDROPDOWN, FALSE, 0);
}

// Enter checks what was typed as leaving the cell does, and keeps the cell; Tab, a click
// beside the cells and a change of page leave the cell and check it the same way. An
// expression is checked by the machine's own JScript engine, whose message the refusal gives.
TEST_F(GridPagesTest, EnterAndEveryWayOfLeavingAPayoutCellCheckWhatWasTyped) {
    editor_->ShowPage(EditorWindow::PayoutsTab);
    HWND edit = payouts_->GetPayoutBox();
    SIZE content;
    payouts_->GetContentSize(&content);
    RECT pane = {};
    GetClientRect(payouts_->GetGrid(), &pane);
    ASSERT_LT(content.cy + 5, pane.bottom);
    const std::vector<std::function<void()>> leaving = {
        [&] { SendMessageA(edit, WM_KEYDOWN, VK_RETURN, 1); },
        [&] { Tab(edit); },
        [&] { SendMessageA(payouts_->GetGrid(), WM_LBUTTONUP, 0, MAKELPARAM(5, content.cy + 5)); },
        [&] { SendMessageA(payouts_->GetHandle(), WM_LBUTTONUP, 0, MAKELPARAM(2, 2)); },
        [&] { editor_->ShowPage(EditorWindow::ReelsTab); },
    };
    const std::pair<const char*, const char*> refused[] = {
        {"-7", "The amount -7 is negative"},
        {"5 +* (", "The payout 5 +* ( is no expression the machine's JScript can read. JScript says: Syntax error."},
        {"+* (", "JScript says: Syntax error."},
        {"return 5", "JScript says: 'return' statement outside of function."},
    };
    for (size_t way = 0; way < leaving.size(); ++way) {
        for (const auto& typed : refused) {
            SCOPED_TRACE(std::to_string(way) + ": " + typed.first);
            editor_->ShowPage(EditorWindow::PayoutsTab);
            ClickPayout(2, 4);  // all Owl: 40
            SetWindowTextA(edit, typed.first);
            {
                BoxAnswer refusal(kInvalidPayoutCaption, IDOK);
                leaving[way]();
                EXPECT_NE(std::string::npos, refusal.Text().find(typed.second)) << refusal.Text();
            }
            EXPECT_EQ("40", PayoutText(payouts_->GetTable().lines[2].payouts[0]));
            if (way != 1) EXPECT_EQ("40", WindowText(edit));  // Tab went on to the next cell
        }
    }
    EXPECT_FALSE(payouts_->IsModified());
    // A good payout is taken at Enter, and the cell stays for more typing.
    editor_->ShowPage(EditorWindow::PayoutsTab);
    ClickPayout(2, 4);
    SetWindowTextA(edit, "45");
    SendMessageA(edit, WM_KEYDOWN, VK_RETURN, 1);
    SendMessageA(edit, WM_CHAR, '\r', 1);
    EXPECT_EQ(45, payouts_->GetTable().lines[2].payouts[0].amount);
    EXPECT_EQ("45", WindowText(edit));
    EXPECT_EQ(edit, GetFocus());
    EXPECT_EQ(2, payouts_->GetRow());
    EXPECT_TRUE(payouts_->IsModified());
}

// The coin columns are as wide as the widest payout text they show, and widen for one
// typed wider; the cell's control closes when the grid scrolls, so that a key cannot
// change a cell out of sight.
TEST_F(GridPagesTest, CoinColumnsFitTheirTextsAndTheCellControlClosesAsTheGridScrolls) {
    editor_->ShowPage(EditorWindow::PayoutsTab);
    HWND edit = payouts_->GetPayoutBox();
    auto width = [&](const char* text) {
        HDC dc = GetDC(payouts_->GetGrid());
        HGDIOBJ old = SelectObject(dc, HGDIOBJ(SendMessageA(edit, WM_GETFONT, 0, 0)));
        SIZE size = {};
        GetTextExtentPoint32A(dc, text, int(strlen(text)), &size);
        SelectObject(dc, old);
        ReleaseDC(payouts_->GetGrid(), dc);
        return int(size.cx);
    };
    auto columnWidth = [&](int row, int column) {
        const RECT r = payouts_->GetCell(row, column).rect;
        return int(r.right - r.left);
    };
    EXPECT_GE(columnWidth(1, 4), width("LanternPayout() ") + 2);
    ClickPayout(2, 4);
    SetWindowTextA(edit, "2147483647");
    Tab(edit);
    EXPECT_EQ(2147483647, payouts_->GetTable().lines[2].payouts[0].amount);
    EXPECT_GE(columnWidth(2, 4), width("2147483647 ") + 2);
    EXPECT_EQ(columnWidth(2, 4), columnWidth(0, 6));  // every coin column alike

    HWND combo = payouts_->GetSymbolBox();
    ClickPayout(3, 1);  // all Mushroom, the first reel
    ASSERT_TRUE(IsWindowVisible(combo));
    SendMessageA(combo, CB_SHOWDROPDOWN, TRUE, 0);
    SendMessageA(payouts_->GetHandle(), WM_VSCROLL, SB_LINEDOWN, 0);
    EXPECT_FALSE(SendMessageA(combo, CB_GETDROPPEDSTATE, 0, 0));
    EXPECT_FALSE(IsWindowVisible(combo));
    EXPECT_NE(combo, GetFocus());
    SendMessageA(GetFocus(), WM_KEYDOWN, VK_DOWN, 1);
    SendMessageA(payouts_->GetHandle(), WM_SETFOCUS, 0, 0);  // the page focused again
    EXPECT_NE(combo, GetFocus());
    EXPECT_EQ("Mushroom", ItemText(payouts_->GetTable().lines[3].items[0]));
    ClickPayout(3, 1);  // a click opens the cell again
    EXPECT_TRUE(IsWindowVisible(combo));
}

// The question comes first: with an edit the pay table cannot take (BothWays on a counted
// line), "Yes" hears the page's refusal and keeps the editor open, and "No" closes it
// without saving anything.
TEST_F(GridPagesTest, NoClosesTheEditorEvenWithAnEditThePayTableRefuses) {
    const std::string before = ReadFileBytes(script_);
    editor_->ShowPage(EditorWindow::PayoutsTab);
    ClickPayout(7, 0);  // BothWays on "any 2 Lantern"
    EXPECT_EQ(1, payouts_->GetTable().lines[7].kind);
    {
        BoxAnswer answer(kSaveQuestion, IDYES);
        BoxAnswer refusal("Error updating script", IDOK);
        EXPECT_EQ(0, editor_->CanClose());
        EXPECT_TRUE(answer.Seen());
        EXPECT_TRUE(refusal.Seen());
    }
    BoxAnswer answer(kSaveQuestion, IDNO);
    EXPECT_EQ(1, editor_->CanClose());
    EXPECT_TRUE(answer.Seen());
    EXPECT_EQ(before, ReadFileBytes(script_));
}

// A machine the wizard built has its award card painted into the backdrop that it names
// after the script; our own machines have theirs painted into STEM_back.bmp, foxfire's and
// a copy of Diamond 7 from the CD alike. A saved payout edit tells the author that the card
// no longer matches the pay table.
TEST_F(GridPagesTest, ASavedPayoutEditOnAMachineWithACardSaysItsAwardCardNoLongerMatches) {
    editor_->ShowPage(EditorWindow::PayoutsTab);
    ClickPayout(2, 4);  // all Owl, one coin
    SetWindowTextA(payouts_->GetPayoutBox(), "11");
    {
        BoxAnswer notice(kStaleAwardCardCaption, IDOK);
        SaveAndRecompile();
        EXPECT_EQ(11, saved_.GetPayouts().lines[2].payouts[0].amount);
        ASSERT_TRUE(notice.Seen()) << "foxfire's backdrop carries its card";
        EXPECT_NE(std::string::npos, notice.Text().find("foxfire_back.bmp")) << notice.Text();
    }
    const std::string original = ReadFileBytes(script_);
    const std::string backdrop = "Backdrop \"foxfire_back.bmp\"";
    ASSERT_NE(std::string::npos, original.find(backdrop));
    for (const char* card : {"GoldRush.bmp", "diamond7_back.bmp"}) {
        std::string text = original;
        text.replace(text.find(backdrop), backdrop.size(), std::string("Backdrop \"") + card + "\"");
        script_ = folder_ + "\\GoldRush.txt";
        WriteFileBytes(script_, text);
        ASSERT_TRUE(CopyFileA((folder_ + "\\foxfire_back.bmp").c_str(), (folder_ + "\\" + card).c_str(), FALSE));
        Open();
        editor_->ShowPage(EditorWindow::PayoutsTab);
        ClickPayout(2, 4);
        SetWindowTextA(payouts_->GetPayoutBox(), "12");
        BoxAnswer notice(kStaleAwardCardCaption, IDOK);
        SaveAndRecompile();
        EXPECT_EQ(12, saved_.GetPayouts().lines[2].payouts[0].amount) << card;
        ASSERT_TRUE(notice.Seen()) << card;
        EXPECT_NE(std::string::npos, notice.Text().find(card)) << notice.Text();
    }
}

TEST_F(GridPagesTest, MultipleAndCountedSymbolsRoundTripThroughTheDialogAndTheControl) {
    editor_->ShowPage(EditorWindow::PayoutsTab);
    ClickPayout(6, 1);  // [Acorn,Mushroom] on the first reel
    {
        std::string start, afterAdd;
        WhenShown dialog("Multiple Symbols", [&](HWND d) {
            start = ListEntries(d, IDC_MULTIPLE_ACTIVE) + (IsDlgButtonChecked(d, IDC_MULTIPLE_ANY_OF) ? " anyof" : "");
            SelectEntry(d, IDC_MULTIPLE_ALL, "Owl");
            SelectEntry(d, IDC_MULTIPLE_ALL, "Acorn");  // already active: not listed twice
            PressButton(d, IDC_MULTIPLE_ADD);
            afterAdd = ListEntries(d, IDC_MULTIPLE_ACTIVE);
            SelectEntry(d, IDC_MULTIPLE_ACTIVE, "Mushroom");
            PressButton(d, IDC_MULTIPLE_REMOVE);
            CheckRadioButton(d, IDC_MULTIPLE_ANY_OF, IDC_MULTIPLE_ANY_SYMBOL, IDC_MULTIPLE_ANY_BUT);
            PressButton(d, IDOK);
        });
        Choose(payouts_->GetSymbolBox(), "Multiple");
        ASSERT_TRUE(dialog.Seen());
        EXPECT_EQ("Acorn Mushroom anyof", start);
        EXPECT_EQ("Acorn Mushroom Owl", afterAdd);
    }
    EXPECT_EQ("Multiple", WindowText(payouts_->GetSymbolBox()));
    {
        // The item comes back into the dialog as it was left; Cancel changes nothing.
        std::string start;
        WhenShown dialog("Multiple Symbols", [&](HWND d) {
            start = ListEntries(d, IDC_MULTIPLE_ACTIVE) + (IsDlgButtonChecked(d, IDC_MULTIPLE_ANY_BUT) ? " anybut" : "");
            CheckRadioButton(d, IDC_MULTIPLE_ANY_OF, IDC_MULTIPLE_ANY_SYMBOL, IDC_MULTIPLE_ANY_SYMBOL);
            PressButton(d, IDCANCEL);
        });
        Choose(payouts_->GetSymbolBox(), "Multiple");
        ASSERT_TRUE(dialog.Seen());
        EXPECT_EQ("Acorn Owl anybut", start);
    }
    {
        // Any symbol will match: mode 2 without symbols, whatever the list holds.
        ClickPayout(6, 3);
        WhenShown dialog("Multiple Symbols", [&](HWND d) {
            CheckRadioButton(d, IDC_MULTIPLE_ANY_OF, IDC_MULTIPLE_ANY_SYMBOL, IDC_MULTIPLE_ANY_SYMBOL);
            PressButton(d, IDOK);
        });
        Choose(payouts_->GetSymbolBox(), "Multiple");
        ASSERT_TRUE(dialog.Seen());
        EXPECT_EQ("Any", WindowText(payouts_->GetSymbolBox()));
    }

    ClickPayout(7, 1);  // any 2 Lantern
    ChoiceField& choice = payouts_->GetChoiceField();
    ASSERT_TRUE(IsWindowVisible(choice.GetHandle()));
    EXPECT_EQ(2, choice.GetCount());
    EXPECT_EQ("Lantern", choice.GetChoice());
    EXPECT_EQ("2", choice.GetText(ChoiceField::kCountBoxId));
    HWND count = GetDlgItem(choice.GetHandle(), ChoiceField::kCountBoxId);
    SetWindowTextA(count, "");  // no count: the line stays as it is
    EXPECT_EQ(0, choice.GetCount());
    EXPECT_EQ("Any 2 Lantern", CountedLineText(payouts_->GetTable().lines[7]));
    SetWindowTextA(count, "9");  // held to the three reels
    Choose(GetDlgItem(choice.GetHandle(), ChoiceField::kSymbolBoxId), "Owl");
    EXPECT_EQ("Any 3 Owl", CountedLineText(payouts_->GetTable().lines[7]));
    Tab(GetDlgItem(choice.GetHandle(), ChoiceField::kSymbolBoxId));  // past the reels to the first coin
    EXPECT_EQ(7, payouts_->GetRow());
    EXPECT_EQ(4, payouts_->GetColumn());

    SaveAndRecompile(true);
    const ScriptPayTable& table = saved_.GetPayouts();
    const PayItem& first = table.lines[6].items[0];
    EXPECT_EQ(2, first.kind);
    EXPECT_EQ((std::vector<std::string>{"Acorn", "Owl"}), first.symbols);
    EXPECT_EQ(2, table.lines[6].items[2].kind);
    EXPECT_TRUE(table.lines[6].items[2].symbols.empty());
    EXPECT_EQ("Any 3 Owl", CountedLineText(table.lines[7]));
    EXPECT_EQ(3, CountedRun(table.lines[7]));
}

}  // namespace
