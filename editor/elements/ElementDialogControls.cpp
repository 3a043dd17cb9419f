#include "ElementDialogControls.h"

namespace {
const int kKeyTextLimit = 128;
}

void FillChoices(HWND dialog, int id, const std::vector<std::string>& entries, const std::string& selected) {
    for (const std::string& entry : entries)
        SendDlgItemMessageA(dialog, id, CB_ADDSTRING, 0, LPARAM(entry.c_str()));
    const LRESULT found = SendDlgItemMessageA(dialog, id, CB_FINDSTRINGEXACT, WPARAM(-1), LPARAM(selected.c_str()));
    SendDlgItemMessageA(dialog, id, CB_SETCURSEL, WPARAM(found), 0);
}

std::string SelectedChoice(HWND dialog, int id) {
    const LRESULT index = SendDlgItemMessageA(dialog, id, CB_GETCURSEL, 0, 0);
    if (index == CB_ERR) return "";
    const LRESULT length = SendDlgItemMessageA(dialog, id, CB_GETLBTEXTLEN, WPARAM(index), 0);
    if (length == CB_ERR) return "";
    std::string text(size_t(length) + 1, '\0');
    SendDlgItemMessageA(dialog, id, CB_GETLBTEXT, WPARAM(index), LPARAM(&text[0]));
    text.resize(size_t(length));
    return text;
}

int32_t ReadSignedInt(HWND dialog, int id) { return int32_t(GetDlgItemInt(dialog, id, nullptr, TRUE)); }

void ShowHotKey(HWND dialog, int id, int32_t key) {
    const char text[2] = {char(key), '\0'};
    SetDlgItemTextA(dialog, id, text);
}

int32_t ReadHotKey(HWND dialog, int id) {
    char text[kKeyTextLimit + 1] = {};
    GetDlgItemTextA(dialog, id, text, kKeyTextLimit);
    return int32_t(uint8_t(text[0]));
}

std::string HotKeyRefusal(int32_t key) {
    if (key != '"') return std::string();
    return "A hot key cannot be the character \" (the machine script has no way to write it inside the "
           "hot key's quotes). Choose another key.";
}
