// Property sheets driven from a helper thread: tabbed pages switched and applied, and the
// wizard walked with Back, Next, Finish and Cancel, its pages holding it or letting it go.
#include <gtest/gtest.h>

#include <windows.h>
#include <commctrl.h>

#include <algorithm>
#include <string>
#include <vector>

#include "DialogDriver.h"
#include "PropertyPage.h"
#include "PropertySheet.h"
#include "TestDialogIds.h"

namespace {
const int kBack = 0x3023, kNext = 0x3024, kFinish = 0x3025;

std::vector<std::string> events;

class LoggingPage : public PropertyPage {
public:
    LoggingPage(int resourceId, const char* name) : PropertyPage(resourceId, 0, name), name_(name) {}

    int OnSetActive(PropertySheet* sheet) override {
        Log("active");
        // The sheet has learnt its window from the notification.
        sheetKnown = sheet->GetHandle() != nullptr && sheet->GetHandle() == GetParent(GetHandle());
        if (buttons) SetWizardButtons(buttons);
        return 0;
    }
    int OnKillActive(PropertySheet*) override {
        Log("leave");
        return 0;
    }
    int OnApply(PropertySheet*) override {
        Log("apply");
        return PSNRET_NOERROR;
    }
    int OnQueryCancel(PropertySheet*) override {
        Log("query-cancel");
        return 0;
    }
    void OnReset(PropertySheet*) override { Log("reset"); }
    int OnWizardNext(PropertySheet*, LRESULT* result) override {
        Log("next");
        if (jumpTo) *result = jumpTo;
        return refuseNext-- > 0 || jumpTo ? 0 : 1;
    }
    int OnWizardBack(PropertySheet*, LRESULT*) override {
        Log("back");
        return 1;
    }
    int OnWizardFinish(PropertySheet*, LRESULT*) override {
        Log("finish");
        return 1;
    }
    void OnDestroy() override { Log("destroy"); }

    int refuseNext = 0;
    LRESULT jumpTo = 0;
    DWORD buttons = 0;
    bool sheetKnown = false;

private:
    void Log(const char* what) { events.push_back(name_ + ":" + what); }
    std::string name_;
};

// Presses a button once it is enabled, as a user would.
void PressWhenEnabled(HWND sheet, int id) {
    WaitUntil([sheet, id] { return IsWindowEnabled(GetDlgItem(sheet, id)) != 0; }, 3000);
    PressButton(sheet, id);
}

class PropertySheetTest : public ::testing::Test {
protected:
    void SetUp() override {
        events.clear();
        InitCommonControls();
        one.buttons = PSWIZB_NEXT;
        two.buttons = PSWIZB_BACK | PSWIZB_NEXT;
        three.buttons = PSWIZB_BACK | PSWIZB_FINISH;
    }
    void AddPages(PropertySheet& sheet) {
        sheet.AddPage(&one);
        sheet.AddPage(&two);
        sheet.AddPage(&three);
    }
    // The events of the walk, without the leave notifications the sheet adds on the way.
    static std::vector<std::string> Walk() {
        std::vector<std::string> walk;
        for (const std::string& e : events)
            if (e.find(":leave") == std::string::npos) walk.push_back(e);
        return walk;
    }

