// Small screens of the tests' own, made by number through the screen table: each shows a
// brush backdrop of its colour, a line of text and one face element, and behaves as its
// plan says (refuse to end, fail or throw in its build, the menu it wants). A frame window
// to host them, and screen windows that show them in a TV pane of their own.
#pragma once
#include <windows.h>

#include <map>
#include <memory>
#include <string>

#include "FrameWindow.h"
#include "PendingException.h"
#include "ProbeElement.h"
#include "Screen.h"
#include "ScreenTable.h"
#include "ScreenWindow.h"
#include "SpriteHandle.h"
#include "StageSetup.h"
#include "StructuredException.h"
#include "TvPane.h"

struct TestScreenPlan {
    enum Throw { kNone, kStructured, kInteger };
    bool canEnd = true;
    bool builds = true;
    Throw throws = kNone;
    COLORREF colour = RGB(0, 96, 48);
    int menuId = 102;
    const char* text = "Test screen";
};

inline std::map<int32_t, TestScreenPlan>& Plans() {
    static std::map<int32_t, TestScreenPlan> plans;
    return plans;
}

inline EventLog& ScreenLog() {
    static EventLog log;
    return log;
}

class TestScreen : public Screen {
public:
    explicit TestScreen(int32_t number)
        : Screen(number), plan_(Plans()[number]), element_(&ScreenLog(), Name(number), RECT{10, 10, 110, 60}) {}
    ~TestScreen() override {
        RemoveElement(&element_, true);
        text_.Reset(0);
        if (font_) DeleteObject(font_);
    }
    bool CreateBackdrop(const RECT& area) override {
        return SelectBrushBackdrop(stage_, CreateSolidBrush(plan_.colour), true, area);
    }
    bool Build() override {
        ShowText();
        AddElement(&element_, true);
        ScreenLog().push_back(Name(number_) + ":built");
        if (plan_.throws == TestScreenPlan::kStructured) TranslateStructuredException(0xC0000005u);
        if (plan_.throws == TestScreenPlan::kInteger) throw 7;
        return plan_.builds;
    }
    bool CanEnd() override { return plan_.canEnd; }
    bool OnEnter() override {
        ScreenLog().push_back(Name(number_) + ":enter");
        return true;
    }
    int GetMenuId() override { return plan_.menuId; }

    static std::string Name(int32_t number) { return "screen" + std::to_string(number); }
    static Screen* Make(int32_t number) { return new TestScreen(number); }

private:
    // White text on the camera at (40, 100).
    void ShowText() {
        font_ = CreateFontA(-28, 0, 0, 0, FW_BOLD, 0, 0, 0, ANSI_CHARSET, 0, 0, 0, 0, "Arial");
        QuorTextProperties properties = {font_, plan_.text, RGB(255, 255, 255), 0, 0, 0, 0, 0};
        SpriteCreateRecord record = {};
        record.type = 6;
        record.extra = uintptr_t(&properties);
        record.x = 40;
        record.y = 100;
        record.depth = 1;
        record.parent = camera_.camera;
        text_.Reset(CreateSprite(&record));
    }

    TestScreenPlan plan_;
    ProbeElement element_;
    HFONT font_ = nullptr;
    SpriteHandle text_;
};

// Screens 0, 1, 2 and 3 through the table, negative numbers as machines.
class TestScreenTable {
public:
    TestScreenTable() {
        ScreenMakers makers;
        makers.machine = &TestScreen::Make;
        makers.credits = &TestScreen::Make;
        makers.table = kTable;
        previous_ = SetScreenMakers(makers);
    }
    ~TestScreenTable() {
        SetScreenMakers(previous_);
        Plans().clear();
        ScreenLog().clear();
    }

private:
    static constexpr NumberedScreen kTable[] = {{0, &TestScreen::Make}, {1, &TestScreen::Make},
                                                {2, &TestScreen::Make}, {3, &TestScreen::Make},
                                                {-1, nullptr}};
    ScreenMakers previous_;
};

// A top-level frame window that may be created.
class HostFrame : public FrameWindow {
public:
    HostFrame(const RECT& rect, DWORD style) {
        SetRect(rect);
        SetStyle(style);
    }
    int OnCreate() override { return 1; }
};

// A shown popup frame of the size (the main window class registered first); null when it
// could not be created.
inline std::unique_ptr<HostFrame> MakeHostFrame(const RECT& rect) {
    RegisterMainWindowClass(nullptr);
    auto frame = std::make_unique<HostFrame>(rect, WS_POPUP | WS_VISIBLE);
    if (!frame->Create()) frame.reset();
    return frame;
}

// A screen window: a small-caption tool window whose TV pane shows the screen of a number.
class TestScreenWindow : public ScreenWindow {
public:
    explicit TestScreenWindow(int32_t number, bool creates = true) : number_(number), creates_(creates) {
        SetRect(RECT{120, 90, 420, 330});
        SetStyle(WS_POPUP | WS_CAPTION);
        SetExStyle(WS_EX_TOOLWINDOW);
        SetText("Test screen window");
    }
    ~TestScreenWindow() override { delete pane_; }
    int Create() override { return CreateTopLevel(nullptr); }
    int OnCreateScreen() override {
        if (!creates_) return 0;
        pane_ = new TvPane(this, number_);
        pane_->InstallScreen();
        return 1;
    }
    void ResizePane() override {
        RECT client;
        GetClientRect(GetHandle(), &client);
        if (pane_) MoveWindow(pane_->GetHandle(), 0, 0, client.right, client.bottom, TRUE);
    }
    int CanClose() override { return pane_ ? pane_->CanClose() : 1; }
    TvPane* GetPane() const { return pane_; }

private:
    int32_t number_;
    bool creates_;
    TvPane* pane_ = nullptr;
};

// Delivers what is queued, raising what a procedure kept, as the message loop does.
inline void PumpMessages() {
    MSG msg;
    while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
        TranslateMessage(&msg);
        DispatchMessageA(&msg);
        RethrowPendingException();
    }
}
