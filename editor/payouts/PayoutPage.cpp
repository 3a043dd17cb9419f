#include "PayoutPage.h"

#include <algorithm>
#include <stdexcept>

#include "MachineScript.h"
#include "MultipleSymbolsDialog.h"

namespace {
const DWORD kSymbolBoxStyle = WS_CHILD | WS_VSCROLL | CBS_DROPDOWNLIST;
const DWORD kPayoutBoxStyle = WS_CHILD | WS_BORDER | ES_AUTOHSCROLL;
const DWORD kBothWaysBoxStyle = WS_CHILD | BS_AUTOCHECKBOX;
const int kPayoutTextLimit = 50;
const WPARAM kTabKey = 9;
const WPARAM kEnterKey = 13;
}  // namespace

PayoutPage::PayoutPage(Window* editor, const RECT& area, MachineScript* script)
    : GridPage(area), editor_(editor), script_(script), table_(script->GetPayouts()) {
    reelCount_ = script->GetReelCount();
    symbolCount_ = script->GetSymbolCount();
    maxBet_ = script->GetMaxBet();
    for (int32_t i = 0; i < symbolCount_; ++i) symbols_.push_back(script->GetSymbol(i));
    BindMessage(WM_PAINT, this, &PayoutPage::OnPagePaint);
    BindMessage(WM_SETFOCUS, this, &PayoutPage::OnPageFocus);
    BindMessage(WM_LBUTTONUP, this, &PayoutPage::OnPageClick);
    BindMessage(WM_SHOWWINDOW, this, &PayoutPage::OnPageShow);
    contentPane_.BindMessage(WM_PAINT, this, &PayoutPage::OnGridPaint);
    contentPane_.BindMessage(WM_LBUTTONUP, this, &PayoutPage::OnGridClick);
    contentPane_.BindMessage(kMoveMessage, this, &PayoutPage::OnMove);
    contentPane_.BindCommand(kBothWaysBoxId, this, &PayoutPage::OnBothWaysBox);
    contentPane_.BindCommand(kSymbolBoxId, this, &PayoutPage::OnSymbolBox);
    contentPane_.BindCommand(kPayoutBoxId, this, &PayoutPage::OnPayoutBox);
    contentPane_.BindCommand(kChoiceId, this, &PayoutPage::OnChoice);
}

PayoutPage::~PayoutPage() {
    symbolBox_.Unsubclass();
    payoutBox_.Unsubclass();
    bothWaysBox_.Unsubclass();
    choice_.Unsubclass();
    contentPane_.Destroy();
}

int PayoutPage::Create() {
    if (!Window::Create(editor_)) return 0;
    font_ = CreateGridFont();
    Measure();
    contentPane_.SetStyle(WS_CHILD | WS_VISIBLE | WS_CLIPCHILDREN);
    if (!contentPane_.Create(this)) return 0;
    CreateControls();
    // A row holds its cell's control: the closed symbol list is the tallest.
    rowHeight_ = std::max(rowHeight_, ClosedComboHeight(symbolBox_.GetHandle()));
    BuildCells();
    SendMessage(WM_SIZE, 0, 0);
    if (!cells_.empty()) MoveTo(0, 0);
    return 1;
}

void PayoutPage::Measure() {
    rowHeight_ = GridFontHeight(GetHandle(), font_) + 4;
    int widest = GridTextWidth(GetHandle(), font_, payout_text::kMultiple);
    for (const std::string& name : symbols_) widest = std::max(widest, GridTextWidth(GetHandle(), font_, name));
    reelWidth_ = widest + 30;
    numberWidth_ = GridTextWidth(GetHandle(), font_, "1000000");
    coinWidth_ = CoinColumnWidth();
}

int PayoutPage::CoinColumnWidth() const {
    const int kMargins = 6;  // the text starts 2 pixels in; the edit box has its border
    int widest = std::max(numberWidth_, GridTextWidth(GetHandle(), font_, "Coin " + std::to_string(maxBet_)));
    for (const PayLine& line : table_.lines)
        for (const PayAmount& payout : line.payouts)
            widest = std::max(widest, GridTextWidth(GetHandle(), font_, PayoutText(payout) + " ") + kMargins);
    return widest;
}

void PayoutPage::FitCoinColumns() {
    const int width = CoinColumnWidth();
    if (width <= coinWidth_) return;
    coinWidth_ = width;
    BuildCells();
    UpdateScrollRanges();
    InvalidateRect(GetHandle(), nullptr, TRUE);
    InvalidateRect(contentPane_.GetHandle(), nullptr, TRUE);
}