    LoggingPage one{IDD_TEST_PAGE_ONE, "one"};
    LoggingPage two{IDD_TEST_PAGE_TWO, "two"};
    LoggingPage three{IDD_TEST_PAGE_THREE, "three"};
};

// A wizard shows the title of its first page as its caption.
TEST_F(PropertySheetTest, WizardWalksBackAndNextAndFinishes) {
    PropertySheet sheet(nullptr, "Test Wizard");
    AddPages(sheet);
    EXPECT_EQ(sheet.GetPageCount(), 3);
    one.refuseNext = 1;  // the first Next keeps the wizard on page one
    DialogDriver driver([] {
        HWND found = WaitForDialog("one");
        if (!found) return;
        for (int button : {kNext, kNext, kBack, kNext, kNext, kFinish}) PressWhenEnabled(found, button);
        WakeSheetLoop(found);
    });
    EXPECT_GT(sheet.RunWizard(), 0);
    driver.Join();
    EXPECT_EQ(Walk(), (std::vector<std::string>{"one:active", "one:next", "one:next", "two:active", "two:back",
                                                "one:active", "one:next", "two:active", "two:next", "three:active",
                                                "three:finish", "one:destroy", "two:destroy", "three:destroy"}));
    EXPECT_TRUE(one.sheetKnown && two.sheetKnown && three.sheetKnown);
    // The pages' windows are gone and so are their handles: nothing is destroyed twice.
    EXPECT_EQ(one.GetHandle(), nullptr);
    EXPECT_EQ(two.GetHandle(), nullptr);
    EXPECT_EQ(three.GetHandle(), nullptr);
    EXPECT_EQ(sheet.GetHandle(), nullptr);
}

TEST_F(PropertySheetTest, WizardPageCanJumpAndCancelEndsTheWizard) {
    PropertySheet sheet(nullptr, "Test Wizard");
    AddPages(sheet);
    one.jumpTo = IDD_TEST_PAGE_THREE;
    DialogDriver driver([] {
        HWND found = WaitForDialog("one");
        if (!found) return;
        PressWhenEnabled(found, kNext);
        PressButton(found, IDCANCEL);
        WakeSheetLoop(found);
    });
    EXPECT_EQ(sheet.RunWizard(), 0);
    driver.Join();
    const std::vector<std::string> walk = Walk();
    ASSERT_GE(walk.size(), 4u);
    EXPECT_EQ(std::vector<std::string>(walk.begin(), walk.begin() + 4),
              (std::vector<std::string>{"one:active", "one:next", "three:active", "three:query-cancel"}));
    // Every page that was made is reset; page two never was.
    auto seen = [](const char* event) { return std::find(events.begin(), events.end(), event) != events.end(); };
    EXPECT_TRUE(seen("one:reset") && seen("three:reset"));
    EXPECT_FALSE(seen("two:active") || seen("two:reset"));
    EXPECT_EQ(two.GetHandle(), nullptr);
}

TEST_F(PropertySheetTest, TabbedSheetSwitchesPagesAndAppliesOnOk) {
    PropertySheet sheet(nullptr, "Test Sheet");
    sheet.AddPage(&one);
    sheet.AddPage(&two);
    one.buttons = two.buttons = 0;
    DialogDriver driver([] {
        HWND found = WaitForDialog("Test Sheet");
        if (!found) return;
        SendMessageA(found, PSM_SETCURSEL, 1, 0);
        SendMessageA(found, PSM_SETCURSEL, 0, 0);
        PressButton(found, IDOK);
        WakeSheetLoop(found);
    });
    EXPECT_GT(sheet.Show(0), 0);
    driver.Join();
    EXPECT_EQ(events, (std::vector<std::string>{"one:active", "one:leave", "two:active", "two:leave", "one:active",
                                                 "one:leave", "one:apply", "two:apply", "one:destroy",
                                                 "two:destroy"}));
    EXPECT_EQ(one.GetHandle(), nullptr);
}

TEST_F(PropertySheetTest, TabbedSheetCancelResetsThePages) {
    PropertySheet sheet(nullptr, "Test Sheet");
    sheet.AddPage(&one);
    sheet.AddPage(&two);
    DialogDriver driver([] {
        if (HWND found = WaitForDialog("Test Sheet")) {
            PressButton(found, IDCANCEL);
            WakeSheetLoop(found);
        }
    });
    EXPECT_EQ(sheet.Show(1), 0);
    driver.Join();
    ASSERT_FALSE(events.empty());
    EXPECT_EQ(events.front(), "two:active");
    EXPECT_NE(std::find(events.begin(), events.end(), "two:query-cancel"), events.end());
    EXPECT_NE(std::find(events.begin(), events.end(), "two:reset"), events.end());
}
}  // namespace
