// The wizard's document and sheet: the document's defaults, the sheet's pages in their
// order with the reels and payout-level choices, and the start that asks for the CD.
#include <gtest/gtest.h>

#include <windows.h>
#include <commctrl.h>

#include <cctype>
#include <string>
#include <vector>

#include "DialogDriver.h"
#include "ProgramWindow.h"
#include "GeneralSettings.h"
#include "HelpTopic.h"
#include "NewMachineWizard.h"
#include "PayoutLevelPage.h"
#include "ReelsPage.h"
#include "WizardIds.h"
#include "WizardSheet.h"

namespace {

const int kBack = 0x3023, kNext = 0x3024, kFinish = 0x3025;

TEST(WizardDocument, StartsWithTheDefaultChoices)
{
    WizardDocument document;
    EXPECT_EQ("New Machine", document.name);
    EXPECT_EQ("Times New Roman", document.fontName);
    EXPECT_EQ(18u, document.fontSize);
    EXPECT_EQ(0u, document.bodyIndex + document.armIndex + document.buttonSetIndex);
    EXPECT_EQ(2u, document.payoutLevel);
    EXPECT_DOUBLE_EQ(0.95, document.lowBound);
    EXPECT_DOUBLE_EQ(0.98, document.highBound);
    EXPECT_EQ(3u, document.reelCount);
    EXPECT_EQ(5u, document.payLines);
    EXPECT_EQ(26u, document.stopsPerReel);
    EXPECT_EQ((std::array<uint8_t, 5>{0, 0, 1, 1, 1}), document.groupMembers);
    EXPECT_TRUE(document.groupsEnabled && document.groupsInForce);
    EXPECT_FALSE(document.wild);
    EXPECT_TRUE(document.cherry && document.spoiler);
    EXPECT_EQ(1, document.pay[5]);
    for (int32_t sound : document.soundGalleryIndexes)
        EXPECT_EQ(-1, sound);
    EXPECT_TRUE(document.errorText.empty());
    EXPECT_EQ("Bars", document.groupName);
}

void PressWhenEnabled(HWND sheet, int id)
{
    WaitUntil([sheet, id] { return IsWindowEnabled(GetDlgItem(sheet, id)) != 0; }, 3000);
    PressButton(sheet, id);
}

HWND CurrentPage(HWND sheet)
{
    return reinterpret_cast<HWND>(SendMessageA(sheet, PSM_GETCURRENTPAGEHWND, 0, 0));
}

struct ReelsSeen {
    bool fiveDisabledWithFour = false, threeCheckedWithFour = false;
    bool keptOnReturn = false, fiveEnabledAgain = false;
    std::vector<std::string> levels;  // the payout page's choices as they read
};

// Walks the five pages: Low on the payout page, four reels (which takes the five lines
// away), back and forth, three reels again, then on to Finish.
void WalkTheWizard(ReelsSeen& seen)
{
    HWND sheet = WaitForDialog("Create Machine Wizard:  Select name and styles");
    if (!sheet)
        return;
    PressWhenEnabled(sheet, kNext);
    WaitForDialog("Create Machine Wizard:  Pick payout percentage");
    for (int id = IDC_WIZARD_LEVEL_LOW; id <= IDC_WIZARD_LEVEL_FUN; ++id) {
        char text[128] = {};
        GetDlgItemTextA(CurrentPage(sheet), id, text, sizeof text - 1);
        seen.levels.push_back(text);
    }
    PressButton(CurrentPage(sheet), IDC_WIZARD_LEVEL_LOW);
    PressWhenEnabled(sheet, kNext);
    WaitForDialog("Create Machine Wizard:  Pick number of reels and number of paylines");
    HWND reels = CurrentPage(sheet);
    PressButton(reels, IDC_WIZARD_4_REELS);
    seen.fiveDisabledWithFour = !IsWindowEnabled(GetDlgItem(reels, IDC_WIZARD_5_LINES));
    seen.threeCheckedWithFour = IsDlgButtonChecked(reels, IDC_WIZARD_3_LINES) == BST_CHECKED;
    PressWhenEnabled(sheet, kBack);
    PressWhenEnabled(sheet, kNext);
    WaitUntil([&] { return CurrentPage(sheet) == reels; }, 3000);
    seen.keptOnReturn = IsDlgButtonChecked(reels, IDC_WIZARD_4_REELS) == BST_CHECKED;
    PressButton(reels, IDC_WIZARD_3_REELS);
    seen.fiveEnabledAgain = IsWindowEnabled(GetDlgItem(reels, IDC_WIZARD_5_LINES)) != 0;
    PressWhenEnabled(sheet, kNext);
    PressWhenEnabled(sheet, kNext);
    PressWhenEnabled(sheet, kFinish);
    WakeSheetLoop(sheet);
}

TEST(WizardSheet, PagesInOrderWithTheReelsAndPayoutChoices)
{
    InitCommonControls();
    WizardSheet sheet(nullptr);
    WizardPage name(IDD_WIZARD_NAME_STYLES, &sheet, PSWIZB_NEXT);
    PayoutLevelPage level(&sheet);
    ReelsPage reels(&sheet);
    WizardPage symbols(IDD_WIZARD_SYMBOLS, &sheet);
    WizardPage audio(IDD_WIZARD_AUDIO, &sheet, PSWIZB_BACK | PSWIZB_FINISH);
    EXPECT_EQ(5, sheet.GetPageCount());

    ReelsSeen seen;
    DialogDriver driver([&seen] { WalkTheWizard(seen); });
    EXPECT_GT(sheet.RunWizard(), 0);
    driver.Join();
    EXPECT_TRUE(seen.fiveDisabledWithFour);
    EXPECT_TRUE(seen.threeCheckedWithFour);
    EXPECT_TRUE(seen.keptOnReturn);
    EXPECT_TRUE(seen.fiveEnabledAgain);
    // Percentages read with the sign after the number ("Low %70 - %80" once).
    ASSERT_EQ(4u, seen.levels.size());
    EXPECT_EQ("Low 70% - 80%", seen.levels[0]);
    for (const std::string& level : seen.levels)
        for (std::size_t at = level.find('%'); at != std::string::npos; at = level.find('%', at + 1))
            EXPECT_TRUE(at > 0 && std::isdigit(static_cast<unsigned char>(level[at - 1]))) << level;
    EXPECT_EQ(0u, sheet.document.payoutLevel);
    EXPECT_DOUBLE_EQ(0.72, sheet.document.lowBound);
    EXPECT_DOUBLE_EQ(0.80, sheet.document.highBound);
    EXPECT_EQ(3u, sheet.document.reelCount);
    EXPECT_EQ(3u, sheet.document.payLines);  // three reels again keep three lines
}

std::string askedHelp;

// F1 on a page's control, and on the page, of the first two pages, and on the sheet's
// Next button; then Cancel.
void PressF1OnTwoPages(std::string& seen)
{
    HWND sheet = WaitForDialog("Create Machine Wizard:  Select name and styles");
    if (!sheet)
        return;
    for (int page = 0; page < 2; ++page) {
        if (page == 1) {
            HWND first = CurrentPage(sheet);
            PressWhenEnabled(sheet, kNext);
            WaitUntil([&] { return CurrentPage(sheet) != first; }, 3000);
        }
        HWND shown = CurrentPage(sheet);
        for (HWND window : {GetWindow(shown, GW_CHILD), shown}) {
            askedHelp.clear();
            SendMessageA(window, 0x004D /* WM_KEYF1, what the system sends for F1 */, 0, 0);
            seen += askedHelp;
        }
    }
    // The sheet's own buttons too.
    askedHelp.clear();
    SendMessageA(GetDlgItem(sheet, kNext), 0x004D, 0, 0);
    seen += askedHelp;
    PressButton(sheet, IDCANCEL);
    WakeSheetLoop(sheet);
}

TEST(WizardSheet, F1OnAPageOpensTheWizardsTopic)
{
    InitCommonControls();
    const HelpTopicOpener previous = SetHelpTopicOpener([](HWND, const std::string& file, const std::string& topic) {
        askedHelp += file + "#" + topic + ";";
        return true;
    });
    WizardSheet sheet(nullptr);
    WizardPage name(IDD_WIZARD_NAME_STYLES, &sheet, PSWIZB_NEXT);
    PayoutLevelPage level(&sheet);
    std::string seen;
    DialogDriver driver([&seen] { PressF1OnTwoPages(seen); });
    sheet.RunWizard();
    driver.Join();
    SetHelpTopicOpener(previous);
    EXPECT_EQ(seen, "viradu.hlp#wizard;viradu.hlp#wizard;viradu.hlp#wizard;viradu.hlp#wizard;viradu.hlp#wizard;");
}

// Answers the "CD not found" box: OK `oks` times (the box comes back each time), then
// Cancel; keeps the text of the first box.
void AnswerCdBoxes(int oks, std::string& text, int& boxes)
{
    for (;;) {
        HWND box = nullptr;
        WaitUntil([&box] { return (box = FindOwnWindow("#32770", "CD not found")) != nullptr; }, 10000);
        if (!box)
            return;
        char buffer[512] = {};
        GetDlgItemTextA(box, 0xFFFF, buffer, sizeof buffer - 1);
        if (boxes++ == 0)
            text = buffer;
        const int answer = boxes <= oks ? IDOK : IDCANCEL;
        SendMessageA(box, WM_COMMAND, answer, 0);
        WaitUntil([box] { return !IsWindow(box); }, 5000);
        if (answer == IDCANCEL)
            return;
    }
}

class WizardStart : public ::testing::Test {
protected:
    void SetUp() override { saved_ = GetClipArtPathSetting().Get(); }
    void TearDown() override { GetClipArtPathSetting().Set(saved_); }
    std::string saved_;
};

TEST_F(WizardStart, WithoutTheDataTheCdBoxRepeatsUntilCancelled)
{
    GetClipArtPathSetting().Set("Q:\\NoSuchCd\\ClipArt");
    std::string text;
    int boxes = 0;
    DialogDriver driver([&] { AnswerCdBoxes(2, text, boxes); });
    NewMachineWizard(nullptr);  // returns without a wizard
    driver.Join();
    EXPECT_EQ(3, boxes);
    EXPECT_NE(std::string::npos, text.find("being Q: select the Options item"));
}

TEST_F(WizardStart, AnEmptyClipArtPathKeepsTheWholeText)
{
    GetClipArtPathSetting().Set("");
    std::string text;
    int boxes = 0;
    DialogDriver driver([&] { AnswerCdBoxes(0, text, boxes); });
    NewMachineWizard(nullptr);
    driver.Join();
    EXPECT_EQ(1, boxes);
    EXPECT_NE(std::string::npos, text.find("Options menu."));
}

}  // namespace
