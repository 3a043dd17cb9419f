// Dialogs from resources: modal results, ending from any handler, and a modeless dialog
// fed by the application's message loop; a helper thread finds them and presses keys and
// buttons.
#include <gtest/gtest.h>

#include <windows.h>
#include <commctrl.h>

#include <stdexcept>
#include <string>
#include <vector>

#include "Application.h"
#include "Dialog.h"
#include "DialogDriver.h"
#include "TestDialogIds.h"

namespace {
const UINT kEndFromMessage = WM_APP + 1;
const UINT kThrow = WM_APP + 2;

class TestDialog : public Dialog {
public:
    TestDialog() : Dialog(IDD_TEST_DIALOG) {
        BindCommand(IDOK, this, &TestDialog::OnOk);
        BindCommand(IDCANCEL, this, &TestDialog::OnCancel);
        BindMessage(kEndFromMessage, this, &TestDialog::EndFromMessage);
        BindMessage(kThrow, this, &TestDialog::Throw);
    }
    int OnCreate() override {
        log.push_back("create");
        SetItemText(IDC_TEST_EDIT, "start");
        return 1;
    }
    void OnDestroy() override { log.push_back("destroy"); }
    void OnOk(int, int) {
        log.push_back("ok:" + GetItemText(IDC_TEST_EDIT, 64));
        End(IDOK);
    }
    void OnCancel(int, int) {
        log.push_back("cancel");
        End(IDCANCEL);
    }
    LRESULT EndFromMessage(WPARAM wParam, LPARAM) {
        End(INT_PTR(wParam));
        return 0;
    }
    LRESULT Throw(WPARAM, LPARAM) { throw std::runtime_error("dialog handler failed"); }

    std::vector<std::string> log;
};

TEST(DialogTest, ModalDialogReturnsWhatItsButtonEndedItWith) {
    for (int button : {IDOK, IDCANCEL}) {
        TestDialog dialog;
        DialogDriver driver([button] {
            HWND found = WaitForDialog("Test Dialog");
            if (found) PressButton(found, button);
        });
        EXPECT_EQ(dialog.DoModal(), button);
        EXPECT_FALSE(dialog.IsModal());
        EXPECT_EQ(dialog.GetHandle(), nullptr);
        const std::string pressed = button == IDOK ? "ok:start" : "cancel";
        EXPECT_EQ(dialog.log, (std::vector<std::string>{"create", pressed, "destroy"}));
    }
}

TEST(DialogTest, EndWorksFromAnyHandlerNotOnlyCommandsAndTimers) {
    TestDialog dialog;
    DialogDriver driver([] {
        HWND found = WaitForDialog("Test Dialog");
        if (!found) return;
        PostMessageA(found, kEndFromMessage, 42, 0);
        // Should the dialog stay, Cancel ends the test instead of leaving it waiting.
        if (!WaitUntil([found] { return !IsWindow(found); }, 3000)) PressButton(found, IDCANCEL);
    });
    EXPECT_EQ(dialog.DoModalFromResource(nullptr, IDD_TEST_DIALOG), 42);
}

TEST(DialogTest, ExceptionOfAHandlerEndsTheModalDialogAndReachesTheCaller) {
    TestDialog dialog;
    DialogDriver driver([] {
        if (HWND found = WaitForDialog("Test Dialog")) PostMessageA(found, kThrow, 0, 0);
    });
    EXPECT_THROW(dialog.DoModal(), std::runtime_error);
    EXPECT_EQ(dialog.GetHandle(), nullptr);
}

TEST(DialogTest, ModelessDialogWithoutTemplateMakesNoWindow) {
    Dialog missing(9999);
    EXPECT_EQ(missing.Create(), 0);
    EXPECT_EQ(missing.GetHandle(), nullptr);
    EXPECT_EQ(missing.CreateFromResource(nullptr, 9998), 0);
}

// The main window of this application is a modeless dialog: keys typed into it pass
// through the application's message loop (IsDialogMessage), so Return presses OK.
std::vector<std::string> modelessLog;

class ModelessMain : public TestDialog {
public:
    void OnOk(int, int) {
        modelessLog.push_back("ok:" + GetItemText(IDC_TEST_EDIT, 64));
        Destroy();
    }
    void OnCancelled(int, int) {
        modelessLog.push_back("cancel");
        Destroy();
    }
    void OnDestroy() override { PostQuitMessage(0); }
    ModelessMain() {
        BindCommand(IDOK, this, &ModelessMain::OnOk);
        BindCommand(IDCANCEL, this, &ModelessMain::OnCancelled);
    }
};

class ModelessApplication : public Application {
public:
    ModelessApplication() : Application(GetModuleHandleA(nullptr), GetModuleHandleA(nullptr), nullptr) {}
    Window* CreateMainWindow() override { return new ModelessMain; }
};

TEST(DialogTest, ModelessDialogReceivesKeysThroughTheMessageLoop) {
    modelessLog.clear();
    DialogDriver driver([] {
        HWND found = WaitForDialog("Test Dialog");
        if (!found) return;
        HWND edit = GetDlgItem(found, IDC_TEST_EDIT);
        SendMessageA(edit, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(""));
        for (char c : std::string("reel"))
            PostMessageA(edit, WM_CHAR, WPARAM(c), 1);
        PostMessageA(edit, WM_KEYDOWN, VK_RETURN, 1);
        if (!WaitUntil([found] { return !IsWindow(found); }, 3000)) PostMessageA(found, WM_CLOSE, 0, 0);
    });
    ModelessApplication application;
    EXPECT_EQ(application.Run(), 0);
    EXPECT_EQ(modelessLog, std::vector<std::string>{"ok:reel"});
}
}  // namespace
