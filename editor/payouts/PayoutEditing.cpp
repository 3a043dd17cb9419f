// Editing on the Payouts page: moving the cell control over a cell, Tab and clicks, and
// the edits that the four controls make.
#include "CellStep.h"
#include "MachineScript.h"
#include "MultipleSymbolsDialog.h"
#include "PayoutPage.h"

void PayoutPage::MoveTo(int row, int column) {
    if (row < 0 || row >= int(cells_.size()) || column < 0 || column >= GetColumnCount()) return;
    const PayoutCell& cell = cells_[size_t(row)][size_t(column)];
    if (!cell.control) return;
    TakeTypedPayout();
    InvalidateRow(currentRow_);
    HideControls();
    controlsClosed_ = false;
    currentRow_ = row;
    currentColumn_ = column;
    ScrollIntoView(cell.rect);
    Activate(cell);
    InvalidateRow(row);
}

void PayoutPage::HideControls() {
    ::SendMessageA(symbolBox_.GetHandle(), CB_SHOWDROPDOWN, FALSE, 0);
    for (HWND control : {symbolBox_.GetHandle(), payoutBox_.GetHandle(), bothWaysBox_.GetHandle(), choice_.GetHandle()})
        ShowWindow(control, SW_HIDE);
}

void PayoutPage::OnScrollBar() {
    if (controlsClosed_ || cells_.empty()) return;
    TakeTypedPayout();
    HideControls();
    controlsClosed_ = true;
    ::SetFocus(contentPane_.GetHandle());
}

void PayoutPage::Activate(const PayoutCell& cell) {
    const RECT rect = CellOnScreen(cell.rect);
    const PayLine& line = CurrentLine();
    HWND control = cell.control;
    switch (cell.activation) {
    case PayoutCell::kBothWays: {
        const int side = rowHeight_ - 5;
        MoveWindow(control, (rect.left + rect.right - side) / 2, (rect.top + rect.bottom - side) / 2, side, side, TRUE);
        ::SendMessageA(control, BM_SETCHECK, line.kind == 1 ? BST_CHECKED : BST_UNCHECKED, 0);
        break;
    }
    case PayoutCell::kReel:
        MoveWindow(control, rect.left, rect.top, reelWidth_, rowHeight_ * (symbolCount_ + 2), TRUE);
        if (size_t(cell.column - 1) < line.items.size()) ShowItem(line.items[size_t(cell.column - 1)]);
        else ::SendMessageA(control, CB_SETCURSEL, WPARAM(-1), 0);
        break;
    case PayoutCell::kCounted:
        MoveWindow(control, rect.left, rect.top, rect.right - rect.left, rect.bottom - rect.top, TRUE);
        choice_.SetLine(line);
        return;  // the control shows itself and takes the focus
    case PayoutCell::kCoin:
        MoveWindow(control, rect.left, rect.top, coinWidth_, rowHeight_, TRUE);
        settingText_ = true;
        SetWindowTextA(control, PayoutText(line.payouts[size_t(cell.column - 1 - reelCount_)]).c_str());
        settingText_ = false;
        break;
    case PayoutCell::kNone:
        return;
    }
    ShowWindow(control, SW_SHOW);
    ::SetFocus(control);
}

void PayoutPage::ShowItem(const PayItem& item) {
    const std::string text = ItemText(item);
    HWND combo = symbolBox_.GetHandle();
    const LRESULT index = text.empty() ? CB_ERR : ::SendMessageA(combo, CB_FINDSTRINGEXACT, WPARAM(-1), LPARAM(text.c_str()));
    ::SendMessageA(combo, CB_SETCURSEL, WPARAM(index), 0);
}

LRESULT PayoutPage::OnGridClick(WPARAM, LPARAM point) {
    const POINT at = {short(LOWORD(point)) + scrollX_, short(HIWORD(point)) + scrollY_};
    for (const std::vector<PayoutCell>& row : cells_) {
        for (const PayoutCell& cell : row) {
            if (!cell.control || !PtInRect(&cell.rect, at)) continue;
            MoveTo(cell.row, cell.column);
            if (cell.activation == PayoutCell::kBothWays) {
                const bool checked = ::SendMessageA(cell.control, BM_GETCHECK, 0, 0) != BST_CHECKED;
                ::SendMessageA(cell.control, BM_SETCHECK, checked ? BST_CHECKED : BST_UNCHECKED, 0);
                OnBothWaysBox(kBothWaysBoxId, BN_CLICKED);
            }
            return 0;
        }
    }
    // A click beside every cell leaves the cell as a click on another does.
    TakeTypedPayout();
    return 0;
}

// The page's labels, and the page going out of sight (another page chosen), leave the
// cell too.
LRESULT PayoutPage::OnPageClick(WPARAM, LPARAM) {
    TakeTypedPayout();
    return 0;
}

LRESULT PayoutPage::OnPageShow(WPARAM shown, LPARAM) {
    if (!shown) TakeTypedPayout();
    return 0;
}

