#include "ReelStripGrid.h"

#include <algorithm>
#include <stdexcept>

#include "MachineScript.h"

namespace {
const DWORD kGridStyle = 0x50000000;       // child, visible
const DWORD kSymbolBoxStyle = 0x50200003;  // child, visible, vertical scroll bar, drop-down list
const DWORD kNumberBoxStyle = 0x40802000;  // child, border, digits only
const char kNumberSample[] = "99999W";
const int kMostListedSymbols = 16;  // a longer list scrolls
const int kListMargins = 8;         // the frame and the items' margins of the list and the closed box

std::vector<ReelStrip> ReadStrips(const MachineScript& script) {
    std::vector<ReelStrip> strips;
    for (int32_t reel = 0; reel < script.GetReelCount(); ++reel) strips.push_back(script.GetReelStrip(reel));
    return strips;
}
}  // namespace

ReelStripGrid::ReelStripGrid(Window* editor, const RECT& area, HWND statusBar, MachineScript* script)
    : GridPage(area), editor_(editor), statusBar_(statusBar), script_(script), model_(ReadStrips(*script)) {
    for (int32_t i = 0; i < script->GetSymbolCount(); ++i) symbols_.push_back(script->GetSymbol(i));
    BindMessage(WM_PAINT, this, &ReelStripGrid::OnPagePaint);
    BindMessage(WM_SETFOCUS, this, &ReelStripGrid::OnPageFocus);
    contentPane_.BindMessage(WM_PAINT, this, &ReelStripGrid::OnGridPaint);
    contentPane_.BindMessage(WM_LBUTTONUP, this, &ReelStripGrid::OnGridClick);
    contentPane_.BindMessage(WM_SETCURSOR, this, &ReelStripGrid::OnGridCursor);
    contentPane_.BindMessage(kTabMessage, this, &ReelStripGrid::OnTab);
    contentPane_.BindCommand(kSymbolBoxId, this, &ReelStripGrid::OnSymbolBox);
    contentPane_.BindCommand(kNumberBoxId, this, &ReelStripGrid::OnNumberBox);
}

ReelStripGrid::~ReelStripGrid() {
    // The controls go with the page's window; the font after them.
    symbolBox_.Unsubclass();
    numberBox_.Unsubclass();
    contentPane_.Destroy();
}

int ReelStripGrid::Create() {
    if (!Window::Create(editor_)) return 0;
    font_ = CreateGridFont();
    Measure();
    RECT client = {};
    GetClientRect(GetHandle(), &client);
    contentPane_.SetStyle(kGridStyle);
    contentPane_.SetMenuOrId(kGridId);
    contentPane_.SetRect(RECT{kLabelWidth, kHeaderHeight, std::max<LONG>(client.right, kLabelWidth),
                              std::max<LONG>(client.bottom, kHeaderHeight)});
    if (!contentPane_.Create(this)) return 0;
    CreateControls();
    FitSymbolBox();
    SendMessage(WM_SIZE, 0, 0);
    // The status bar belongs to the page shown first: the first cell is not reported.
    if (model_.GetReelCount() > 0 && model_.GetStopCount() > 0) ShowSymbolEditor(GridCell{}, false);
    return 1;
}

void ReelStripGrid::Measure() {
    rowHeight_ = std::max(1, GridFontHeight(GetHandle(), font_));
    widestName_ = 0;
    for (const std::string& name : symbols_) widestName_ = std::max(widestName_, GridTextWidth(GetHandle(), font_, name));
    // The closed symbol box shows the widest name whole beside its drop-down button.
    nameWidth_ = widestName_ + kListMargins + GetSystemMetrics(SM_CXVSCROLL);
    numberWidth_ = GridTextWidth(GetHandle(), font_, kNumberSample);
    columnWidth_ = nameWidth_ + numberWidth_;
}

