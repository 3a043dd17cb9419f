// The name and styles page driven as the user would: the name gives the identifier and
// the sample, the body brings its own arms and button sets, choosing again the ones whose
// names begin alike, and the font list holds TrueType families only.
#include <gtest/gtest.h>

#include <windows.h>
#include <commctrl.h>

#include <cstdlib>
#include <string>

#include "DialogDriver.h"
#include "NameStylePage.h"
#include "StyleTables.h"
#include "WizardIds.h"
#include "WizardSheet.h"

namespace {

const int kNext = 0x3024;

std::string ItemText(HWND dialog, int id)
{
    char buffer[256] = {};
    GetDlgItemTextA(dialog, id, buffer, sizeof buffer - 1);
    return buffer;
}

std::string ComboText(HWND dialog, int id)
{
    char buffer[256] = {};
    const LRESULT at = SendDlgItemMessageA(dialog, id, CB_GETCURSEL, 0, 0);
    SendDlgItemMessageA(dialog, id, CB_GETLBTEXT, at, LPARAM(buffer));
    return buffer;
}

// Chooses an entry as the user's pick does: the selection, then the change notice.
void Choose(HWND dialog, int id, int index)
{
    SendDlgItemMessageA(dialog, id, CB_SETCURSEL, index, 0);
    SendMessageA(dialog, WM_COMMAND, MAKEWPARAM(id, CBN_SELCHANGE), LPARAM(GetDlgItem(dialog, id)));
}

struct PageSeen {
    std::string sample, armAfterBody, fontChosen, longSample;
    int fonts = 0, arms = 0, buttonSets = 0;
    LONG longWidth = 0, shortHeight = 0, room = 0;
};

// The width and height of the sample's text in the font it shows it in.
SIZE SampleExtent(HWND page)
{
    HWND sample = GetDlgItem(page, IDC_WIZARD_NAME_SAMPLE);
    HFONT font = reinterpret_cast<HFONT>(SendMessageA(sample, WM_GETFONT, 0, 0));
    const std::string text = ItemText(page, IDC_WIZARD_NAME_SAMPLE);
    HDC dc = GetDC(sample);
    HGDIOBJ before = SelectObject(dc, font);
    SIZE size = {};
    GetTextExtentPoint32A(dc, text.c_str(), int(text.size()), &size);
    SelectObject(dc, before);
    ReleaseDC(sample, dc);
    return size;
}

void DriveNamePage(PageSeen& seen)
{
    HWND sheet = WaitForDialog("Create Machine Wizard:  Select name and styles");
    if (!sheet)
        return;
    HWND page = reinterpret_cast<HWND>(SendMessageA(sheet, PSM_GETCURRENTPAGEHWND, 0, 0));
    // A long name shows whole in a smaller font; a short one keeps the full size.
    SetDlgItemTextA(page, IDC_WIZARD_NAME, "Grand Royal Golden Jackpot Extravaganza");
    seen.longSample = ItemText(page, IDC_WIZARD_NAME_SAMPLE);
    seen.longWidth = SampleExtent(page).cx;
    RECT room = {};
    GetClientRect(GetDlgItem(page, IDC_WIZARD_NAME_SAMPLE), &room);
    seen.room = room.right;
    SetDlgItemTextA(page, IDC_WIZARD_NAME, "a/b");
    seen.sample = ItemText(page, IDC_WIZARD_NAME_SAMPLE);
    seen.shortHeight = SampleExtent(page).cy;
    seen.fonts = int(SendDlgItemMessageA(page, IDC_WIZARD_FONT, CB_GETCOUNT, 0, 0));
    Choose(page, IDC_WIZARD_FONT, seen.fonts - 1);
    seen.fontChosen = ComboText(page, IDC_WIZARD_FONT);
    Choose(page, IDC_WIZARD_ARM, 1);
    Choose(page, IDC_WIZARD_BODY, 2);
    seen.armAfterBody = ComboText(page, IDC_WIZARD_ARM);
    seen.arms = int(SendDlgItemMessageA(page, IDC_WIZARD_ARM, CB_GETCOUNT, 0, 0));
    seen.buttonSets = int(SendDlgItemMessageA(page, IDC_WIZARD_BUTTON_SET, CB_GETCOUNT, 0, 0));
    if (const char* hold = std::getenv("VSL_WIZARD_HOLD_MS"))  // time for a screenshot
        Sleep(DWORD(std::atoi(hold)));
    SendMessageA(sheet, WM_COMMAND, IDCANCEL, 0);
    WakeSheetLoop(sheet);
}

TEST(NameStylePage, NameFontAndStylesReachTheDocument)
{
    InitCommonControls();
    WizardSheet sheet(nullptr);
    NameStylePage name(&sheet);
    WizardPage level(IDD_WIZARD_PAYOUT_LEVEL, &sheet);
    PageSeen seen;
    DialogDriver driver([&seen] { DriveNamePage(seen); });
    sheet.RunWizard();
    driver.Join();

    const WizardDocument& document = sheet.document;
    EXPECT_EQ("a/b", document.name);
    EXPECT_EQ("a-2fb", document.identifier);
    EXPECT_EQ("a/b", seen.sample);
    // The font sample cut long names.
    EXPECT_EQ("Grand Royal Golden Jackpot Extravaganza", seen.longSample);
    EXPECT_GT(seen.longWidth, 0);
    EXPECT_LE(seen.longWidth, seen.room);
    EXPECT_GE(seen.shortHeight, 20);
    EXPECT_GT(seen.fonts, 0);
    EXPECT_EQ(seen.fontChosen, document.fontName);

    const MachineBody& beach = GetMachineBodies().at(2);
    EXPECT_EQ(2u, document.bodyIndex);
    EXPECT_EQ(beach.armCount, seen.arms);
    EXPECT_EQ(beach.buttonSetCount, seen.buttonSets);
    ASSERT_LT(document.armIndex, uint32_t(beach.armCount));
    EXPECT_EQ(seen.armAfterBody, beach.arms[document.armIndex].name);
    EXPECT_LT(document.buttonSetIndex, uint32_t(beach.buttonSetCount));
}

}  // namespace