LRESULT PayoutPage::OnMove(WPARAM key, LPARAM) {
    // Enter takes the payout typed in the cell, which stays.
    if (key == VK_RETURN) {
        if (TakeTypedPayout()) ::SendMessageA(payoutBox_.GetHandle(), EM_SETSEL, 0, -1);
        return 0;
    }
    const bool backwards = GetKeyState(VK_SHIFT) < 0;
    const int rows = int(cells_.size()), columns = GetColumnCount();
    GridCell at{currentRow_, currentColumn_};
    for (int tries = 0; tries < rows * columns; ++tries) {
        at = StepCell(at, backwards, rows, columns);
        if (cells_[size_t(at.row)][size_t(at.column)].control) {
            MoveTo(at.row, at.column);
            return 0;
        }
    }
    return 0;
}

void PayoutPage::OnBothWaysBox(int, int code) {
    if (code != BN_CLICKED || cells_.empty()) return;
    CurrentLine().kind = ::SendMessageA(bothWaysBox_.GetHandle(), BM_GETCHECK, 0, 0) == BST_CHECKED ? 1 : 0;
    modified_ = true;
    InvalidateRow(currentRow_);
}

void PayoutPage::OnSymbolBox(int, int code) {
    if (code != CBN_SELCHANGE || cells_.empty()) return;
    PayLine& line = CurrentLine();
    const size_t reel = size_t(currentColumn_ - 1);
    if (reel >= line.items.size()) return;
    PayItem& item = line.items[reel];
    // The list holds the symbols in their order, then "Multiple" and "Any".
    const LRESULT index = ::SendMessageA(symbolBox_.GetHandle(), CB_GETCURSEL, 0, 0);
    if (index < 0 || index > LRESULT(symbols_.size()) + 1) return;
    const std::string choice = index < LRESULT(symbols_.size()) ? symbols_[size_t(index)]
                               : index == LRESULT(symbols_.size()) ? payout_text::kMultiple
                                                                    : payout_text::kAny;
    if (choice == payout_text::kMultiple)
        EditMultiple(item);
    else
        ChooseItem(item, choice);
    if (choice != payout_text::kMultiple) modified_ = true;
    InvalidateRow(currentRow_);
}

void PayoutPage::EditMultiple(PayItem& item) {
    MultipleSymbolsDialog dialog(symbols_);
    dialog.SetSymbols(item.kind, item.symbols);
    if (dialog.DoModal(this) == 1) {
        dialog.GetSymbols(item.kind, item.symbols);
        modified_ = true;
    }
    ShowItem(item);
    ::SetFocus(symbolBox_.GetHandle());
}

void PayoutPage::OnPayoutBox(int, int code) {
    // What is typed is taken whole when the cell is left, never a keystroke at a time.
    if (code == EN_CHANGE && !settingText_ && !cells_.empty()) payoutTyped_ = true;
}

bool PayoutPage::TakeTypedPayout() {
    if (!payoutTyped_) return true;
    payoutTyped_ = false;
    PayLine& line = CurrentLine();
    const size_t coin = size_t(currentColumn_ - 1 - reelCount_);
    if (currentColumn_ <= reelCount_ || coin >= line.payouts.size()) return true;
    const std::string text = WindowText(payoutBox_.GetHandle());
    const std::string kept = "The cell keeps " + PayoutText(line.payouts[coin]) + ".";
    const std::string refusal = PayoutRefusal(text, &payoutChecker_);
    if (!refusal.empty()) {
        RestorePayoutText(line.payouts[coin]);
        const std::string said = refusal + "\n\n" + kept;
        MessageBoxA(GetHandle(), said.c_str(), kInvalidPayoutCaption, MB_OK | MB_ICONEXCLAMATION);
        return false;
    }
    const std::string question =
        UnknownNameQuestion(text, [this](const std::string& name) { return script_->DefinesScriptName(name); });
    if (!question.empty()) {
        const std::string asked = question + " (No: " + kept + ")";
        if (MessageBoxA(GetHandle(), asked.c_str(), kUnknownNameCaption, MB_YESNO | MB_ICONQUESTION) != IDYES) {
            RestorePayoutText(line.payouts[coin]);
            return false;
        }
    }
    if (!SetPayoutText(line.payouts[coin], text)) return true;
    modified_ = true;
    FitCoinColumns();
    InvalidateRow(currentRow_);
    return true;
}

void PayoutPage::RestorePayoutText(const PayAmount& payout) {
    settingText_ = true;
    SetWindowTextA(payoutBox_.GetHandle(), PayoutText(payout).c_str());
    settingText_ = false;
}

void PayoutPage::OnChoice(int, int code) {
    if (code != EN_CHANGE || cells_.empty()) return;
    if (!SetCountedChoice(CurrentLine(), choice_.GetCount(), choice_.GetChoice(), reelCount_)) return;
    modified_ = true;
    InvalidateRow(currentRow_);
}