void ReelStripGrid::CreateControls() {
    HWND grid = contentPane_.GetHandle();
    HWND combo = CreateWindowExA(0, "COMBOBOX", "", kSymbolBoxStyle, 0, 0, nameWidth_, rowHeight_ * 6, grid,
                                 HMENU(kSymbolBoxId), nullptr, nullptr);
    HWND edit = CreateWindowExA(0, "EDIT", "", kNumberBoxStyle, nameWidth_, 0, numberWidth_, rowHeight_, grid,
                                HMENU(kNumberBoxId), nullptr, nullptr);
    if (!combo || !edit) throw std::runtime_error("The Reels page could not make its cell controls");
    for (HWND control : {combo, edit}) ::SendMessageA(control, WM_SETFONT, WPARAM(font_), 0);
    for (const std::string& name : symbols_) ::SendMessageA(combo, CB_ADDSTRING, 0, LPARAM(name.c_str()));
    symbolBox_.Adopt(combo, grid, kTabMessage, 0);
    numberBox_.Adopt(edit, grid, kTabMessage, 0);
}

void ReelStripGrid::FitSymbolBox() {
    HWND combo = symbolBox_.GetHandle();
    closedBoxHeight_ = ClosedComboHeight(combo);
    listItemHeight_ = std::max(1, int(::SendMessageA(combo, CB_GETITEMHEIGHT, 0, 0)));
    rowHeight_ = std::max(rowHeight_, closedBoxHeight_);
    const bool scrolls = int(symbols_.size()) > kMostListedSymbols;
    const int listWidth = widestName_ + kListMargins + (scrolls ? GetSystemMetrics(SM_CXVSCROLL) : 0);
    ::SendMessageA(combo, CB_SETDROPPEDWIDTH, WPARAM(std::max(nameWidth_, listWidth)), 0);
    MoveWindow(combo, 0, 0, nameWidth_, OpenSymbolBoxHeight(), FALSE);
    MoveWindow(numberBox_.GetHandle(), nameWidth_, 0, numberWidth_, rowHeight_, FALSE);
}

int ReelStripGrid::OpenSymbolBoxHeight() const {
    const int listed = std::max(1, std::min(int(symbols_.size()), kMostListedSymbols));
    return closedBoxHeight_ + listed * listItemHeight_ + 2;
}

void ReelStripGrid::OnScrollBar() {
    HWND combo = symbolBox_.GetHandle();
    ::SendMessageA(combo, CB_SHOWDROPDOWN, FALSE, 0);
    ShowWindow(combo, SW_HIDE);
    ShowWindow(numberBox_.GetHandle(), SW_HIDE);
    ::SetFocus(contentPane_.GetHandle());
}

void ReelStripGrid::GetItemRect(int row, int column, RECT* rect) {
    *rect = RECT{column * columnWidth_, row * rowHeight_, (column + 1) * columnWidth_, (row + 1) * rowHeight_};
}

void ReelStripGrid::GetContentSize(SIZE* size) {
    *size = SIZE{columnWidth_ * model_.GetReelCount() + 32, rowHeight_ * model_.GetStopCount()};
}

void ReelStripGrid::GetLineSize(SIZE* size) { *size = SIZE{10, rowHeight_}; }

bool ReelStripGrid::IsModified() const {
    if (!script_) return false;
    for (int reel = 0; reel < model_.GetReelCount(); ++reel)
        if (!(model_.GetStrips()[size_t(reel)] == script_->GetReelStrip(reel))) return true;
    return false;
}

int ReelStripGrid::CanClose() {
    try {
        for (int reel = 0; reel < model_.GetReelCount(); ++reel)
            script_->SetReelStrip(reel, model_.GetStrips()[size_t(reel)]);
    } catch (const std::exception& error) {
        MessageBoxA(GetHandle(), error.what(), "Error updating script", MB_OK | MB_ICONSTOP);
        return 0;
    }
    return 1;
}

RECT ReelStripGrid::CellOnScreen(GridCell cell) {
    RECT rect;
    GetItemRect(cell.row, cell.column, &rect);
    OffsetRect(&rect, -scrollX_, -scrollY_);
    return rect;
}

void ReelStripGrid::InvalidateCell(GridCell cell) {
    const RECT rect = CellOnScreen(cell);
    InvalidateRect(contentPane_.GetHandle(), &rect, FALSE);
}

