// Reading and filling the controls that the element properties dialogs share: the
// animation combo box, the signed number edits and the hot-key edit.
#pragma once
#include <windows.h>

#include <string>
#include <vector>

// Fills the combo box with the entries and selects the one equal to the text.
void FillChoices(HWND dialog, int id, const std::vector<std::string>& entries, const std::string& selected);
// The selected entry's text; empty when none is selected.
std::string SelectedChoice(HWND dialog, int id);
int32_t ReadSignedInt(HWND dialog, int id);
// The hot key as a one-character text (empty for none).
void ShowHotKey(HWND dialog, int id, int32_t key);
// The first character typed (read with a limit of 128 characters); 0 when empty.
int32_t ReadHotKey(HWND dialog, int id);

// Why the key cannot be a button's hot key: the script writes the key inside double
// quotes, which cannot hold the double quote itself. Empty when it can. The refusal is
// shown in a box of this caption.
inline const char kInvalidHotKeyCaption[] = "Invalid Hot Key";
std::string HotKeyRefusal(int32_t key);