void PayoutPage::CreateControls() {
    HWND pane = contentPane_.GetHandle();
    HWND combo = CreateWindowExA(0, "COMBOBOX", "", kSymbolBoxStyle, 0, 0, reelWidth_, rowHeight_ * (symbolCount_ + 2),
                                 pane, HMENU(kSymbolBoxId), nullptr, nullptr);
    HWND edit = CreateWindowExA(0, "EDIT", "", kPayoutBoxStyle, 0, 0, coinWidth_, rowHeight_, pane,
                                HMENU(kPayoutBoxId), nullptr, nullptr);
    HWND check = CreateWindowExA(0, "BUTTON", "", kBothWaysBoxStyle, 0, 0, rowHeight_ - 5, rowHeight_ - 5, pane,
                                 HMENU(kBothWaysBoxId), nullptr, nullptr);
    if (!combo || !edit || !check) throw std::runtime_error("The Payouts page could not make its cell controls");
    for (HWND control : {combo, edit}) ::SendMessageA(control, WM_SETFONT, WPARAM(font_), 0);
    ::SendMessageA(edit, EM_LIMITTEXT, kPayoutTextLimit, 0);
    for (const std::string& name : symbols_) ::SendMessageA(combo, CB_ADDSTRING, 0, LPARAM(name.c_str()));
    ::SendMessageA(combo, CB_ADDSTRING, 0, LPARAM(payout_text::kMultiple));
    ::SendMessageA(combo, CB_ADDSTRING, 0, LPARAM(payout_text::kAny));
    symbolBox_.Adopt(combo, pane, kMoveMessage, kTabKey);
    payoutBox_.Adopt(edit, pane, kMoveMessage, kTabKey);
    payoutBox_.ReportEnter(kEnterKey);
    bothWaysBox_.Adopt(check, pane, kMoveMessage, kTabKey);
    choice_.SetSymbols(symbols_);
    if (!choice_.Build(&contentPane_, kChoiceId)) throw std::runtime_error("The Payouts page could not make its count control");
}

PayoutCell PayoutPage::MakeCell(int row, int column) const {
    const PayLine& line = table_.lines[size_t(row)];
    PayoutCell cell;
    cell.row = row;
    cell.column = column;
    const int top = row * rowHeight_, bottom = top + rowHeight_;
    const int firstCoin = 1 + reelCount_;
    if (column == 0) {
        cell.rect = RECT{0, top, kBothWaysWidth, bottom};
        cell.activation = PayoutCell::kBothWays;
        cell.control = bothWaysBox_.GetHandle();
    } else if (column < firstCoin && IsCountedLine(line)) {
        if (column != 1) return cell;
        cell.rect = RECT{kBothWaysWidth, top, kBothWaysWidth + 2 * reelWidth_, bottom};
        cell.activation = PayoutCell::kCounted;
        cell.control = choice_.GetHandle();
    } else if (column < firstCoin) {
        const int left = kBothWaysWidth + (column - 1) * reelWidth_;
        cell.rect = RECT{left, top, left + reelWidth_, bottom};
        cell.activation = PayoutCell::kReel;
        cell.control = symbolBox_.GetHandle();
    } else if (column - firstCoin < int(line.payouts.size())) {
        const int left = kBothWaysWidth + reelCount_ * reelWidth_ + (column - firstCoin) * coinWidth_;
        cell.rect = RECT{left, top, left + coinWidth_, bottom};
        cell.activation = PayoutCell::kCoin;
        cell.control = payoutBox_.GetHandle();
    }
    return cell;
}

void PayoutPage::BuildCells() {
    cells_.clear();
    for (int row = 0; row < int(table_.lines.size()); ++row) {
        std::vector<PayoutCell> cells;
        for (int column = 0; column < GetColumnCount(); ++column) cells.push_back(MakeCell(row, column));
        cells_.push_back(cells);
    }
}

void PayoutPage::GetItemRect(int row, int column, RECT* rect) {
    if (row < 0 || row >= int(cells_.size()) || column < 0 || column >= GetColumnCount())
        SetRectEmpty(rect);
    else
        *rect = cells_[size_t(row)][size_t(column)].rect;
}

void PayoutPage::GetContentSize(SIZE* size) {
    *size = SIZE{kBothWaysWidth + reelCount_ * reelWidth_ + maxBet_ * coinWidth_, int(cells_.size()) * rowHeight_};
}

void PayoutPage::GetLineSize(SIZE* size) { *size = SIZE{10, rowHeight_}; }

bool PayoutPage::Commit() {
    const bool taken = TakeTypedPayout();
    if (modified_) script_->SetPayouts(table_);
    return taken;
}

int PayoutPage::CanClose() {
    try {
        return Commit() ? 1 : 0;
    } catch (const std::exception& error) {
        MessageBoxA(GetHandle(), error.what(), "Error updating script", MB_OK | MB_ICONSTOP);
        return 0;
    }
}

RECT PayoutPage::CellOnScreen(const RECT& rect) const {
    RECT moved = rect;
    OffsetRect(&moved, -scrollX_, -scrollY_);
    return moved;
}

void PayoutPage::InvalidateRow(int row) {
    RECT rect = {0, row * rowHeight_ - scrollY_, 0x7FFF, (row + 1) * rowHeight_ - scrollY_};
    InvalidateRect(contentPane_.GetHandle(), &rect, FALSE);
}