void ReelStripGrid::ShowSymbolEditor(GridCell cell, bool report) {
    suppressEdits_ = true;
    const RECT rect = CellOnScreen(cell);
    HWND combo = symbolBox_.GetHandle();
    MoveWindow(combo, rect.left, rect.top, nameWidth_, OpenSymbolBoxHeight(), TRUE);
    // An exact match: a name that begins another must not pick the longer one.
    const LRESULT index = ::SendMessageA(combo, CB_FINDSTRINGEXACT, WPARAM(-1), LPARAM(model_.At(cell).symbol.c_str()));
    ::SendMessageA(combo, CB_SETCURSEL, WPARAM(index), 0);
    ShowWindow(numberBox_.GetHandle(), SW_HIDE);
    ShowWindow(combo, SW_SHOW);
    ::SetFocus(combo);
    suppressEdits_ = false;
    current_ = cell;
    if (report) ShowStatus();
}

void ReelStripGrid::ShowNumberEditor(GridCell cell) {
    suppressEdits_ = true;
    const RECT rect = CellOnScreen(cell);
    HWND edit = numberBox_.GetHandle();
    MoveWindow(edit, rect.left + nameWidth_, rect.top, numberWidth_, rowHeight_, TRUE);
    SetWindowTextA(edit, std::to_string(model_.At(cell).weight).c_str());
    ShowWindow(symbolBox_.GetHandle(), SW_HIDE);
    ShowWindow(edit, SW_SHOW);
    ::SetFocus(edit);
    suppressEdits_ = false;
    current_ = cell;
    ShowStatus();
}

void ReelStripGrid::ShowStatus() { SetStatusText(statusBar_, model_.StatusText(current_)); }

// Focus given to the page goes to the control shown; with none (the grid scrolled) to the
// grid, where no key changes a cell.
LRESULT ReelStripGrid::OnPageFocus(WPARAM, LPARAM) {
    HWND shown = contentPane_.GetHandle();
    for (HWND control : {symbolBox_.GetHandle(), numberBox_.GetHandle()})
        if (control && IsWindowVisible(control)) shown = control;
    if (shown) ::SetFocus(shown);
    return 0;
}

LRESULT ReelStripGrid::OnGridCursor(WPARAM, LPARAM) {
    SetCursor(LoadCursorA(nullptr, IDC_ARROW));
    return TRUE;
}

LRESULT ReelStripGrid::OnGridClick(WPARAM, LPARAM point) {
    const int x = short(LOWORD(point)) + scrollX_, y = short(HIWORD(point)) + scrollY_;
    if (x < 0 || y < 0) return 0;
    const GridCell cell{y / rowHeight_, x / columnWidth_};
    if (!model_.Contains(cell)) return 0;
    if (x - cell.column * columnWidth_ <= widestName_)
        ShowSymbolEditor(cell);
    else
        ShowNumberEditor(cell);
    return 0;
}

LRESULT ReelStripGrid::OnTab(WPARAM control, LPARAM) {
    const bool backwards = GetKeyState(VK_SHIFT) < 0;
    const StripFocus from{current_, HWND(control) == numberBox_.GetHandle()};
    const StripFocus to = model_.Tab(from, backwards);
    ScrollTo(to.cell.row, to.cell.column);
    if (to.onWeight)
        ShowNumberEditor(to.cell);
    else
        ShowSymbolEditor(to.cell);
    return 0;
}

void ReelStripGrid::OnSymbolBox(int, int code) {
    if (code != CBN_SELCHANGE) return;
    HWND combo = symbolBox_.GetHandle();
    const LRESULT index = ::SendMessageA(combo, CB_GETCURSEL, 0, 0);
    if (index < 0 || size_t(index) >= symbols_.size()) return;
    // The list holds the symbols in their order.
    const std::string refusal = model_.SymbolChangeRefusal(current_, symbols_[size_t(index)]);
    if (!refusal.empty()) {
        ShowSymbolEditor(current_, false);  // back to the symbol the stop keeps
        MessageBoxA(GetHandle(), refusal.c_str(), "Invalid Symbol", MB_OK | MB_ICONEXCLAMATION);
        return;
    }
    model_.SetSymbol(current_, symbols_[size_t(index)]);
    InvalidateCell(current_);
    ShowStatus();
}

void ReelStripGrid::OnNumberBox(int, int code) {
    if (code != EN_CHANGE || suppressEdits_) return;
    // Text that is no weight (an emptied box, or 0) is not stored: the cell keeps its weight.
    if (!model_.SetWeightText(current_, WindowText(numberBox_.GetHandle()))) return;
    InvalidateCell(current_);
    ShowStatus();
}
