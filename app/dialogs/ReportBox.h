// A box for a long report: the caption, the text in a read-only edit control that scrolls
// when the text is taller than the work area leaves room for, and an OK button that stays
// in view below it. Sized to the text, and never larger than the work area.
#pragma once
#include <windows.h>

#include <string>

// The text control's id: the one a message box gives its text, so that what reads the
// text of a message box reads this box's too.
const int kReportTextId = 0xFFFF;

// Modal over the owner (none when null); returns when OK, Enter, Escape or the close
// button ends it. Lines end with "\n".
void ShowReportBox(HWND owner, const std::string& caption, const std::string& text);
