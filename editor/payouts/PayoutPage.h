// The editor's Payouts page: the pay table as a grid, one row per pay line, with a
// "BothWays" check box column, one column per reel holding that reel's symbol pattern and
// one column per coin count holding the payout for that many coins. One cell is edited at
// a time through a control laid over it: the check box, a list of the symbols (with
// "Multiple" and "Any"), a payout box, or the counted-choice control for lines that pay a
// count of one symbol anywhere. The page edits its own copy of the table and hands it to
// the script when the editor saves.
#pragma once
#include <windows.h>

#include <string>
#include <vector>

#include "ChoiceField.h"
#include "EnginePayoutChecker.h"
#include "GridPage.h"
#include "PayoutLineEdits.h"

class MachineScript;

struct PayoutCell {
    enum Activation { kNone, kBothWays, kReel, kCounted, kCoin };
    RECT rect = {0, 0, 0, 0};  // grid coordinates; empty for a cell without a control
    int row = 0;
    int column = 0;
    Activation activation = kNone;
    HWND control = nullptr;
};

class PayoutPage : public GridPage {
public:
    static const int kSymbolBoxId = 2000, kPayoutBoxId = 2001, kBothWaysBoxId = 2002, kChoiceId = 2004;
    // Sent to the grid pane to move to the next cell (argument 9; backwards with Shift), or,
    // with the argument 13 (Enter in the payout box), to take what was typed there.
    static const UINT kMoveMessage = 1025;
    static const int kBothWaysWidth = 60;

    PayoutPage(Window* editor, const RECT& area, MachineScript* script);
    ~PayoutPage() override;

    int Create() override;
    // Commits the edits; a table that the script refuses keeps the editor open.
    int CanClose() override;
    // Takes what was typed in the payout cell, then hands a changed table to the script;
    // false when the typed payout was refused (the table goes to the script all the same).
    bool Commit();

    void GetItemRect(int row, int column, RECT* rect) override;
    void GetContentSize(SIZE* size) override;
    void GetLineSize(SIZE* size) override;

    // Moves the editing to the cell (as a click or Tab does).
    void MoveTo(int row, int column);

    const ScriptPayTable& GetTable() const { return table_; }
    // Also true while a payout typed into its cell waits to be taken.
    bool IsModified() const { return modified_ || payoutTyped_; }
    int GetRow() const { return currentRow_; }
    int GetColumn() const { return currentColumn_; }
    const PayoutCell& GetCell(int row, int column) const { return cells_.at(size_t(row)).at(size_t(column)); }
    int GetColumnCount() const { return 1 + reelCount_ + maxBet_; }
    HWND GetGrid() { return contentPane_.GetHandle(); }
    HWND GetSymbolBox() const { return symbolBox_.GetHandle(); }
    HWND GetPayoutBox() const { return payoutBox_.GetHandle(); }
    HWND GetBothWaysBox() const { return bothWaysBox_.GetHandle(); }
    ChoiceField& GetChoiceField() { return choice_; }

protected:
    SIZE GetBands() const override { return SIZE{numberWidth_ / 2, rowHeight_}; }
    // The grid scrolls under the cell: the cell's control closes (and a typed payout is
    // taken), so that no key reaches a cell out of sight.
    void OnScrollBar() override;

private:
    void Measure();
    // The coin columns' width: the widest payout text the table shows, a blank and the
    // cell's margins, and at least the width of "1000000" and of the column's header.
    int CoinColumnWidth() const;
    // Widens the coin columns when an edit made a payout text wider than they are.
    void FitCoinColumns();
    void CreateControls();
    void BuildCells();
    PayoutCell MakeCell(int row, int column) const;
    void Activate(const PayoutCell& cell);
    void ShowItem(const PayItem& item);
    RECT CellOnScreen(const RECT& rect) const;
    void InvalidateRow(int row);
    PayLine& CurrentLine() { return table_.lines.at(size_t(currentRow_)); }
    void EditMultiple(PayItem& item);
    // Takes the text typed into the payout cell when the cell is left or at Enter: a payout
    // that PayoutRefusal refuses (an expression through the machine's JScript engine) is
    // refused with a box naming it whole, and the cell keeps
    // what it held (false); one that uses a name nothing defines is kept only when the
    // author says Yes to UnknownNameQuestion (false on No).
    bool TakeTypedPayout();
    void RestorePayoutText(const PayAmount& payout);
    void HideControls();

    LRESULT OnPagePaint(WPARAM, LPARAM);
    LRESULT OnPageFocus(WPARAM, LPARAM);
    LRESULT OnGridPaint(WPARAM, LPARAM);
    LRESULT OnGridClick(WPARAM, LPARAM);
    LRESULT OnMove(WPARAM key, LPARAM);
    LRESULT OnPageClick(WPARAM, LPARAM);
    LRESULT OnPageShow(WPARAM shown, LPARAM);
    void OnBothWaysBox(int id, int code);
    void OnSymbolBox(int id, int code);
    void OnPayoutBox(int id, int code);
    void OnChoice(int id, int code);
    void PaintHeaders(HDC dc);
    void PaintRow(HDC dc, int row);

    Window* editor_;
    MachineScript* script_;
    EnginePayoutChecker payoutChecker_;
    ScriptPayTable table_;
    int reelCount_ = 0, symbolCount_ = 0, maxBet_ = 0;
    std::vector<std::string> symbols_;
    bool modified_ = false;
    int rowHeight_ = 18, reelWidth_ = 60, coinWidth_ = 50, numberWidth_ = 50;
    TabReporter symbolBox_, payoutBox_, bothWaysBox_;
    ChoiceField choice_;
    std::vector<std::vector<PayoutCell>> cells_;
    int currentRow_ = 0, currentColumn_ = 0;
    bool settingText_ = false;
    bool payoutTyped_ = false;     // the payout box holds text not yet taken
    bool controlsClosed_ = false;  // the grid scrolled: no cell control is shown
};
