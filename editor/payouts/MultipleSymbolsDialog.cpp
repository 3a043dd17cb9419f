#include "MultipleSymbolsDialog.h"

#include <algorithm>

#include "PayoutDialogIds.h"

namespace {
std::string ListText(HWND list, int index) {
    const LRESULT length = ::SendMessageA(list, LB_GETTEXTLEN, WPARAM(index), 0);
    if (length < 0) return std::string();
    std::string text(size_t(length) + 1, '\0');
    ::SendMessageA(list, LB_GETTEXT, WPARAM(index), LPARAM(&text[0]));
    text.resize(size_t(length));
    return text;
}

std::vector<std::string> ListTexts(HWND list) {
    std::vector<std::string> texts;
    const int count = int(::SendMessageA(list, LB_GETCOUNT, 0, 0));
    for (int i = 0; i < count; ++i) texts.push_back(ListText(list, i));
    return texts;
}

std::vector<int> Selected(HWND list) {
    const int count = int(::SendMessageA(list, LB_GETSELCOUNT, 0, 0));
    std::vector<int> indexes(size_t(std::max(count, 0)));
    if (count > 0) ::SendMessageA(list, LB_GETSELITEMS, WPARAM(count), LPARAM(indexes.data()));
    std::sort(indexes.begin(), indexes.end());
    return indexes;
}

void Fill(HWND list, const std::vector<std::string>& names) {
    for (const std::string& name : names) ::SendMessageA(list, LB_ADDSTRING, 0, LPARAM(name.c_str()));
}
}  // namespace

MultipleSymbolsDialog::MultipleSymbolsDialog(const std::vector<std::string>& allSymbols)
    : Dialog(IDD_MULTIPLE_SYMBOLS), all_(allSymbols) {
    BindCommand(IDC_MULTIPLE_ADD, this, &MultipleSymbolsDialog::OnAdd);
    BindCommand(IDC_MULTIPLE_REMOVE, this, &MultipleSymbolsDialog::OnRemove);
    BindCommand(IDOK, this, &MultipleSymbolsDialog::OnOK);
    BindCommand(IDCANCEL, this, &MultipleSymbolsDialog::OnCancel);
}

void MultipleSymbolsDialog::SetSymbols(int32_t mode, const std::vector<std::string>& active) {
    mode_ = mode;
    active_ = active;
}

void MultipleSymbolsDialog::GetSymbols(int32_t& mode, std::vector<std::string>& active) const {
    mode = mode_;
    active = active_;
}

int MultipleSymbolsDialog::OnCreate() {
    // The focus goes to OK once the dialog manager has placed its own.
    ::PostMessageA(GetHandle(), WM_NEXTDLGCTL, WPARAM(GetDlgItem(GetHandle(), IDOK)), TRUE);
    Fill(GetDlgItem(GetHandle(), IDC_MULTIPLE_ALL), all_);
    Fill(GetDlgItem(GetHandle(), IDC_MULTIPLE_ACTIVE), active_);
    int checked = IDC_MULTIPLE_ANY_BUT;
    if (mode_ == kAnyOf) checked = IDC_MULTIPLE_ANY_OF;
    else if (mode_ == kAnyBut && active_.empty()) checked = IDC_MULTIPLE_ANY_SYMBOL;
    CheckRadio(IDC_MULTIPLE_ANY_OF, IDC_MULTIPLE_ANY_SYMBOL, checked);
    return 1;
}

void MultipleSymbolsDialog::UnselectAll() {
    for (int id : {IDC_MULTIPLE_ALL, IDC_MULTIPLE_ACTIVE}) SendItemMessage(id, LB_SETSEL, FALSE, -1);
}

void MultipleSymbolsDialog::OnAdd(int, int code) {
    if (code != BN_CLICKED) return;
    HWND all = GetDlgItem(GetHandle(), IDC_MULTIPLE_ALL), active = GetDlgItem(GetHandle(), IDC_MULTIPLE_ACTIVE);
    for (int index : Selected(all)) {
        const std::string name = ListText(all, index);
        const std::vector<std::string> present = ListTexts(active);
        if (std::find(present.begin(), present.end(), name) == present.end())
            ::SendMessageA(active, LB_ADDSTRING, 0, LPARAM(name.c_str()));
    }
    UnselectAll();
}

void MultipleSymbolsDialog::OnRemove(int, int code) {
    if (code != BN_CLICKED) return;
    HWND active = GetDlgItem(GetHandle(), IDC_MULTIPLE_ACTIVE);
    std::vector<int> chosen = Selected(active);
    for (auto index = chosen.rbegin(); index != chosen.rend(); ++index)
        ::SendMessageA(active, LB_DELETESTRING, WPARAM(*index), 0);
    UnselectAll();
}

void MultipleSymbolsDialog::OnOK(int, int code) {
    if (code != BN_CLICKED) return;
    active_ = ListTexts(GetDlgItem(GetHandle(), IDC_MULTIPLE_ACTIVE));
    if (GetItemCheck(IDC_MULTIPLE_ANY_OF) == BST_CHECKED) {
        mode_ = kAnyOf;
    } else {
        mode_ = kAnyBut;
        if (GetItemCheck(IDC_MULTIPLE_ANY_SYMBOL) == BST_CHECKED) active_.clear();
    }
    End(1);
}

void MultipleSymbolsDialog::OnCancel(int, int code) {
    if (code == BN_CLICKED) End(0);
}
