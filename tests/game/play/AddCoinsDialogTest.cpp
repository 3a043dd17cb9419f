// The "Add Coins" dialog: the number shown, what it refuses and what it reports.
#include <gtest/gtest.h>

#include <windows.h>

#include <string>

#include "../../app/DialogDriver.h"
#include "AddCoinsDialog.h"
#include "CoinDialogIds.h"
#include "../../app/MessageBoxWatcher.h"

namespace {
// The message box captioned "Add Coins" (the dialog has the same caption but no text item
// 0xFFFF) once it shows its text; the text, after closing it. Empty when none came.
std::string CloseMessageBox() {
    std::string text;
    WaitUntil([&] {
        HWND found = nullptr;
        while ((found = FindWindowExA(nullptr, found, "#32770", "Add Coins")) != nullptr) {
            DWORD process = 0;
            GetWindowThreadProcessId(found, &process);
            if (process != GetCurrentProcessId() || !GetDlgItem(found, 0xFFFF) || !IsWindowVisible(found)) continue;
            // Shown, the box has its text.
            char buffer[512] = {};
            GetDlgItemTextA(found, 0xFFFF, buffer, sizeof buffer - 1);
            if (!buffer[0]) continue;
            text = buffer;
            CloseBox(found);  // gone before the next box is looked for
            return true;
        }
        return false;
    });
    return text;
}

HWND TheDialog() {
    HWND found = nullptr;
    WaitUntil([&] {
        found = nullptr;
        while ((found = FindWindowExA(nullptr, found, "#32770", "Add Coins")) != nullptr) {
            DWORD process = 0;
            GetWindowThreadProcessId(found, &process);
            if (process == GetCurrentProcessId() && GetDlgItem(found, IDC_COIN_COUNT) && IsWindowVisible(found))
                return true;
        }
        return false;
    });
    return found;
}

// Types the text and presses OK on the dialog's own thread (the test's, in its modal loop).
void TypeAndPressOK(HWND dialog, const char* text) {
    SetDlgItemTextA(dialog, IDC_COIN_COUNT, text);
    PostMessageA(dialog, WM_COMMAND, IDOK, 0);
}
}  // namespace

TEST(AddCoinsDialog, TakesOnlyAWholeNumberAndSaysWhatItWantsOtherwise) {
    AddCoinsDialog dialog(100);
    std::string shown, empty, letters;
    DialogDriver driver([&] {
        HWND window = TheDialog();
        if (!window) return;
        char buffer[32] = {};
        GetDlgItemTextA(window, IDC_COIN_COUNT, buffer, sizeof buffer);
        shown = buffer;
        TypeAndPressOK(window, "");
        empty = CloseMessageBox();
        TypeAndPressOK(window, "12x");
        letters = CloseMessageBox();
        TypeAndPressOK(window, "40");
    });
    EXPECT_EQ(IDOK, dialog.DoModal());
    driver.Join();
    EXPECT_EQ("100", shown);
    EXPECT_EQ("Please enter the number of coins to add.", empty);
    EXPECT_EQ("You entered '12x' which could not\nbe recognized as a number.\n\nPlease enter the number of coins to add.",
              letters);
    EXPECT_EQ(40u, dialog.GetCoins());
}

TEST(AddCoinsDialog, CancelKeepsTheNumberShown) {
    AddCoinsDialog dialog(100);
    DialogDriver driver([&] {
        if (HWND window = TheDialog()) {
            SetDlgItemTextA(window, IDC_COIN_COUNT, "7");
            PostMessageA(window, WM_COMMAND, IDCANCEL, 0);
        }
    });
    EXPECT_EQ(IDCANCEL, dialog.DoModal());
    driver.Join();
    EXPECT_EQ(100u, dialog.GetCoins());
}
