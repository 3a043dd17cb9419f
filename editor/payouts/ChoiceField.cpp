#include "ChoiceField.h"

#include "GridControls.h"

ChoiceField::ChoiceField() {
    BindMessage(WM_SIZE, this, &ChoiceField::OnSize);
    BindMessage(WM_PAINT, this, &ChoiceField::OnPaint);
    BindMessage(WM_SETFOCUS, this, &ChoiceField::OnFocus);
    for (UINT message : {UINT(WM_KEYDOWN), UINT(WM_KEYUP), UINT(WM_CHAR), UINT(WM_LBUTTONDOWN)})
        BindMessage(message, this, &ChoiceField::Consume);
    BindCommand(kSymbolBoxId, this, &ChoiceField::OnSymbolBox);
    BindCommand(kCountBoxId, this, &ChoiceField::OnCountBox);
    symbolBox_.BindDecidingMessage(WM_KEYDOWN, this, &ChoiceField::OnSymbolKey);
    countBox_.BindDecidingMessage(WM_KEYDOWN, this, &ChoiceField::OnCountKey);
    countBox_.BindDecidingMessage(WM_CHAR, this, &ChoiceField::OnCountChar);
}

ChoiceField::~ChoiceField() {
    symbolBox_.Unsubclass();
    countBox_.Unsubclass();
    if (GetHandle()) {
        HWND window = GetHandle();
        Unsubclass();
        DestroyWindow(window);
    }
    if (font_) DeleteObject(font_);
}

bool ChoiceField::Build(Window* parent, int id) {
    id_ = id;
    font_ = CreateGridFont();
    HWND parentWindow = parent->GetHandle();
    anyWidth_ = GridTextWidth(parentWindow, font_, "Any ");
    countWidth_ = GridTextWidth(parentWindow, font_, "9WW");
    SetStyle(WS_CHILD | WS_CLIPCHILDREN);
    SetMenuOrId(UINT_PTR(id));
    if (!Create(parent)) return false;
    HWND combo = CreateWindowExA(0, "COMBOBOX", "", WS_CHILD | WS_VISIBLE | WS_VSCROLL | CBS_DROPDOWNLIST, 0, 0, 10,
                                 100, GetHandle(), HMENU(kSymbolBoxId), nullptr, nullptr);
    HWND edit = CreateWindowExA(0, "EDIT", "", WS_CHILD | WS_VISIBLE | WS_BORDER | ES_NUMBER, 0, 0, 10, 10,
                                GetHandle(), HMENU(kCountBoxId), nullptr, nullptr);
    if (!combo || !edit) return false;
    for (const std::string& name : symbols_) ::SendMessageA(combo, CB_ADDSTRING, 0, LPARAM(name.c_str()));
    for (HWND control : {combo, edit}) ::SendMessageA(control, WM_SETFONT, WPARAM(font_), 0);
    return symbolBox_.Attach(combo) && countBox_.Attach(edit);
}

std::string ChoiceField::GetText(int childId) const { return WindowText(GetDlgItem(GetHandle(), childId)); }

void ChoiceField::SetLine(const PayLine& line) {
    count_ = 0;
    for (const PayItem& item : line.items) count_ += item.kind == 1 ? 1 : 0;
    choice_ = line.items.empty() || line.items[0].symbols.empty() ? std::string() : line.items[0].symbols[0];
    writing_ = true;
    SetWindowTextA(countBox_.GetHandle(), std::to_string(count_).c_str());
    writing_ = false;
    const LRESULT index =
        ::SendMessageA(symbolBox_.GetHandle(), CB_FINDSTRINGEXACT, WPARAM(-1), LPARAM(choice_.c_str()));
    ::SendMessageA(symbolBox_.GetHandle(), CB_SETCURSEL, WPARAM(index), 0);
    Show();
    ::SetFocus(countBox_.GetHandle());
}

void ChoiceField::Notify() {
    count_ = LeadingCount(WindowText(countBox_.GetHandle()));
    const LRESULT index = ::SendMessageA(symbolBox_.GetHandle(), CB_GETCURSEL, 0, 0);
    choice_ = index >= 0 && size_t(index) < symbols_.size() ? symbols_[size_t(index)] : std::string();
    ::SendMessageA(GetParent(GetHandle()), WM_COMMAND, MAKEWPARAM(id_, EN_CHANGE), LPARAM(GetHandle()));
}

LRESULT ChoiceField::OnSize(WPARAM, LPARAM) {
    RECT client = {};
    GetClientRect(GetHandle(), &client);
    MoveWindow(countBox_.GetHandle(), anyWidth_, 0, countWidth_, client.bottom, TRUE);
    const int left = anyWidth_ + countWidth_;
    MoveWindow(symbolBox_.GetHandle(), left, -1, client.right - left, client.bottom * 5, TRUE);
    return 0;
}

LRESULT ChoiceField::OnPaint(WPARAM, LPARAM) {
    PaintScope paint(GetHandle());
    RECT client = {};
    GetClientRect(GetHandle(), &client);
    FillRect(paint.Dc(), &client, GetSysColorBrush(COLOR_WINDOW));
    HGDIOBJ previous = SelectObject(paint.Dc(), font_);
    SetBkMode(paint.Dc(), TRANSPARENT);
    TextOutA(paint.Dc(), 0, 0, "Any", 3);
    SelectObject(paint.Dc(), previous);
    return 0;
}

LRESULT ChoiceField::OnFocus(WPARAM, LPARAM) {
    ::SetFocus(countBox_.GetHandle());
    return 0;
}

LRESULT ChoiceField::Consume(WPARAM, LPARAM) { return 0; }

void ChoiceField::OnSymbolBox(int, int code) {
    if (code == CBN_SELCHANGE) Notify();
}

void ChoiceField::OnCountBox(int, int code) {
    if (code == EN_CHANGE && !writing_) Notify();
}

void ChoiceField::MoveCell() { ::SendMessageA(GetParent(GetHandle()), kMoveMessage, 9, 0); }

int ChoiceField::OnSymbolKey(WPARAM key, LPARAM, LRESULT* result) {
    if (key != VK_TAB) return kNotHandled;
    if (GetKeyState(VK_SHIFT) < 0)
        ::SetFocus(countBox_.GetHandle());
    else
        MoveCell();
    *result = 0;
    return kHandled;
}

int ChoiceField::OnCountKey(WPARAM key, LPARAM, LRESULT* result) {
    if (key != VK_TAB) return kNotHandled;
    if (GetKeyState(VK_SHIFT) < 0)
        MoveCell();
    else
        ::SetFocus(symbolBox_.GetHandle());
    *result = 0;
    return kHandled;
}

int ChoiceField::OnCountChar(WPARAM key, LPARAM, LRESULT* result) {
    if (key != '\t') return kNotHandled;
    *result = 0;
    return kHandled;
}

int LeadingCount(const std::string& text) {
    size_t i = text.find_first_not_of(" \t");
    if (i == std::string::npos) return 0;
    long long count = 0;
    for (; i < text.size() && text[i] >= '0' && text[i] <= '9' && count < 1000000; ++i) count = count * 10 + (text[i] - '0');
    return int(count);
}
